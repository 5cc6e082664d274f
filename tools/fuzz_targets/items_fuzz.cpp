// The item data file: read, then used as the game uses it (unidentified looks
// shuffled, every kind in use made, laid on the floor, named and scattered).
#include "fuzz_support.h"
#include "items/appearances.h"
#include "items/item_names.h"
#include "world/floor.h"
#include "world/item_kind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FreshGame({0, 20});
    if (itemKinds.ReadItemKinds(WriteFuzzInput("items.hmd", data, size)) != DataFileResult::kRead) return 0;
    itemKinds.MapItemColours();
    ShufflePotionNames();
    ShuffleWandNames();
    ShuffleAccessoryNames();
    OpenFloor(0);
    OpenFloor(20);
    PlaceCharacter(0, 1, 1);
    int32_t spot = 0;
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (itemKinds[kind].inUse == 0) continue;
        Tile& tile = floorArray[0].At(2 + spot % 70, 2 + spot / 70);
        ++spot;
        tile.PutItemOnTile(kind, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix, kNotEmpty);
        for (ItemData item : tile.items) {
            ShownItemName(item);
            PluralItemName(ShownKindName(item));
            item.identified = 1;
            ShownItemName(item);
        }
    }
    floorArray[20].ScatterItemsAndGold(21);
    RequireSoundGame();
    return 0;
}
