// The bag a frozen body hugs: opened once, it holds loot two times in three,
// else a booby trap or the bait of an ambush.
#include <algorithm>

#include "events/feature_loot.h"
#include "events/feature_tile.h"
#include "events/world_events.h"
#include "floors/floor_population.h"
#include "items/item_names.h"
#include "items/worn_properties.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"

namespace {

// The bags of deeper floors hold more money.
int32_t MoneyBonus(int32_t floor) { return std::max(0, static_cast<int32_t>(floor * 1.43) - 4); }

// A ring of greed worn on either hand turns the find into money one time in three.
bool GreedTurnsToMoney() {
    if (GetWornAccessoryProperty(kWornRightRing) != kPropertyGreed &&
        GetWornAccessoryProperty(kWornLeftRing) != kPropertyGreed) {
        return false;
    }
    const int32_t roll = rng.Random(3);
    return roll == 0;
}

// The sentence goes on with what lies last on the tile, the new find.
void NameFind(const Tile& tile) {
    const ItemData& item = tile.items.back();
    const std::string shown = ShownItemName(item);
    std::string name = item.quantity == 1 ? ItemNameWithArticle(shown) : PluralItemName(shown);
    if (!name.empty() && name.back() == ' ') name.pop_back();
    messageLog.PrintMessage(name + ". ");
}

void LootBag(Tile& tile) {
    const Player& p = player;
    PrintWords("You carefully open the bag and reveal ");
    const float level = 1.43f * static_cast<float>(p.currentFloor) - 4.0f;
    const int32_t kind = RandomItemKind(level, kAnyItemCategory);
    const bool money = GreedTurnsToMoney();
    if (!money && kind != kNoItemKind && static_cast<int32_t>(tile.items.size()) < kMaxTileItems) {
        tile.PutItemOnTile(kind, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix, kNotEmpty);
        NameFind(tile);
    } else {
        const int32_t bonus = MoneyBonus(p.currentFloor);
        const int32_t extra = rng.Random(3 * bonus + 1);
        PrintWords("some money. ");
        tile.gold += 3 * bonus + 6 + extra;
    }
    PickUpMoneyAndAmmo();
}

void ExplodeBag() {
    Player& p = player;
    PrintWords(
        "You try to open the bag but instead of opening, the bag explodes in front of you! Now the bag is gone and "
        "your hands are ashen gray. ");
    p.bodyTemperature += 25;
    const int32_t confusion = rng.Random(3);
    if (confusion != 0) {
        PrintWords("You feel a little confused. ");
        const int32_t turns = rng.Random(15);
        p.dizziness += 10 + turns;
    }
    const int32_t wound = rng.Random(3 * p.level + 3);
    p.hp -= 1 + wound;
    p.CheckPlayerDeath("HE tried to open a booby trapped bag.", kDungeonKiller);
}

void SpringAmbush() {
    int32_t x = 0;
    int32_t y = 0;
    if (!FindAmbushTile(x, y)) {
        PrintWords("Surprisingly the bag is empty! ");
        return;
    }
    PrintWords(
        "Before you reach the bag, a vicious monster ambushes you from the shadows! The bag was just an empty "
        "bait. ");
    SpawnMonster(x, y, player.currentFloor, false, kVariantNever, kComputedLevel);
}

}  // namespace

void Player::OpenBag() {
    Tile* here = FeatureTile();
    if (here == nullptr) return;
    Tile& tile = *here;
    if (tile.featureState == kFeatureSpent) {
        PrintWords("It has already been looted. ");
        return;
    }
    tile.featureState = kFeatureSpent;
    const int32_t threeWays = rng.Random(3);
    const int32_t twoWays = rng.Random(2);
    if (twoWays == 0 || threeWays == 1) {
        LootBag(tile);
    } else if (threeWays == 0) {
        ExplodeBag();
    } else {
        SpringAmbush();
    }
}
