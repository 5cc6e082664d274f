#include "floors/floor_feelings.h"

#include "floors/demon_floors.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/player.h"
#include "world/unique_demon_names.h"

namespace {

constexpr int32_t kThreateningRoll = 10;

// The feeling each roll of Random(19) gives; the two rolls marked -1 draw again.
constexpr int32_t kFeelingByRoll[19] = {
    kFeelingStalactites, kFeelingWarm,     kFeelingCold,        kFeelingDark,        kFeelingBright,
    kFeelingConfusing,   kFeelingSlushy,   kFeelingHardSnow,    kFeelingProvocative, kFeelingCalm,
    kFeelingThreatening, kFeelingPeaceful, kFeelingExciting,    kFeelingDull,        kFeelingWornOut,
    -1,                  -1,               kFeelingBloody,      kFeelingStupid,
};

// Rolls 15 and 16 pick again among warm, cold, dark, bright and confusing, or a rarer one.
int32_t RerolledFeeling(int32_t roll) {
    if (roll == 15) {
        const int32_t pick = rng.Random(6);
        return pick < 5 ? kFeelingWarm + pick : kFeelingThreatening;
    }
    const int32_t pick = rng.Random(7);
    if (pick < 5) return kFeelingWarm + pick;
    return pick == 5 ? kFeelingBloody : kFeelingStupid;
}

const char* const kFeelingTexts[18] = {
    "",
    "There are unnaturally many stalactites hanging from the roof here, ready to fall on you at a higher chance.",
    "The air here is very tropical. Strangely there's still snow on the ground.",
    "The walls radiate cold air on this floor. It's very chilling.",
    "The lighting is very bad here.",
    "The walls emit odd light.",
    "All passages look confusingly similar. It's hard to remember them.",
    "You feel instantly more lively when you enter this floor. Your wounds start to heal faster.",
    "The snow of this floor feels hard, your feet don't sink at all. All the walls and the floor are completely "
    "undamaged and intact. Everything is more durable here.",
    "This floor isn't warmer than any other normal floor, but the ground and the walls are slushy and soft. Your "
    "feet sink a bit, slowing you down slightly.",
    "The smell of blood is stronger here. That smell provokes you... You want to destroy, annihilate and smash all "
    "moving beings here! Attacks are more powerful here.",
    "This level feels, sounds and is calm. You feel relaxed. Attacks are less powerful here.",
    "There is something threatening here... Even the icy floor looks more slippery, but is that all?",
    "You feel rather excited when you enter this floor. For some reason this floor attracts you, luring you to stay "
    "here. Unfortunately the monsters most likely feel the same way.",
    "What a dull and repulsive floor. You can't imagine anything that would want to stay here for long. Not even "
    "the monsters are likely to mingle here that much.",
    "This floor is really worn-out. It's like a tribe of orcs wanted to try their new pick axes on every single "
    "wall, but without destroying any of them. Everything on this floor is more fragile.",
    "This floor feels different... Like the whole floor was waiting to burst open. You look up and notice that even "
    "the roof has blood spots on it. Perhaps the monsters are so bloated here that they actually explode when "
    "struck?",
    "You feel strangely stupid when you enter this floor. You swear you could do some basic math a moment ago, but "
    "that feels impossibly hard now. You can't use your skills here, but the local monsters are likely dumb as "
    "well.",
};

// What a demon's lair looks like to someone who has never been this deep.
const char* const kLairTexts[5] = {
    "The stench of rotting meat and feces surrounds you. This place looks like some sort of a lair, or perhaps a "
    "spawning ground. The claw marks of various monsters grimly adorn the walls.",
    "Tall and icy obsidian pillars rise to immense heights. You hear demonic snoring.",
    "You see a sanctuary ahead, but it's far from pleasant! The floor is covered with ancient frozen skulls and the "
    "ceiling is painted in blood.",
    "A palace made of ice! You can almost see through the walls. It would be astonishing, but the screams of pain "
    "coming from inside remind you of its creator.",
    "A demonic voice growls: \"Solve my maze mortal, and I shall rip your intestines out myself!\". You feel your "
    "heart pounding rapidly.",
};

}  // namespace

void Floor::ChooseFeeling(int32_t depth) {
    const int32_t startDepth = player.startMode == 1 ? 8 : 1;
    if (depth == startDepth || depth % 7 == 0) {
        feeling = kFeelingNone;
        return;
    }
    const int32_t chance = rng.Random(6);
    if (chance != 0) return;
    int32_t roll = rng.Random(19);
    // White floors never draw the threatening feeling directly.
    if (At(0, 0).colour == kSnowyWalls) {
        while (roll == kThreateningRoll) roll = rng.Random(19);
    }
    feeling = kFeelingByRoll[roll] >= 0 ? kFeelingByRoll[roll] : RerolledFeeling(roll);
}

std::vector<std::string> ArrivalTexts() {
    std::vector<std::string> texts;
    const int32_t f = player.currentFloor;
    if (!IsFloorNumber(f)) return texts;
    const Floor& floor = floorArray[f];
    const bool finalDemonSlain = player.demonSlainFlags[kFinalDemon] != 0;

    if (floor.feeling >= 1 && floor.feeling <= 17) {
        texts.push_back(kFeelingTexts[floor.feeling]);
        if (floor.feeling == kFeelingWarm) {
            texts.push_back(finalDemonSlain ? "Your body temperature increases faster now."
                                            : "Your body temperature starts increasing.");
        } else if (floor.feeling == kFeelingCold) {
            texts.push_back(finalDemonSlain ? "Your body temperature starts decreasing."
                                            : "Your body temperature decreases faster now.");
        }
    }
    const int32_t demon = DemonIndex(f);
    if (demon >= 0 && f > player.deepestFloor) texts.push_back(kLairTexts[demon]);
    if (floor.weather > 0) {
        texts.push_back(floor.weather == 1 ? "It's snowing here." : "It's raining freezing drizzle here.");
    }
    return texts;
}

void PrintFeelingMessage() {
    const std::vector<std::string> texts = ArrivalTexts();
    if (texts.empty()) return;
    for (const std::string& text : texts) PrintWords(text + " ");
    WaitForSpace();
}
