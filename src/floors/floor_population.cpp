// Items, gold and the monsters that wait on a new floor.
#include <algorithm>
#include <utility>

#include "floors/floor_features.h"
#include "floors/floor_population.h"
#include "floors/tile_draws.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// Random(101) picks the category of an item of any category.
int32_t CategoryByRoll(int32_t roll) {
    if (roll < 20) return kItemArmour;
    if (roll < 38) return kItemCloth;
    if (roll < 54) return kItemWeapon;
    if (roll < 67) return kItemAmmunition;
    if (roll < 76) return kItemFood;
    if (roll < 85) return kItemValuable;
    if (roll < 92) return kItemPotion;
    if (roll < 96) return kItemMaterial;
    if (roll < 99) return kItemWand;
    return kItemAccessory;
}

bool InWindow(const ItemKind& kind, int32_t lo, int32_t hi) { return kind.depthLevel >= lo && kind.depthLevel <= hi; }

bool AnyKindInWindow(int32_t lo, int32_t hi) {
    return std::any_of(std::begin(itemKinds.kinds), std::end(itemKinds.kinds),
                       [&](const ItemKind& kind) { return kind.inUse != 0 && InWindow(kind, lo, hi); });
}

// Potions, wands, accessories and food come at any depth.
bool IgnoresWindow(int32_t category) {
    return category == kItemAccessory || category == kItemWand || category == kItemPotion || category == kItemFood;
}

bool KindFits(int32_t k, int32_t category, int32_t lo, int32_t hi) {
    const ItemKind& kind = itemKinds[k];
    if (kind.inUse == 0 || kind.type != category) return false;
    return InWindow(kind, lo, hi) || k == arrowKindIndex || IgnoresWindow(category);
}

void AddGoldPile(Tile& tile, int32_t depth) {
    const double p = depth * 1.43;
    const int32_t spread = rng.Random(1 + static_cast<int32_t>(p * 5));
    tile.gold += 1 + static_cast<int32_t>(p) + spread;
    const int32_t hoardChance = rng.Random(5000);
    if (hoardChance == 0) tile.gold += static_cast<int32_t>(p * 20);
}

// The draws that make a kind choice give up on item data without a fitting kind.
constexpr int32_t kKindDrawLimit = 1000000;

}  // namespace

int32_t RandomItemKind(float level, int32_t category) {
    int32_t whole = static_cast<int32_t>(level);
    const int32_t roundUpPercent = GetFractionPercent(level);
    if (roundUpPercent > 0) {
        const int32_t roll = rng.Random(100);
        if (roll <= roundUpPercent) ++whole;
    }

    int32_t hi = whole + 7;
    int32_t lo = whole - 7;
    const int32_t farDeeper = rng.Random(5000);
    if (farDeeper == 0) hi += 11;
    const int32_t farShallower = rng.Random(5000);
    if (farShallower == 0) lo -= 11;
    const int32_t deeperChance = rng.Random(40);
    if (deeperChance == 0) {
        const int32_t deeper = rng.Random(4);
        hi += deeper;
    }
    const int32_t shallowerChance = rng.Random(20);
    if (shallowerChance == 0) {
        const int32_t shallower = rng.Random(4);
        lo -= shallower;
    }
    const int32_t narrowerChance = rng.Random(7);
    if (narrowerChance == 0) hi -= 1;
    lo = std::max(lo, 0);
    hi = std::clamp(hi, 5, 50);

    if (category == kAnyItemCategory) {
        const int32_t nothing = rng.Random(15);
        if (nothing == 4) return kNoItemKind;
    }
    if (!AnyKindInWindow(lo, hi)) return kNoItemKind;
    if (category == kAnyItemCategory) {
        const int32_t roll = rng.Random(101);
        category = CategoryByRoll(roll);
    }

    // Weapons and ammunition come from a narrower, deeper window.
    if (category == kItemWeapon || category == kItemAmmunition) {
        hi -= 4;
        lo += 4;
        if (whole < 49) {
            if (hi < 5) lo = 0;
            if (whole < 4) {
                const int32_t shallowest = rng.Random(3);
                if (shallowest == 0) lo = 0;
            }
        } else {
            lo = 45;
            hi = 50;
        }
    }
    lo = std::max(lo, 0);
    if (lo > hi) std::swap(lo, hi);

    // Item data without a fitting kind gets none, rather than a search without end.
    bool anyFits = false;
    for (int32_t k = 0; k < kItemKindCount && !anyFits; ++k) anyFits = KindFits(k, category, lo, hi);
    if (!anyFits) return kNoItemKind;
    for (int32_t tries = 0; tries < kKindDrawLimit; ++tries) {
        const int32_t k = rng.Random(kItemKindCount);
        if (!KindFits(k, category, lo, hi)) continue;
        if (itemKinds[k].special != 0) {
            const int32_t rare = rng.Random(100);
            if (rare != 0) continue;
        }
        return k;
    }
    return kNoItemKind;
}

