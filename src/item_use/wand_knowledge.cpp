// The wands that tell the zapper about his belongings: what a potion, wand or
// accessory is, and whether a piece of gear is blessed or cursed.
#include <cstddef>
#include <string>

#include "item_use/zap_wand.h"
#include "toolkit/message_log.h"
#include "world/item_kind.h"
#include "world/item_types.h"
#include "world/player.h"

namespace {

bool IsInventoryIndex(int32_t index) {
    return index >= 0 && static_cast<std::size_t>(index) < player.inventory.size();
}

// The wand's sentences, then the map with them on it until the space bar.
void Announce(const char* first, const char* second) {
    PrintWords(first);
    PrintWords(second);
    PrintWords("Press space. ");
    FullRedraw();
    WaitForSpaceOnly();
}

}  // namespace

void ZapIdentify(int32_t kind) {
    IdentifyWand(kind);
    Announce("This wand seems to be able to identify something. ", "It vibrates harder near your items. ");
    RevealChosenKind(player.ChooseItemToIdentify(true));
}

void RevealChosenKind(int32_t index) {
    if (!IsInventoryIndex(index)) return;
    ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    if (item.kind < 0 || item.kind >= kItemKindCount) return;
    player.identifiedKinds[item.kind] = 1;
    // A ring's or amulet's blessing shows with its kind.
    if (itemKinds[item.kind].type == kItemAccessory) item.identified = 1;
    PrintWords("It seems to be ");
    messageLog.PrintMessage(std::string(itemKinds[item.kind].name) + ". ");
    player.DescribeItem(index);
}

void ZapDetectCurses(int32_t kind) {
    IdentifyWand(kind);
    Announce("This wand seems to be able to detect curses. ", "It vibrates harder near your wearable items. ");
    const int32_t index = player.DetectCurseScreen();
    if (!IsInventoryIndex(index)) return;
    ItemData& item = player.inventory[static_cast<std::size_t>(index)];
    item.identified = 1;
    PrintWords("It seems to be ");
    switch (item.blessing) {
        case kBlessed: PrintWords("blessed. "); break;
        case kCursed: PrintWords("cursed. "); break;
        default: PrintWords("uncursed. "); break;
    }
}
