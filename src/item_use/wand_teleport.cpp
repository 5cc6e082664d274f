// The teleport wand sends the zapper, a monster or a sage to a random free
// square of the same floor.
#include <vector>

#include "item_use/zap_wand.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/xy.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// Random draws before the search gives up guessing and looks at every square.
constexpr int32_t kDestinationDraws = 100000;
// A sage needs room around him: this many floor tiles in his 3 by 3 block.
constexpr int32_t kSageRoom = 6;

bool FitsDestination(int32_t x, int32_t y, bool forSage) {
    if (!IsFreeSquare(x, y) || (x == player.x && y == player.y)) return false;
    return !forSage || PlayersFloor().CountGlyphAround(x, y, 1, kFloorGlyph) >= kSageRoom;
}

// A random square that fits; false on a floor that has none.
bool DrawDestination(bool forSage, XY& spot) {
    for (int32_t draw = 0; draw < kDestinationDraws; ++draw) {
        const int32_t x = rng.Random(kFloorWidth);
        const int32_t y = rng.Random(kFloorHeight);
        if (FitsDestination(x, y, forSage)) {
            spot = {x, y};
            return true;
        }
    }
    std::vector<XY> fitting;
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            if (FitsDestination(x, y, forSage)) fitting.push_back({x, y});
        }
    }
    if (fitting.empty()) return false;
    const int32_t pick = rng.Random(static_cast<int32_t>(fitting.size()));
    spot = fitting[static_cast<std::size_t>(pick)];
    return true;
}

void MoveOccupant(int32_t& x, int32_t& y, const XY& to) {
    Floor& floor = PlayersFloor();
    floor.At(x, y).monsterPresent = 0;
    x = to.x;
    y = to.y;
    floor.At(x, y).monsterPresent = 1;
}

cSage* LastSageAt(int32_t x, int32_t y) {
    cSage* found = nullptr;
    for (cSage& sage : sages) {
        if (sage.floor == player.currentFloor && sage.x == x && sage.y == y) found = &sage;
    }
    return found;
}

}  // namespace

void ZapTeleport(int32_t kind, char direction) {
    XY destination;
    if (direction == '5') {
        PrintWords("You see a bright flash and your surroundings change. ");
        FlashTile(player.x, player.y, kMagenta);
        IdentifyWand(kind);
        if (DrawDestination(false, destination)) MoveOccupant(player.x, player.y, destination);
        return;
    }
    const XY step = DirectionOfDigit(direction).step;
    const int32_t x = player.x + step.x;
    const int32_t y = player.y + step.y;
    if (!Floor::OnMap(x, y)) return;
    if (Monster* monster = MonsterOnPlayersFloor(x, y)) {
        PrintWords("The monster disappears. ");
        FlashTile(x, y, kMagenta);
        IdentifyWand(kind);
        if (DrawDestination(false, destination)) {
            XY square = {monster->x, monster->y};
            MoveOccupant(square.x, square.y, destination);
            PlaceMonster(*monster, square.x, square.y);
        }
    } else if (cSage* sage = IsSageAt(x, y, 0, 0, player.currentFloor) ? LastSageAt(x, y) : nullptr) {
        PrintWords("The sage disappears. ");
        FlashTile(x, y, kMagenta);
        IdentifyWand(kind);
        if (DrawDestination(true, destination)) {
            MoveOccupant(sage->x, sage->y, destination);
            sage->seen = 0;
        }
    } else if (PlayersFloor().At(x, y).glyph == kFloorGlyph) {
        FlashTile(x, y, kMagenta);
    }
}