void Floor::ScatterItemsAndGold(int32_t depth) {
    const int32_t floorNumber = depth - 1;
    const int32_t base = rng.Random(6) + 3;
    int32_t items = WithRareChanges(base, 10, 80, 6);
    int32_t goldPiles = 0;
    for (;;) {
        const int32_t roll = rng.Random(100);
        if (roll >= 45) break;
        ++goldPiles;
    }

    const auto fits = [this, floorNumber](int32_t x, int32_t y) {
        return At(x, y).glyph == kFloorGlyph && !IsSageAt(x, y, 0, 0, floorNumber);
    };
    while (items + goldPiles > 0) {
        XY spot;
        if (!DrawTileUntil(1, fits, spot)) return;
        Tile& tile = At(spot.x, spot.y);

        int32_t shift = 0;
        const int32_t nearChance = rng.Random(20);
        if (nearChance == 2) {
            const int32_t step = rng.Random(3);
            shift = step * 2 - 2;
        }
        const int32_t farChance = rng.Random(5000);
        if (farChance == 2) {
            const int32_t step = rng.Random(3);
            shift = step * 13 - 13;
        }

        if (goldPiles > 0) {
            AddGoldPile(tile, depth);
            --goldPiles;
            continue;
        }
        const float level = 1.43f * static_cast<float>(depth) + static_cast<float>(shift);
        const int32_t kind = RandomItemKind(level, kAnyItemCategory);
        if (kind != kNoItemKind && static_cast<int32_t>(tile.items.size()) < kMaxTileItems) {
            tile.PutItemOnTile(kind, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix,
                               kNotEmpty);
        } else {
            AddGoldPile(tile, depth);  // nothing fitting: gold in its stead
        }
        --items;
    }
}

void Floor::SpawnFloorMonsters(int32_t floorNumber, int32_t count) {
    const int32_t base = rng.Random(7) + 14 - static_cast<int32_t>(1.25 * (floorNumber / 7));
    int32_t number = WithRareChanges(base, 20, 50, 10);
    if (count != kFloorsOwnMonsterCount) number = count;

    const bool startingFloor = floorNumber == (player.startMode == 1 ? 7 : 0);
    const int32_t variant = count == kFloorsOwnMonsterCount ? kVariantRarely : kVariantNever;
    // A floor that has no room left, or data that makes no monster, ends the
    // search after a long run of misses.
    int32_t misses = 0;
    while (number > 0 && misses < kTileDrawLimit) {
        const XY spot = DrawTile(1);
        const bool free = At(spot.x, spot.y).glyph == kFloorGlyph && !IsSageAt(spot.x, spot.y, 0, 0, floorNumber) &&
                          !IsMonsterAt(spot.x, spot.y, floorNumber) &&
                          !(startingFloor && CountGlyphAround(spot.x, spot.y, 2, kUpStairsGlyph) > 0);
        // On the starting floor the packs' companions keep clear of the up stairs as well.
        const auto spawn = startingFloor ? SpawnMonsterClearOfUpStairs : SpawnMonster;
        if (free && spawn(spot.x, spot.y, floorNumber, true, variant, kComputedLevel) != 0) {
            --number;
            misses = 0;
        } else {
            ++misses;
        }
    }
}
