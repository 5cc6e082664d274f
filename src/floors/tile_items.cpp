// The items lying on a tile: adding one, and how the top one shows on the map.
#include "items/appearances.h"
#include "items/inventory.h"
#include "items/item_prefixes.h"
#include "items/worn_properties.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

// What the map shows of an item whose kind is not in the table.
constexpr char kUnknownItemGlyph = '?';

bool IsKindIndex(int32_t kind) { return kind >= 0 && kind < kItemKindCount; }

// Weapons, armour and cloth wear, can be cursed and take a rolled durability.
bool IsWearable(int32_t type) { return type == kItemWeapon || type == kItemArmour || type == kItemCloth; }

bool IdentifiedWhenFound(int32_t type) {
    return type == kItemPotion || type == kItemWand || type == kItemAmmunition || type == kItemFood ||
           type == kItemValuable || type == kItemMaterial;
}

int32_t RollBlessing(int32_t kind, const ItemKind& kindData) {
    if (IsWearable(kindData.type)) {
        if (kindData.special || kind == arrowKindIndex) return kUncursed;
        const int32_t roll = rng.Random(100);
        if (roll < 12) return kCursed;
        if (roll < 20) return kBlessed;
        return kUncursed;
    }
    if (kindData.type == kItemAccessory) return GetAccessoryBlessing(kind);
    return kUncursed;
}

// A roll of Random(n) that only takes something away: nothing is drawn and 0 lost when n < 1.
int32_t RollLoss(int32_t n) { return n >= 1 ? rng.Random(n) : 0; }

int32_t RollDurability(const ItemKind& kindData) {
    const int32_t maximum = kindData.maxDurability;
    int32_t durability = maximum;
    if (kindData.type == kItemWand) durability -= RollLoss(maximum / 2 + 1);
    if (IsWearable(kindData.type)) {
        durability -= RollLoss(maximum / 2);
        if (durability < 1) durability = 1;
    }
    return durability;
}

int32_t RollPrefix(const ItemKind& kindData) {
    if ((kindData.type == kItemArmour || kindData.type == kItemWeapon) && !kindData.special)
        return RollItemPrefix(kindData.type, kindData.name, false);
    if (kindData.type == kItemCloth) {
        if (rng.Random(5) != 0) return kNoPrefix;
        const int32_t wetness = rng.Random(500);
        return wetness + 250;
    }
    return kNoPrefix;
}

}  // namespace

void Tile::PutItemOnTile(int32_t kind, int32_t durability, int32_t blessing, uint8_t identified, uint8_t fresh,
                         int32_t prefix, uint8_t empty) {
    if (!IsKindIndex(kind)) return;
    if (static_cast<int32_t>(items.size()) >= kMaxTileItems) return;
    const ItemKind& kindData = itemKinds[kind];

    if (StacksByKind(kindData.type)) {
        for (ItemData& item : items) {
            if (item.kind == kind) {
                ++item.quantity;
                return;
            }
        }
    }

    ItemData item;
    item.kind = kind;
    item.empty = empty;
    item.blessing = blessing != kRollBlessing ? blessing : RollBlessing(kind, kindData);
    item.identified = identified;
    if (fresh == kMadeByGame) item.identified = IdentifiedWhenFound(kindData.type) ? kIdentified : kNotIdentified;
    item.durability = durability != kRollDurability ? durability : RollDurability(kindData);
    item.quantity = 1;
    if (kindData.type == kItemAmmunition && fresh == kMadeByGame) {
        const int32_t extra = rng.Random(25);
        item.quantity = extra + 5;
    }
    item.prefix = prefix != kRollPrefix ? prefix : RollPrefix(kindData);
    items.push_back(item);
}

char Tile::FirstItemGlyph() const {
    const int32_t kind = items.front().kind;
    return IsKindIndex(kind) ? static_cast<char>(itemKinds[kind].glyph) : kUnknownItemGlyph;
}

// Unidentified-looking things show the colour of their appearance.
ColourCode Tile::FirstItemColour() const {
    const int32_t kind = items.front().kind;
    if (!IsKindIndex(kind)) return kDarkGrey;
    switch (itemKinds[kind].type) {
        case kItemPotion: return PotionAppearanceColor(kind);
        case kItemWand: return WandAppearanceColor(kind);
        case kItemAccessory: return AccessoryAppearanceColor(kind);
        default: return itemKinds[kind].colour;
    }
}

void Tile::RefreshTopItem() {
    if (!items.empty()) {
        topGlyph = FirstItemGlyph();
        topColour = FirstItemColour();
    } else if (gold > 0) {
        topGlyph = kGoldGlyph;
        topColour = kGoldColour;
    } else {
        topGlyph = glyph;
        topColour = kRememberedColour;
    }
}

// Tiles out of view keep what they had: what the player remembers.
void RefreshTopItems() {
    if (!IsFloorNumber(player.currentFloor)) return;
    for (Tile& tile : floorArray[player.currentFloor].tiles)
        if (tile.visibleNow) tile.RefreshTopItem();
}
