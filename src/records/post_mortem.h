#pragma once
// The post-mortem text file written when a game ends.
#include <cstdint>
#include <string>

// Builds the post-mortem file's name. Without "-name" it also creates the
// "Mortems" folder: firstPlay is 0 when this call created it, -1 otherwise.
void PostMortemFileName(std::string& name, int32_t& firstPlay);
// Writes the post-mortem text file of the ended game: a death, or with victory a won game.
void WritePostMortem(const std::string& endText, bool victory);
