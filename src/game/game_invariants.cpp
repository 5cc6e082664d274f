// The rules a game keeps between turns, checked from the outside: the code that
// moves, spawns, drops and equips keeps them one change at a time, and this
// looks at the whole state at once.
#include "game/game_invariants.h"

#include <bitset>
#include <cstring>

#include "items/equip_rules.h"
#include "toolkit/drawing.h"
#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

using TileSet = std::bitset<kFloorWidth * kFloorHeight>;

class InvariantReport {
public:
    explicit InvariantReport(InvariantScope scope) : scope(scope) {}

    std::vector<std::string> Check();

private:
    bool Covers(int32_t floor) const {
        return scope == InvariantScope::kEveryFloor || floor == player.currentFloor;
    }
    void Fail(std::string text) { broken.push_back(std::move(text)); }
    void CheckItem(const ItemData& item, const std::string& where);
    void CheckCharacter();
    void CheckMonsters();
    void CheckTiles(int32_t floorNumber);
    void CheckInventory();
    void CheckDrawing();

    InvariantScope scope;
    std::vector<std::string> broken;
    // Where the living monsters and the sages stand, floor by floor.
    TileSet standing[kFloorCount];
};

std::string Place(int32_t floor, int32_t x, int32_t y) { return FormatText("on floor %d at (%d, %d)", floor, x, y); }

std::string MonsterName(const Monster& monster) {
    return std::string(monster.name, strnlen(monster.name, sizeof monster.name));
}

int32_t TileIndex(int32_t x, int32_t y) { return x * kFloorHeight + y; }

// Weapons go in either hand and are readied in the swap slots, rings on either
// hand; everything else has the one slot of its kind.
bool FitsSlot(int32_t slot, const ItemKind& kind) {
    const int32_t home = SlotForKind(kind);
    if (home == slot) return true;
    if (home == kSlotMainWeapon) return slot == kSlotSecondWeapon || slot == kSlotMainHandSwap || slot == kSlotSecondHandSwap;
    // A shield taken off the arm by a swap to the readied weapons waits in the second hand's swap slot.
    if (home == kSlotShield) return slot == kSlotSecondHandSwap;
    return home == kSlotRightRing && slot == kSlotLeftRing;
}

bool SoundItem(const ItemData& item) {
    return item.kind >= 0 && item.kind < kItemKindCount && itemKinds[item.kind].inUse != 0 && item.quantity >= 1;
}

void InvariantReport::CheckItem(const ItemData& item, const std::string& where) {
    if (item.kind < 0 || item.kind >= kItemKindCount || itemKinds[item.kind].inUse == 0) {
        Fail(FormatText("%s: an item of kind %d, which is not in use", where.c_str(), item.kind));
    } else if (item.quantity < 1) {
        Fail(FormatText("%s: %s in a quantity of %d", where.c_str(), itemKinds[item.kind].name, item.quantity));
    }
}

void InvariantReport::CheckCharacter() {
    if (!IsFloorNumber(player.currentFloor) || !Floor::OnMap(player.x, player.y)) {
        Fail(FormatText("the character is off the dungeon: %s", Place(player.currentFloor, player.x, player.y).c_str()));
        return;
    }
    const Tile& tile = floorArray[player.currentFloor].At(player.x, player.y);
    if (!IsWalkable(tile.glyph)) {
        Fail(FormatText("the character %s stands on '%c'", Place(player.currentFloor, player.x, player.y).c_str(), tile.glyph));
    }
    if (player.hp > player.maxHp) Fail(FormatText("the character has %d of %d hit points", player.hp, player.maxHp));
    if (player.sp > player.maxSp || player.sp < 0) {
        Fail(FormatText("the character has %d of %d special points", player.sp, player.maxSp));
    }
}

