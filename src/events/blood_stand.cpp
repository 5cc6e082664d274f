// The blood stand brands one weapon or armour piece with a new property, once.
#include "events/feature_tile.h"
#include "events/world_events.h"
#include "items/item_prefixes.h"
#include "toolkit/message_log.h"
#include "world/command_keys.h"
#include "world/item_kind.h"

void Player::UseBloodStand() {
    Tile* here = FeatureTile();
    if (here == nullptr) return;
    Tile& tile = *here;
    if (tile.colour != kFreshBlood) {
        PrintWords("This stand has used up its charge already. ");
        return;
    }
    PrintWords("Select a weapon or a piece of armor to place on the stand. ");
    WaitForSpace();
    const int32_t index = SelectGearScreen();
    // Leaving the list keeps the stand fresh for later.
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return;
    PrintWords(
        "Blood starts gushing from the cracks of the stand immediately after placing the item. The gushing stops "
        "soon after the item is completely covered in blood, after which the blood on the stand becomes dry. You "
        "take the newly branded item back from the stand. ");
    ItemData& item = inventory[index];
    const ItemKind& kind = itemKinds[item.kind];
    item.prefix = RollItemPrefix(kind.type, kind.name, true);
    tile.colour = kDriedBlood;
}

void DescribeBloodStand() {
    const Tile* tile = FeatureTile();
    if (tile == nullptr || tile->glyph != kBloodStandGlyph) return;
    if (tile->colour == kFreshBlood) {
        PrintWords(
            "You see a stand covered in fresh blood here. The engravings seem to indicate that a weapon or a piece "
            "of armor could be placed here. ");
        messageLog.PrintMessage("(Press ");
        messageLog.PrintMessage(std::string("'") + KeyLabel(kCommandUseFeature) + "' ");
        messageLog.PrintMessage("to use.) ");
    } else if (tile->colour == kDriedBlood) {
        PrintWords("You see a stand covered in dried blood here. The engravings have disappeared. ");
    }
}
