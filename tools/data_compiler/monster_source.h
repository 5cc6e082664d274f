#pragma once
// The monster kinds source: one line a kind, compiled into "monsters.hmd".
#include <string>
#include <vector>

#include "data_compiler/source_text.h"
#include "world/monster_kind.h"

struct MonsterSource {
    std::string file;
    std::vector<MonsterKind> kinds;  // in file order: kind 0 first
    std::vector<int> lines;          // the source line of each kind
};

// The ordinary kinds in their fixed order of rising danger: the rows of the
// game's description table without the five unique demons.
const std::vector<std::string>& MonsterKindNames();
// Ability names of the source, by MonsterAbility id.
extern const std::vector<std::string> kMonsterAbilityNames;

// Reads the kinds; syntax errors go to the diagnostics.
MonsterSource ParseMonsterSource(const std::string& text, const std::string& file, Diagnostics& diagnostics);
// Checks every rule the game relies on.
void CheckMonsterSource(const MonsterSource& source, Diagnostics& diagnostics);
// The version and the 250 records; kinds past the source's are all zero.
std::vector<uint8_t> BuildMonsterFile(const MonsterSource& source);
// Kinds per level band, with the ranged, unliving and ability counts.
std::string SummarizeMonsters(const MonsterSource& source);