void InvariantReport::CheckMonsters() {
    for (const cSage& sage : sages) {
        if (!IsFloorNumber(sage.floor) || !Floor::OnMap(sage.x, sage.y)) {
            Fail(FormatText("a sage is off the dungeon: %s", Place(sage.floor, sage.x, sage.y).c_str()));
            continue;
        }
        standing[sage.floor].set(static_cast<size_t>(TileIndex(sage.x, sage.y)));
    }
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        // Built only for a report: the check runs after every turn of a soak.
        auto who = [monster] {
            return FormatText("monster '%s' %s", MonsterName(*monster).c_str(), Place(monster->floor, monster->x, monster->y).c_str());
        };
        if (!IsFloorNumber(monster->floor) || !Floor::OnMap(monster->x, monster->y)) {
            Fail(who() + " is off the dungeon");
            continue;
        }
        // The dead leave the list at the end of the command or the phase that killed them.
        if (monster->alive == 0) {
            Fail("dead " + who() + " is still listed");
            continue;
        }
        if (!Covers(monster->floor)) continue;
        const Tile& tile = floorArray[monster->floor].At(monster->x, monster->y);
        if (!IsWalkable(tile.glyph)) Fail(FormatText("%s stands on '%c'", who().c_str(), tile.glyph));
        if (monster->hp > monster->maxHp) Fail(FormatText("%s has %d of %d hit points", who().c_str(), monster->hp, monster->maxHp));
        if (monster->floor == player.currentFloor && monster->x == player.x && monster->y == player.y) {
            Fail(who() + " shares the character's tile");
        }
        const size_t index = static_cast<size_t>(TileIndex(monster->x, monster->y));
        if (standing[monster->floor].test(index)) Fail(who() + " shares its tile with another");
        standing[monster->floor].set(index);
    }
    // The index that answers "who stands here" must follow every move.
    const std::string disagreement = MonsterIndexDisagreement();
    if (!disagreement.empty()) Fail("the occupancy index disagrees with the monster list: " + disagreement);
}

void InvariantReport::CheckTiles(int32_t floorNumber) {
    const Floor& floor = floorArray[floorNumber];
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floor.At(x, y);
            const bool character = floorNumber == player.currentFloor && x == player.x && y == player.y;
            const bool taken = character || standing[floorNumber].test(static_cast<size_t>(TileIndex(x, y)));
            if ((tile.monsterPresent != 0) != taken) {
                Fail(FormatText("the tile %s is marked %s but %s", Place(floorNumber, x, y).c_str(),
                                tile.monsterPresent != 0 ? "taken" : "free", taken ? "someone stands there" : "nobody does"));
            }
            if (tile.items.size() > static_cast<size_t>(kMaxTileItems)) {
                Fail(FormatText("the tile %s holds %zu items", Place(floorNumber, x, y).c_str(), tile.items.size()));
            }
            for (const ItemData& item : tile.items) {
                if (!SoundItem(item)) CheckItem(item, "the tile " + Place(floorNumber, x, y));
            }
        }
    }
}

void InvariantReport::CheckInventory() {
    const int32_t carried = static_cast<int32_t>(player.inventory.size());
    for (int32_t i = 0; i < carried; ++i) {
        const ItemData& item = player.inventory[static_cast<size_t>(i)];
        if (!SoundItem(item)) CheckItem(item, FormatText("inventory entry %d", i));
    }
    for (int32_t slot = 0; slot < kEquipSlotCount; ++slot) {
        const int32_t held = player.equipSlots[slot];
        if (held == kEmptySlot) continue;
        if (held < 0 || held >= carried) {
            Fail(FormatText("equipment slot %d holds inventory entry %d of %d", slot, held, carried));
            continue;
        }
        const ItemData& item = player.inventory[static_cast<size_t>(held)];
        if (SoundItem(item) && !FitsSlot(slot, itemKinds[item.kind])) {
            Fail(FormatText("equipment slot %d holds %s, which does not go there", slot, itemKinds[item.kind].name));
        }
        // A readied weapon's swap slot may name what a hand holds; no two worn slots share an entry.
        if (slot >= kSlotMainHandSwap) continue;
        for (int32_t other = slot + 1; other < kSlotMainHandSwap; ++other) {
            if (player.equipSlots[other] == held) Fail(FormatText("equipment slots %d and %d both hold entry %d", slot, other, held));
        }
    }
}

void InvariantReport::CheckDrawing() {
    const uint32_t cuts = DrawsCutAtRightEdge();
    if (cuts != 0) Fail(FormatText("%u draws lost text past column 79", cuts));
}

std::vector<std::string> InvariantReport::Check() {
    CheckCharacter();
    CheckMonsters();
    for (int32_t floor = 0; floor < kFloorCount; ++floor) {
        if (Covers(floor)) CheckTiles(floor);
    }
    CheckInventory();
    CheckDrawing();
    return broken;
}

}  // namespace

std::vector<std::string> BrokenGameInvariants(InvariantScope scope) { return InvariantReport(scope).Check(); }
