// Prayer: a heard prayer heals the character completely or lifts every curse
// from what the character wears, for the piety the prayer tier asks.
#include "floors/floor_feelings.h"
#include "folk/folk_prompts.h"
#include "folk/piety.h"
#include "items/equip_rules.h"
#include "player/commands.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/player.h"
#include "world/terrain.h"
#include "world/unique_demon_names.h"

namespace {

constexpr int32_t kWarmFloorTemperature = 2001;
constexpr int32_t kPrayedWarmth = 9000;
constexpr int32_t kOverheatedLimit = 10000;
constexpr int32_t kCooledFromOverheat = 8000;
constexpr int32_t kColdFloorTemperature = 8000;
constexpr int32_t kPrayedCool = 1000;

// On an altar the character is told how to sacrifice there; true when told.
bool HintAtAltar() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr || !Floor::OnMap(player.x, player.y)) return false;
    if (floor->At(player.x, player.y).glyph != kAltarGlyph) return false;
    PrintWords("(To sacrifice at this altar, press ");
    messageLog.PrintMessage(FormatText("'%c'.) ", keyTable[kCommandUseFeature]));
    return true;
}

int32_t FloorFeelingHere() {
    const Floor* floor = CurrentFloor();
    return floor == nullptr ? kFeelingNone : floor->feeling;
}

void SettleTemperature(Player& p) {
    const int32_t feeling = FloorFeelingHere();
    if (p.demonSlainFlags[kFinalDemon] == 0) {
        if (feeling == kFeelingWarm) {
            p.bodyTemperature = kWarmFloorTemperature;
        } else if (p.bodyTemperature < kPrayedWarmth) {
            p.bodyTemperature = kPrayedWarmth;
        } else if (p.bodyTemperature > kOverheatedLimit) {
            p.bodyTemperature = kCooledFromOverheat;
        }
        return;
    }
    if (feeling == kFeelingCold) {
        p.bodyTemperature = kColdFloorTemperature;
    } else if (p.bodyTemperature > kPrayedCool || p.bodyTemperature < 0) {
        p.bodyTemperature = kPrayedCool;
    }
}

void HealByPrayer(Player& p) {
    PrintWords("A breeze carries snow-flakes which melt on you. You feel better. ");
    if (p.hp < p.maxHp) p.hp = p.maxHp;
    if (p.sp < p.maxSp) p.sp = p.maxSp;
    SettleTemperature(p);
    p.poison = 0;
    p.bleeding = 0;
    p.fever = 0;
    p.sickness = 0;
    p.dizziness = 0;
    p.clumsiness = 0;
    p.slowness = 0;
    p.immobility = 0;
    p.horror = 0;
    if (p.frostbite > 0) {
        p.frostbite = 0;
        p.maxHp += p.frostbiteMaxHpLoss;
        p.hp += p.frostbiteHpLoss;
        p.frostbiteMaxHpLoss = 0;
        p.frostbiteHpLoss = 0;
    }
}

}  // namespace

int32_t Player::Pray() {
    const int32_t need = kPietyPerTier * PrayerTier();
    if (piety < need) {
        PrintWords("You can't sense the Goddess' presence. You need to sacrifice more to reach Her. ");
        HintAtAltar();
        messageLog.FlushMessages(false);
        return 0;
    }
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    DrawPrompt("You sense the Goddess' presence. Do you really want to pray? (Y/n)", kPromptRow);
    const int answer = ReadOneOf("YnN");
    BlankMessageRows(kPromptRow, kPromptRow);
    if (answer != 'Y') {
        if (HintAtAltar()) messageLog.FlushMessages(false);
        return 0;
    }
    int choice = 'H';
    if (CursedWornItems(kTestForCurses)) {
        BlankMessageRows(kPromptRow, kThirdPromptRow);
        DrawPrompt("You can focus your mind on your physical well-being or your equipment.", kPromptRow);
        DrawPrompt("Do you want a full (H)eal or full (U)ncursing of what you're wearing?", kSecondPromptRow);
        choice = ReadOneOf("HU");
        BlankMessageRows(kPromptRow, kSecondPromptRow);
    }
    prayers += 1;
    if (choice == 'U') {
        PrintWords("A warm and thin ice layer covers you. After a second of immobilized standing the layer is shattered. "
                   "Your equipment feels lighter. ");
        CursedWornItems(kLiftCurses);
    } else {
        HealByPrayer(*this);
    }
    piety -= need;
    return 1;
}
