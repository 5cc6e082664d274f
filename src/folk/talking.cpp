// The chat command: the deep smith or the sage beside the character, and the smith's menu.
#include "folk/folk_prompts.h"
#include "player/commands.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/player.h"
#include "world/sage.h"
#include "world/terrain.h"

int32_t Player::TalkToNpc() {
    for (int32_t dx = -1; dx <= 1; ++dx) {
        for (int32_t dy = -1; dy <= 1; ++dy) {
            if (GlyphBesidePlayer(dx, dy) == kDeepSmithGlyph) {
                OpenSmithMenu();
                return 1;
            }
            if (IsSageAt(x, y, dx, dy, currentFloor)) return OpenSageMenu() ? 1 : 0;
        }
    }
    return 0;
}

void Player::OpenSmithMenu() {
    BlankMessageRows(kPromptRow, kThirdPromptRow);
    DrawPrompt("\"Welcome to my forge adventurer! I offer thee the following services:\"", kPromptRow, 4);
    DrawPrompt("(R)epair an item     | (D)estroy a piece of cursed equipment   | (S)ell items", kSecondPromptRow, 1);
    DrawPrompt("(E)xchange materials | (C)raft an item from supplied materials | (z = Exit)", kThirdPromptRow, 1);
    for (;;) {
        int key = ReadKey();
        if (IsLeaveKey(key)) key = 'z';
        if (key >= 'A' && key <= 'Z') key += 'a' - 'A';
        switch (key) {
            case 'r': RepairItemAtSmith(); return;
            case 'd': DestroyCursedItemAtSmith(PickCursedEquippedItem()); return;
            case 's': SellItem(ChooseItemToSell()); return;
            case 'e': ExchangeMaterialsAtSmith(); return;
            case 'c': CraftItemAtSmith(); return;
            case 'z': Say("\"Come back soon!\""); return;
            default: break;
        }
    }
}
