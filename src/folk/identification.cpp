// Identification: the list that picks a potion, wand, ring or amulet, and the
// sage who names its kind for a price.
#include "folk/folk_prompts.h"
#include "folk/sage_prices.h"
#include "items/appearances.h"
#include "items/equipment_list_screen.h"
#include "player/commands.h"
#include "player/map_view.h"
#include "toolkit/message_log.h"
#include "toolkit/text_format.h"
#include "world/game_hooks.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

bool HasHiddenKind(const ItemKind& kind) {
    return kind.type == kItemPotion || kind.type == kItemWand || kind.type == kItemAccessory;
}

// A wand charge may be spent on any such item, even of a kind already known.
bool WandMayIdentify(const ItemData&, const ItemKind& kind) { return HasHiddenKind(kind); }

// A sage never takes gold for a kind the character already knows.
bool SageMayIdentify(const ItemData& item, const ItemKind& kind) {
    return HasHiddenKind(kind) && player.identifiedKinds[item.kind] == 0;
}

std::string AppearanceOf(const ItemData& item) {
    switch (itemKinds[item.kind].type) {
        case kItemPotion: return PotionAppearanceName(item.kind);
        case kItemWand: return WandAppearanceName(item.kind);
        default: return AccessoryAppearanceName(item.kind);
    }
}

}  // namespace

int32_t Player::ChooseItemToIdentify(bool wand) {
    const EquipmentListRules rules = {"    8 = up     page down = next page     i = identify a potion/wand/ring/amulet",
                                      "    2 = down   page up = previous page   z = exit",
                                      'i',
                                      wand ? WandMayIdentify : SageMayIdentify,
                                      "Your inventory is empty!",
                                      wand ? "Exiting will waste the charge. Do you really want to do this? (y/n)"
                                           : nullptr,
                                      false};
    return ChooseFromEquipmentList(rules);
}

void Player::BuyIdentificationFromSage(int32_t index, int32_t sage) {
    if (index == -1) return;
    ItemData& item = inventory[static_cast<std::size_t>(index)];
    const std::string appearance = AppearanceOf(item);
    if (RestoreMapView()) RedrawScreen();
    const int32_t level = sages[static_cast<std::size_t>(sage)].priceLevel;
    const int32_t price = itemKinds[item.kind].type == kItemPotion ? PotionIdentificationPrice(level)
                                                                   : OtherIdentificationPrice(level);
    const std::string question = FormatText("\"Shall I identify your %s?\" (y/n)", appearance.c_str());
    if (!SageOfferAccepted(question, price, "You don't have enough money.")) return;
    identifiedKinds[item.kind] = 1;
    if (itemKinds[item.kind].type == kItemAccessory) item.identified = 1;
    PaySage(sage, price);
    // Word by word, each name one piece, so that the sentence wraps as the sage's others do.
    Say("The sage tells you the true identity of ");
    messageLog.PrintMessage(appearance + ": ");
    messageLog.PrintMessage(std::string(itemKinds[item.kind].name) + ". ");
    DescribeItem(index);
}
