#pragma once
// How messages name a monster: with an article, except for the five unique
// demons, whose names always stand alone ("The rat misses you.", "Vir've misses you.").
#include <string>

#include "monsters/monster.h"

// The article ("The " or "the ") and the name, or the bare name of a unique demon.
inline std::string NameWithArticle(const Monster& monster, const char* article) {
    if (IsUniqueDemon(monster.name)) return monster.name;
    return std::string(article) + monster.name;
}
