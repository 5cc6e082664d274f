#pragma once
// The few sentences about a monster's looks and nature that the examination
// screen shows. They live in the code, not in the monster data file.
#include <string>
#include <vector>

// One row of the description table: a monster name exactly as a monster record
// carries it, and one paragraph about it (no colour markup, no line breaks).
class MonsKuvaus {
public:
    std::string name;
    std::string description;
};

// The description table. Empty until the first lookup fills it; never changed after.
extern std::vector<MonsKuvaus> monsterDescriptions;

// The description of a monster by its name, with a variant word ("superior ",
// "quick ", ...) taken off first. Fills the table on its first call. A name
// that matches no row gets a fixed fallback text.
std::string FillMonsterDescriptions(std::string name);
