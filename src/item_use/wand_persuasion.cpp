// The persuasion wand: an ethereal salesman who talks a sage into lower prices,
// and fools nobody else.
#include "item_use/zap_wand.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/player.h"
#include "world/sage.h"

int32_t PersuadedPrice(int32_t priceLevel, int32_t floor) {
    // What a sage of this floor asks before anyone buys from him.
    const int32_t base = 100 * ((floor + 1) / 7 + 1);
    if (priceLevel > base) return base;
    priceLevel -= base / 5;
    return priceLevel < base / 2 ? base / 2 : priceLevel;
}

void ZapPersuasion(int32_t kind, char direction) {
    if (direction == '5') {
        PrintWords("An ethereal man appears in front of you! He starts persuading you, and after a minute you're ready "
                   "to sell everything you own to him. Luckily the man fades away without a warning. ");
        FlashTile(player.x, player.y, kWhite);
        IdentifyWand(kind);
        return;
    }
    const XY step = DirectionOfDigit(direction).step;
    const int32_t x = player.x + step.x;
    const int32_t y = player.y + step.y;
    if (!Floor::OnMap(x, y)) return;
    const char glyph = PlayersFloor().At(x, y).glyph;
    if (MonsterOnPlayersFloor(x, y) != nullptr) {
        PrintWords("An ethereal man appears in front of the monster and starts talking. The monster attacks the image "
                   "and the spell fizzles. ");
        FlashTile(x, y, kWhite);
        IdentifyWand(kind);
    } else if (glyph == kDeepSmithGlyph) {
        PrintWords("An ethereal man appears in front of the deep smith and starts talking. The smith laughs at both of "
                   "you and says: ");
        PrintWords("\"Haha, that trick only works on those foolish old Sages!\" ");
        PrintWords("The spell fizzles. ");
        FlashTile(x, y, kWhite);
        IdentifyWand(kind);
    } else if (IsSageNextToPlayer(step.x, step.y)) {
        IdentifyWand(kind);
        PrintWords("An ethereal man appears in front of the sage and starts talking. After a short discussion the sage "
                   "agrees to lower his prices. The man disappears. ");
        for (cSage& sage : sages) {
            if (sage.floor == player.currentFloor && sage.x == x && sage.y == y) {
                sage.priceLevel = PersuadedPrice(sage.priceLevel, player.currentFloor);
            }
        }
        if (glyph == kFloorGlyph) FlashTile(x, y, kWhite);
    } else if (glyph == kFloorGlyph) {
        FlashTile(x, y, kWhite);
    }
}
