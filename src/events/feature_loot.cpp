#include "events/feature_loot.h"

#include "floors/floor_population.h"
#include "world/item_data.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

bool LayFoundItem(Tile& tile, float level) {
    const int32_t kind = RandomItemKind(level, kAnyItemCategory);
    if (kind == kNoItemKind || static_cast<int32_t>(tile.items.size()) >= kMaxTileItems) return false;
    tile.PutItemOnTile(kind, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix, kNotEmpty);
    return true;
}

bool FindAmbushTile(int32_t& x, int32_t& y) {
    const Player& p = player;
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            const int32_t tx = p.x + dx;
            const int32_t ty = p.y + dy;
            if ((dx == 0 && dy == 0) || !Floor::OnMap(tx, ty)) continue;
            if (floorArray[p.currentFloor].At(tx, ty).glyph != kFloorGlyph) continue;
            if (IsMonsterAt(tx, ty, p.currentFloor) || IsSageAt(tx, ty, 0, 0, p.currentFloor)) continue;
            x = tx;
            y = ty;
            return true;
        }
    }
    return false;
}
