#pragma once
// Prebuilt floors: one floor in each block of seven is laid out from one of
// the 50 hand-made maps of the floors file. The map text is a sequence of
// lines; maps are 19 lines (rows) of 80 characters, separated by a line whose
// first character other than blanks is '!'.
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t kPrebuiltMapCount = 50;
constexpr int32_t kPrebuiltFloorCount = 5;

// Empties the list and fills it with five distinct map numbers 0..49.
void ChoosePrebuiltMaps(std::vector<int32_t>& maps);

// True when each of the 50 maps of the text, built into a floor, has an up and
// a down staircase.
bool HoldsEveryMap(const std::string& mapsText);
// Unpacks the bytes of a floors file into its map text; false when they do not
// unpack, unpack to more than a megabyte, or lack a map the game needs.
bool UnpackPrebuiltMapBytes(const std::vector<uint8_t>& packed, std::string& text);
// Reads the floors file "floors.hmd" and unpacks its map text into `text`, in
// memory. A file that cannot be read, unpacks to more than a megabyte, or
// lacks a map the game needs ends the program with its failure screen.
void UnpackPrebuiltMaps(std::string& text);
