// The dungeon is frozen: the character cools down every turn, faster the deeper
// it goes, until the final demon is slain and the dungeon heats up instead.
#include <algorithm>

#include "items/worn_properties.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/player.h"

namespace {

constexpr int32_t kBoilingPoint = 10000;

// The depth term: trunc(1.43 x floor).
int32_t DepthTerm(int32_t floor) { return static_cast<int32_t>(1.43 * floor); }

// The warmth a burning campfire adds on this floor, before its base of 10.
int32_t CampfireWarmth(int32_t floor) { return (1 + DepthTerm(floor)) / 2; }

// The change of one turn from the amulet, the depth and the floor's feeling.
int32_t EnvironmentChange() {
    const int32_t floor = player.currentFloor;
    const int32_t feeling = FloorFeelingAt(floor);
    int32_t change = 0;
    if (AmuletHas(kPropertyWarmthLoss)) change = -3;
    if (AmuletHas(kPropertyWarmthKeeping)) change += 3;
    if (player.demonSlainFlags[4] == 0) {
        change += -static_cast<int32_t>((1.43 * floor + 1) / 10) - (2 + DepthTerm(floor)) / 2;
        if (feeling == kFeelingWarm) change += 1 + DepthTerm(floor);
        if (feeling == kFeelingCold) change -= (1 + DepthTerm(floor)) / 2;
    } else {
        change += static_cast<int32_t>((1.43 * floor + 1) / 10) + static_cast<int32_t>(0.715 * floor);
        if (player.startMode == 1 && floor < 14) change += 1;
        if (change == 0) change = 1;
        if (feeling == kFeelingWarm) change += (1 + DepthTerm(floor)) / 2;
        if (feeling == kFeelingCold) change += -1 - DepthTerm(floor);
    }
    return change;
}

void BandMessages(int32_t before, int32_t now) {
    if (now <= 2000 && 2000 < before) PrintWords("You feel cold. ");
    if (now <= 4000 && 4000 < before) PrintWords("You feel cool. ");
    if (before < 0 && 0 <= now) PrintWords("You feel cold. ");
    if (before <= 2000 && 2000 < now) PrintWords("You feel cool. ");
    if (before <= 6000 && 6000 < now) PrintWords("You feel warm. ");
    if (before <= 8000 && 8000 < now) PrintWords("You feel hot. ");
    if (now <= 8000 && 8000 < before) PrintWords("You feel warm. ");
    if (now <= 10000 && 10000 < before) PrintWords("You feel hot. ");
}

// A warning that stops play until the space bar, then clears the message rows.
void Alarm(const char* text) {
    PrintWords(text);
    messageLog.FlushMessages(false);
    WaitForSpaceKey();
    for (int32_t row = 19; row <= 21; ++row) DrawText(messageLog.blank, 0, row, kBlack);
}

// The temperature hurts: 2% of the maximum hit points, at least 1.
void TakeTemperatureDamage() {
    player.hp -= std::max(static_cast<int32_t>(player.maxHp * 0.02), 1);
}

}  // namespace

void Player::UpdateBodyTemperature() {
    const int32_t before = bodyTemperature;
    int32_t change = EnvironmentChange();
    bool applyChange = true;

    if (OnBurningCampfire()) {
        const int32_t fire = CampfireWarmth(currentFloor);
        if (bodyTemperature > 9999) {
            change += 2 + fire;
        } else if (bodyTemperature + 10 + fire + change > 9999) {
            // The fire takes the character straight past the boiling point.
            bodyTemperature = 10004;
            if (SumClothWarmth() > 0) bodyTemperature += 1;
            applyChange = false;
        } else {
            change += 10 + fire;
        }
    }

    if (applyChange) {
        if (change > 0) {
            bodyTemperature += change;
            if (SumClothWarmth() > 0) bodyTemperature += 1;
        } else if (change < 0) {
            const int32_t warmth = SumClothWarmth();
            if (change + warmth >= 0) {
                bodyTemperature -= 1;
            } else {
                bodyTemperature += change + warmth - 1;
            }
        } else if (rng.Random(2) == 0) {
            bodyTemperature -= 1;
        }
    }

    const int32_t now = bodyTemperature;
    if (fever == 0) BandMessages(before, now);
    if (now < 0 && 0 <= before) Alarm("You start freezing. Press space. ");
    if (before <= kBoilingPoint && kBoilingPoint < now) Alarm("You start boiling. Press space. ");

    if (now < 0 && before < 0) {
        TakeTemperatureDamage();
        PrintWords("The freezing cold air bites you! ");
        if (frostbite == 0) {
            PrintWords("You get a frostbite. ");
            frostbite += 125;
            const int32_t maxHpLoss = static_cast<int32_t>(maxHp * 0.2);
            frostbiteMaxHpLoss = maxHpLoss;
            maxHp -= maxHpLoss;
            const int32_t hpLoss = static_cast<int32_t>(hp * 0.1);
            frostbiteHpLoss = hpLoss;
            hp -= hpLoss;
            hp = std::min(hp, maxHp);
        }
        CheckPlayerDeath("HE froze to death.", kDungeonKiller);
    }
    if (now > kBoilingPoint && before > kBoilingPoint) {
        TakeTemperatureDamage();
        PrintWords("It's way too hot in here! ");
        CheckPlayerDeath("HE boiled to death.", kDungeonKiller);
    }
}

std::string Player::ComputeTemperatureTrend(int32_t& change) {
    int32_t c = EnvironmentChange();
    if (OnBurningCampfire()) c += CampfireWarmth(currentFloor) + 10;
    change = c;
    if (c > 0) {
        if (SumClothWarmth() > 0) c += 1;
        return c < 5 ? "@RIncreasing" : "@rIncreasing quickly";
    }
    if (c < 0) {
        const int32_t covered = c + SumClothWarmth();
        if (covered < -4) return "@BDecreasing quickly";
        if (covered <= -1) return "@CDecreasing";
    }
    return "@cDecreasing slowly";
}

void Player::UpdateWarmthColour() {
    if (fever > 0) {
        glyphColour = kLightRed;
    } else if (bodyTemperature < 1) {
        glyphColour = kCyan;
    } else if (bodyTemperature <= 2000) {
        glyphColour = kLightCyan;
    } else if (bodyTemperature <= 4000) {
        glyphColour = kWhite;
    } else if (bodyTemperature <= 6000) {
        glyphColour = kBrown;
    } else if (bodyTemperature <= 8000) {
        glyphColour = kYellow;
    } else if (bodyTemperature <= 10000) {
        glyphColour = kLightRed;
    } else {
        glyphColour = kRed;
    }
}
