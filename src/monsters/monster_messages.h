#pragma once
// How the messages name a monster: "The rat" opening a sentence, "the rat"
// inside one. The five unique demons go by their names alone.
#include <string>

#include "world/monster.h"

inline std::string MonsterSubject(const Monster& monster) {
    return IsUniqueDemon(monster.name) ? std::string(monster.name) : "The " + std::string(monster.name);
}

inline std::string MonsterObject(const Monster& monster) {
    return IsUniqueDemon(monster.name) ? std::string(monster.name) : "the " + std::string(monster.name);
}
