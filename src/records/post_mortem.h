#pragma once
// The post-mortem text file written when a game ends.
#include <cstdint>
#include <ctime>
#include <string>

// Builds the post-mortem file's name from the player's name and the local time.
// Without "-name" it also creates the "Mortems" folder: firstPlay is 0 when
// this call created it, -1 otherwise (and always in "-name" mode).
void PostMortemFileName(std::string& name, int32_t& firstPlay);
// The stamp of a file name: " (9.Dec.2026 0805)".
std::string PostMortemStamp(const std::tm& time);
// Writes the report of the game that has just ended, by death or by victory,
// into a file of its own (a name already taken gets a number, " (2)" and on).
// The player's fields are as they were afterwards.
void WritePostMortem(const std::string& endText, bool victory);
// The report's text, with the same changes to the player's fields.
std::string PostMortemText(const std::string& endText, bool victory);
