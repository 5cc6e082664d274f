// The magic writing's effects on the character: knowledge, gold, experience,
// the Goddess and the resurrection deal.
#include <algorithm>
#include <climits>

#include "events/bounded_draws.h"
#include "events/magic_writing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

constexpr int32_t kPietyStep = 220;
constexpr int32_t kFloorsPerTier = 7;

bool HasAppearance(int32_t kind) {
    const int32_t type = itemKinds[kind].type;
    return type == kItemPotion || type == kItemAccessory || type == kItemWand;
}

bool IsIdentifiedKind(int32_t kind) { return player.identifiedKinds[kind] != 0; }

void SayNothingHappens() { PrintWords("Nothing happens. "); }

}  // namespace

void IdentifyRandomKind() {
    PrintWords("You receive new knowledge... But you don't know what. Some item has been identified. ");
    const int32_t kind = DrawFittingIndex(kItemKindCount, HasAppearance);
    if (kind < 0) return;
    player.identifiedKinds[kind] = 1;
    player.SortInventory();
}

void ForgetRandomKind() {
    const int32_t kind = std::any_of(std::begin(player.identifiedKinds), std::end(player.identifiedKinds),
                                     [](uint8_t flag) { return flag != 0; })
                             ? DrawFittingIndex(kItemKindCount, IsIdentifiedKind)
                             : -1;
    if (kind < 0) {
        SayNothingHappens();
        return;
    }
    PrintWords("You forget something... But you don't remember what. Some item has been unidentified. ");
    player.identifiedKinds[kind] = 0;
    player.SortInventory();
}

void RevealCurses() {
    PrintWords("You receive new knowledge concerning your items' curse statuses. ");
    for (ItemData& item : player.inventory) item.identified = 1;
}

void LightenPurse() {
    if (player.gold <= 0) {
        SayNothingHappens();
        return;
    }
    PrintWords("Your purse feels lighter! ");
    player.gold -= player.gold / 4;
}

void HeavierPurse() {
    PrintWords("Your purse feels heavier! ");
    const int64_t gold = player.gold + static_cast<int64_t>(player.gold / 2.5);
    player.gold = static_cast<int32_t>(std::min<int64_t>(gold, INT32_MAX));
}

// Never a level: the experience stops one point short of the next.
void RaiseExperience() {
    Player& p = player;
    PrintWords("You feel more experienced. ");
    p.experience += static_cast<int64_t>(0.3 * static_cast<double>(p.experience));
    if (static_cast<int64_t>(0.3 * static_cast<double>(p.experience)) == 0) p.experience += 1;
    if (p.experience >= p.levelThreshold) p.experience = p.levelThreshold - 1;
}

void LowerExperience() {
    Player& p = player;
    if (p.experience <= 0) {
        SayNothingHappens();
        return;
    }
    PrintWords("You feel less experienced. ");
    p.experience -= static_cast<int64_t>(0.15 * static_cast<double>(p.experience));
    if (static_cast<int64_t>(0.15 * static_cast<double>(p.experience)) == 0) p.experience -= 1;
    p.experience = std::max<int64_t>(p.experience, 0);
}

void RaisePiety() {
    Player& p = player;
    PrintWords("You feel closer to the Goddess. ");
    const int32_t need = kPietyStep * p.PrayerTier();
    p.piety += std::max(p.piety, need) / 2;
}

void LowerPiety() {
    Player& p = player;
    PrintWords("You feel further away from the Goddess. ");
    const int32_t need = kPietyStep * ((p.currentFloor + 1) / kFloorsPerTier + 1);
    p.piety -= std::max(p.piety, need) / 3;
}

void OfferPredictionDeal() {
    PrintWords(
        "You hear a mysterious voice inside your head: \"I shall resurrect you once if you can predict the shape "
        "(letter) of the monster that will kill you!\" Enter a lower case letter. (Affects both cases) ");
    messageLog.FlushMessages(false);
    int key = ReadKey();
    while (key < 'a' || key > 'z') key = ReadKey();
    PrintWords("\"So be it.\" ");
    player.predictedKiller = key;
}
