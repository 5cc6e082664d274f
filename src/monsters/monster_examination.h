#pragma once
// What the monster examination sheet says about a monster; the sheet itself is
// drawn by ShowMonsterExamination.
#include <cstdint>
#include <string>
#include <vector>

#include "world/monster.h"

// "uninjured", "barely injured", "injured", "badly injured", "almost dead" or
// (for a monster that is not living) "almost destroyed".
std::string ExaminationHealthWord(const Monster& monster);
// The monster's special ability in words; "Demonic tricks" for a unique demon.
std::string SpecialNoteText(const Monster& monster);
// "Stunned", "Taunted" and "Bleeding" as they apply, joined by ", "; "None" when none does.
std::string AilmentsText(const Monster& monster);
// The speed against a normal monster's, as a whole percentage.
int32_t SpeedPercent(const Monster& monster);
// How dangerous the floor with this index is, on the scale of monster levels.
int32_t FloorDanger(int32_t floorIndex);
// The description in double quotes, cut at blanks into lines of at most 60
// characters; every line after the first begins with the blank it was cut at.
std::vector<std::string> DescriptionLines(const std::string& description);
// The final demon that a mirror image of it stands for; null for any other
// monster, and when the final demon is no longer in the list.
Monster* RealFinalDemon(const Monster& image);
