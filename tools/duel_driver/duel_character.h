#pragma once
// The duel table's character: made by the game's own character creation for a
// training, raised to a level by the game's own level-ups, and dressed in the
// plain kit that the floors above a floor usually give.
#include <cstdint>
#include <string>
#include <vector>

enum class DuelTraining { kWarrior, kRanger, kArcher };

const char* TrainingName(DuelTraining training);

// The kit by floor f: for every slot the training fills, the plain kind of the
// highest depth (the better one on a tie) among those whose depth is at most
// 1.43 f, the item level that finds on the floors above f ask for. Kind indexes.
std::vector<int32_t> KitForFloor(DuelTraining training, int32_t floor);
// The kit's names, for the table's heading.
std::string DescribeKit(const std::vector<int32_t>& kit);

// Makes the character in the global player: created, raised to the level and
// wearing the kit. `variant` seeds the level-ups' bonus draws.
void BuildCharacter(DuelTraining training, int32_t level, const std::vector<int32_t>& kit, uint32_t variant);
