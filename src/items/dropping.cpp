// Dropping one item, or a whole entry, onto the tile the character stands on.
#include "items/inventory.h"
#include "player/surroundings.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

// True when the tile can take one more item of the kind: a free place, or a
// stack of that kind to join.
bool TileTakes(const Tile& tile, int32_t kind) {
    if (static_cast<int32_t>(tile.items.size()) < kMaxTileItems) return true;
    if (!StacksByKind(itemKinds[kind].type)) return false;
    for (const ItemData& lying : tile.items) {
        if (lying.kind == kind) return true;
    }
    return false;
}

// One item of the entry onto the tile, as it is: nothing is rolled anew.
void PutOne(Tile& tile, const ItemData& item) {
    tile.PutItemOnTile(item.kind, item.durability, item.blessing, item.identified, kNotMadeByGame, item.prefix,
                       item.empty);
}

}  // namespace

bool Player::DropItem(int32_t index, bool all, bool hint) {
    Tile* tile = PlayerTile();
    const int32_t count = static_cast<int32_t>(inventory.size());
    if (tile == nullptr || index < 0 || index >= count) return false;
    ItemData& item = inventory[static_cast<std::size_t>(index)];
    if (item.kind < 0 || item.kind >= kItemKindCount) return false;
    const bool lastOfSeveral = index == count - 1 && count >= 2;

    bool result = false;
    if (item.quantity <= 1) {
        result = lastOfSeveral;
        PutOne(*tile, item);
        RemoveInventoryEntry(index);
    } else if (!all) {
        PutOne(*tile, item);
        --item.quantity;
    } else {
        // A stack reaches the tile one item at a time; what a full tile cannot
        // take stays in the hand rather than being lost.
        while (item.quantity >= 1 && TileTakes(*tile, item.kind)) {
            PutOne(*tile, item);
            --item.quantity;
        }
        if (item.quantity < 1) {
            result = lastOfSeveral;
            RemoveInventoryEntry(index);
        }
    }
    SortInventory();
    RecomputePlayerStats();

    if (hint && (tile->glyph == kAltarGlyph || tile->glyph == kVeilSpiritGlyph)) {
        PrintWords("You do realize that this dungeon feature isn't used by dropping items on it? Press ");
        messageLog.PrintMessage(FormatText("'%c' ", keyTable[kCommandUseFeature]));
        PrintWords("to use it. ");
    }
    return result;
}
