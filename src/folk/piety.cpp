// Piety and the prayer tier, and the word on the link to the Goddess when the
// character changes floors.
#include "folk/piety.h"

#include <algorithm>
#include <climits>

#include "folk/folk_prompts.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/player.h"
#include "world/unique_demon_names.h"

namespace {

// Eight floors above the deepest one reached, the Goddess measures from that depth.
constexpr int32_t kFarAboveDeepest = 8;

}  // namespace

TouchBand TouchBandOf(int32_t piety, int32_t tier) {
    const int32_t need = kPietyPerTier * tier;
    if (piety < need) return TouchBand::kNone;
    if (piety < need + kPietyPerTier) return TouchBand::kAlmost;
    if (piety < 2 * need) return TouchBand::kLight;
    return TouchBand::kFirm;
}

int32_t PietyPercent(int32_t piety, int32_t tier) {
    return static_cast<int32_t>(static_cast<int64_t>(piety) * 100 / (kPietyPerTier * tier));
}

void GainPiety(int64_t amount) {
    player.piety = static_cast<int32_t>(std::min<int64_t>(INT32_MAX, player.piety + amount));
}

void ReportGift(int32_t tier) {
    switch (TouchBandOf(player.piety, tier)) {
        case TouchBand::kAlmost: PrintWords("You can almost feel Her touching your shoulder. "); break;
        case TouchBand::kLight: PrintWords("You feel a light divine touch on your shoulder. "); break;
        case TouchBand::kFirm: PrintWords("You feel a firm godly touch on your shoulder. "); break;
        case TouchBand::kNone: break;
    }
    messageLog.PrintMessage(FormatText("(Piety %d%c) ", PietyPercent(player.piety, tier), '%'));
}

int32_t Player::PrayerTier() {
    if (demonSlainFlags[kFinalDemon] != 0) return 6;
    if (deepestFloor - currentFloor < kFarAboveDeepest) return (currentFloor + 1) / 7 + 1;
    return (deepestFloor + 1) / 7;
}

void Player::ReportPietyLink(int32_t up) {
    if (demonSlainFlags[kFinalDemon] != 0 || deepestFloor - currentFloor >= kFarAboveDeepest) return;
    const int32_t e = (currentFloor + 1) / 7;
    if (e < 1 && up == 0) return;
    const int32_t need = kPietyPerTier * e;
    if (up == 0) {
        if (piety < need || piety >= need + kPietyPerTier) return;
        PrintWords("Your link to the Goddess weakens as you go deeper. You need to sacrifice more to get an answer here: "
                   "Your piety on the previous floor was ");
        messageLog.PrintMessage(FormatText("%d%c. ", static_cast<int32_t>(static_cast<int64_t>(piety) * 100 / need), '%'));
        PrintWords("A piety of ");
        messageLog.PrintMessage(FormatText("%d%c ", (e + 1) * 22000 / need, '%'));
        PrintWords("would've been enough to maintain the link. ");
        return;
    }
    if (piety >= need + kPietyPerTier && piety < need + 2 * kPietyPerTier) {
        PrintWords("You feel your link to the Goddess strengthening as you go up. ");
    }
}
