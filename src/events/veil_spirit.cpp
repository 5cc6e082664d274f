// The spirit behind a veil: one meeting, good seven times in eleven. What it
// does is drawn again while it finds nothing to act on (no wand, no fitting
// piece of equipment); health, energy and warmth always give it something.
#include <algorithm>

#include "events/feature_tile.h"
#include "events/slot_draws.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/item_kind.h"

namespace {

constexpr int32_t kVeilEffects = 6;
constexpr int32_t kVeilMoods = 11;
constexpr int32_t kFirstGoodMood = 4;
constexpr int32_t kWearDraws = 35;
constexpr int32_t kBlessingDraws = 60;
constexpr int32_t kFloorsPerGroup = 7;
constexpr int32_t kWandCharges = 3;
constexpr int32_t kWarmBody = 8000;
constexpr int32_t kChilledBody = 4000;

enum VeilEffect : int32_t {
    kPeakHealth = 0,
    kPeakEnergy = 1,
    kWarmth = 2,
    kWands = 3,
    kEquipmentWear = 4,
    kBlessing = 5,
};

int32_t FloorGroup() { return player.currentFloor / kFloorsPerGroup; }

// A kind spirit raises a peak by the floor group and fills it up.
void RaisePeak(int32_t& peak, int32_t& now, const char* words) {
    PrintWords(words);
    peak += 4 * FloorGroup() + 4;
    now = peak;
}

void ChangePeakHealth(bool good) {
    Player& p = player;
    if (good) {
        RaisePeak(p.maxHp, p.hp,
                  "An extremely bright light surrounds you for a few seconds. That felt good. Your peak health feels "
                  "improved. ");
        return;
    }
    PrintWords(
        "Suddenly everything is black for a moment. You find new wounds on your body after the blackness is gone. "
        "Your peak health feels worse. ");
    const int32_t wound = rng.Random(3 * p.level + 3);
    p.hp -= 1 + wound;
    p.maxHp -= 2 * FloorGroup() + 2;
    p.CheckPlayerDeath("HE was blasted by an angry veil spirit.", kDungeonKiller);
}

void ChangePeakEnergy(bool good) {
    Player& p = player;
    if (good) {
        RaisePeak(p.maxSp, p.sp,
                  "You see an ethereal smiling face of the veil spirit. The spirit's gentleness grants you energy to "
                  "continue. Your peak energy feels improved. ");
        return;
    }
    PrintWords("You see a looming face of an angry veil spirit. You feel depressed and powerless. Your peak energy "
               "feels worse. ");
    p.sp = 0;
    p.maxSp -= 2 * FloorGroup() + 2;
}

void ChangeWarmth(bool good) {
    Player& p = player;
    if (good) {
        PrintWords("A warm yellowish flame surrounds you, but it doesn't burn at all. You feel warmer. ");
        p.DryClothes(500);
        p.bodyTemperature = std::max(p.bodyTemperature, kWarmBody);
        return;
    }
    PrintWords("Suddenly a cold wind blows through your clothes. You feel colder. ");
    p.bodyTemperature = std::min(p.bodyTemperature, kChilledBody);
}

bool ChangeWandCharges(bool good) {
    bool found = false;
    for (ItemData& item : player.inventory) {
        if (item.kind < 0 || item.kind >= kItemKindCount || itemKinds[item.kind].type != kItemWand) continue;
        found = true;
        if (good) {
            item.durability += kWandCharges;
            item.empty = 0;
        } else {
            item.durability = std::max(item.durability - kWandCharges, 0);
        }
    }
    if (!found) return false;
    if (good) {
        PrintWords("A wand in your bag glows white, so intensively that you can see through the leather. It has "
                   "been recharged. ");
    } else {
        PrintWords("A wand in your bag glows so black, it seems to absorb all the light near you. It has lost "
                   "charges. ");
    }
    return true;
}

bool ChangeWear(bool good) {
    const int32_t index = DrawWornItem(kWearSlotDraws, kWearDraws, AnyItem);
    if (index < 0) return false;
    ItemData& item = player.inventory[index];
    if (good) {
        if (item.kind >= 0 && item.kind < kItemKindCount) item.durability = itemKinds[item.kind].maxDurability;
        PrintWords(
            "A small humanoid creature jumps from behind the veil and bangs your equipment with a small hammer. The "
            "thing is already gone after you realize what happened, but the item looks brand new. ");
    } else {
        item.durability -= item.durability / 2;
        PrintWords(
            "A small demonic creature flies from behind the veil and casts a boulder at your equipment. The thing "
            "flies away before you manage to move, but the item looks badly damaged. ");
    }
    return true;
}

bool IsBlessed(const ItemData& item) { return item.blessing == kBlessed; }

// The good spirit blesses whatever it finds, a curse included; the angry one only takes a blessing away.
bool ChangeBlessing(bool good) {
    const int32_t index = DrawWornItem(kBlessingSlotDraws, kBlessingDraws, good ? AnyItem : IsBlessed);
    if (index < 0) return false;
    ItemData& item = player.inventory[index];
    item.blessing = good ? kBlessed : kUncursed;
    item.identified = 1;
    PrintWords(good ? "You see a quick golden flash of blessing near your equipment. "
                    : "You see a quick sickly reddish flash of cursing near your equipment. ");
    return true;
}

// False when the effect found nothing to act on.
bool ApplyVeilEffect(int32_t effect, bool good) {
    switch (effect) {
        case kPeakHealth: ChangePeakHealth(good); return true;
        case kPeakEnergy: ChangePeakEnergy(good); return true;
        case kWarmth: ChangeWarmth(good); return true;
        case kWands: return ChangeWandCharges(good);
        case kEquipmentWear: return ChangeWear(good);
        default: return ChangeBlessing(good);
    }
}

}  // namespace

void Player::MeetVeilSpirit() {
    Tile* here = FeatureTile();
    if (here == nullptr) return;
    Tile& tile = *here;
    PrintWords("You take a look behind the spirit veil. ");
    if (tile.featureState != kFeatureUnused) {
        PrintWords("You only see the dungeon wall in front of you. ");
        return;
    }
    tile.featureState = kFeatureSpent;
    for (;;) {
        const int32_t effect = rng.Random(kVeilEffects);
        const int32_t mood = rng.Random(kVeilMoods);
        if (ApplyVeilEffect(effect, mood >= kFirstGoodMood)) return;
    }
}
