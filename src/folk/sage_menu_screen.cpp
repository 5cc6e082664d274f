// The sage's menu: his prices on the message rows and one service per visit.
#include <string>

#include "folk/folk_prompts.h"
#include "folk/sage_prices.h"
#include "player/commands.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/player.h"
#include "world/sage.h"
#include "world/unique_demon_names.h"

namespace {

// The sage that serves: of two beside the character, the later one in the list.
int32_t SageBesidePlayer() {
    int32_t found = -1;
    for (std::size_t i = 0; i < sages.size(); ++i) {
        const cSage& sage = sages[i];
        for (int32_t dx = -1; dx <= 1; ++dx) {
            for (int32_t dy = -1; dy <= 1; ++dy) {
                if (sage.x + dx == player.x && sage.y + dy == player.y && sage.floor == player.currentFloor) {
                    found = static_cast<int32_t>(i);
                }
            }
        }
    }
    return found;
}

void DrawSageMenu(int32_t level, int32_t resurrection) {
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    DrawPrompt("                \"How may I help you today, traveller?\"               (z = Exit)", kPromptRow);
    DrawCentredPrompt(FormatText("H(e)aling[%d] | (U)ncursing[%d] | (I)dentifying[Potions %d/Others %d]",
                                 HealingPrice(level), UncursingPrice(level), PotionIdentificationPrice(level),
                                 OtherIdentificationPrice(level)),
                      kSecondPromptRow);
    const char* format = player.demonSlainFlags[kFinalDemon] != 0
                             ? "(H)Cooling[%d] | (A)rrows[5=%d$] | (S)ell | Prepaid (R)esurrection[%d]"
                             : "(H)eating/Food[%d] | (A)rrows[5=%d$] | (S)ell | Prepaid (R)esurrection[%d]";
    DrawCentredPrompt(FormatText(format, HealingPrice(level), FiveArrowsPrice(level), resurrection), kThirdPromptRow);
}

}  // namespace

bool Player::OpenSageMenu() {
    const int32_t resurrection = ResurrectionPrice();
    const int32_t sage = SageBesidePlayer();
    if (sage < 0) return false;
    DrawSageMenu(sages[static_cast<std::size_t>(sage)].priceLevel, resurrection);
    for (;;) {
        int key = ReadKey();
        if (IsLeaveKey(key)) key = 'z';
        if (key >= 'A' && key <= 'Z') key += 'a' - 'A';
        switch (key) {
            case 'z': Say("\"Good luck on your quest.\""); return true;
            case 'a': BuyArrowsFromSage(sage); return true;
            case 'e': BuyHealingFromSage(sage); return true;
            case 'h': BuyHeatingFromSage(sage); return true;
            case 'i': BuyIdentificationFromSage(ChooseItemToIdentify(false), sage); return true;
            case 's': SellItem(ChooseItemToSell()); return true;
            case 'u': BuyUncursingFromSage(PickCursedEquippedItem(), sage); return true;
            // Hearing the offer takes no time.
            case 'r': OfferResurrection(); return false;
            default: break;
        }
    }
}
