#pragma once
// Floor feelings: the character some floors have, chosen when the floor is
// generated and announced when the player arrives.
#include <cstdint>
#include <string>
#include <vector>

enum FloorFeeling : int32_t {
    kFeelingNone = 0,
    kFeelingStalactites = 1,
    kFeelingWarm = 2,
    kFeelingCold = 3,
    kFeelingDark = 4,
    kFeelingBright = 5,
    kFeelingConfusing = 6,
    kFeelingPeaceful = 7,
    kFeelingHardSnow = 8,
    kFeelingSlushy = 9,
    kFeelingProvocative = 10,
    kFeelingCalm = 11,
    kFeelingThreatening = 12,
    kFeelingExciting = 13,
    kFeelingDull = 14,
    kFeelingWornOut = 15,
    kFeelingBloody = 16,
    kFeelingStupid = 17,
};

// What arriving at the player's current floor announces, sentence by sentence:
// the feeling, a demon floor's lair never reached before, the weather.
std::vector<std::string> ArrivalTexts();
// Prints the arrival texts word by word and waits for the space bar; prints
// nothing and does not wait when there is nothing to tell.
void PrintFeelingMessage();
