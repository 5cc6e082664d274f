// The creation wand: the zapper names a sort of thing, and one appears at his
// feet, or gold when the dungeon has nothing of that sort for him.
#include "floors/floor_population.h"
#include "item_use/zap_wand.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/item_data.h"
#include "world/item_types.h"
#include "world/player.h"

namespace {

// The magical sorts that M draws from, by the roll.
constexpr ItemType kMagicalSorts[3] = {kItemWand, kItemPotion, kItemAccessory};

}  // namespace

int32_t CreationCategoryOf(int key) {
    switch (key) {
        case 'W':
        case 'w': return kItemWeapon;
        case 'A':
        case 'a': return kItemArmour;
        case 'C':
        case 'c': return kItemCloth;
        case 'U':
        case 'u': return kItemAmmunition;
        case 'F':
        case 'f': return kItemFood;
        case 'M':
        case 'm': {
            const int32_t roll = rng.Random(3);
            return kMagicalSorts[roll];
        }
        case 'V':
        case 'v': return kItemValuable;
        case 'R':
        case 'r': return kItemMaterial;
        default: return -1;
    }
}

void ZapCreation(int32_t kind) {
    Tile& feet = PlayersFloor().At(player.x, player.y);
    if (feet.items.size() >= static_cast<std::size_t>(kMaxTileItems)) {
        PrintWords("The spell fizzles. ");
        QuietRedraw();
        return;
    }
    FullRedraw();
    IdentifyWand(kind);
    DrawCreationMenu();
    int32_t category = -1;
    while (category < 0) category = CreationCategoryOf(ReadKey());
    PrintWords("Something appears at your feet. ");
    const int32_t made = RandomItemKind(static_cast<float>(3 * player.level), category);
    if (made >= 0) {
        if (feet.items.size() < static_cast<std::size_t>(kMaxTileItems)) {
            feet.PutItemOnTile(made, kRollDurability, kRollBlessing, kNotIdentified, kMadeByGame, kRollPrefix, kNotEmpty);
        }
    } else {
        const int32_t extra = rng.Random(9 * player.level + 1);
        feet.gold += 6 + 9 * player.level + extra;
    }
    QuietRedraw();
}
