#pragma once
// The learning screen's list: its rows and the sorts of the skill table.
#include <cstdint>

// The sorts of the skill table: the default order, how few requirement points
// are missing, and the level requirement.
enum SkillSortMode : int32_t { kSortDefault = 1, kSortAttainability = 2, kSortLevel = 3 };

// Re-orders skillTable in place, stably; records not in use go last.
void SortSkillList(int32_t mode);
// One row of the list (the skill at that table position) on a screen row, and
// then that skill's information window on the right half.
void DrawSkillLearnRow(bool highlighted, int32_t screenRow, int32_t position);
