// Living monsters bleed onto the map: blood is the colour of the tiles it lands on.
#include "player/surroundings.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

// The colour that no blood covers: the corner's colour is the floor's scheme, and magenta stays.
constexpr ColourCode kBloodProofColour = kMagenta;

int32_t Sign(int32_t value) { return (value > 0) - (value < 0); }

bool TakesBlood(char glyph) { return glyph == kWallGlyph || glyph == kFloorGlyph; }

// The corner tile keeps the floor's scheme colour, and magenta keeps its own.
bool RefusesBlood(const Tile& tile, int32_t x, int32_t y) {
    return (x == 0 && y == 0) || tile.colour == kBloodProofColour;
}

void Stain(Tile& tile) {
    const int32_t shade = rng.Random(2);
    tile.colour = shade != 0 ? kFreshBlood : kDriedBlood;
    if (tile.glyph == kWallGlyph) tile.mark = 0;
}

// The 3 by 3 block around the monster, its own tile included, is reddened.
void Burst(const Monster& monster, Floor& floor) {
    if (!IsUniqueDemon(monster.name)) {
        PrintWords("The monster explodes into pieces! ");
        const int32_t soak = rng.Random(4);
        if (soak != 0 && player.WetClothes(125, 2)) PrintWords("Your clothes get wet from the blood. ");
    }
    for (int32_t x = monster.x - 1; x <= monster.x + 1; ++x) {
        for (int32_t y = monster.y - 1; y <= monster.y + 1; ++y) {
            if (!Floor::OnMap(x, y)) continue;
            Tile& tile = floor.At(x, y);
            if (TakesBlood(tile.glyph) && !RefusesBlood(tile, x, y)) Stain(tile);
        }
    }
}

// Blood flies away from the player: up to four tiles behind the monster, each
// with its own two chances in three; the far one only when it is in view.
void Splash(const Monster& monster, Floor& floor) {
    const int32_t sx = Sign(monster.x - player.x);
    const int32_t sy = Sign(monster.y - player.y);
    const int32_t x = monster.x;
    const int32_t y = monster.y;
    XY candidates[4];
    if (sx != 0 && sy != 0) {
        candidates[0] = {x + sx, y + sy};
        candidates[1] = {x + 2 * sx, y + 2 * sy};
        candidates[2] = {x, y + sy};
        candidates[3] = {x + sx, y};
    } else if (sx == 0) {
        // Straight below or above the player; a monster on the player's own square counts as below.
        const int32_t dy = sy < 0 ? -1 : 1;
        candidates[0] = {x, y + dy};
        candidates[1] = {x, y + 2 * dy};
        candidates[2] = {x - dy, y + dy};
        candidates[3] = {x + dy, y + dy};
    } else {
        candidates[0] = {x + sx, y};
        candidates[1] = {x + 2 * sx, y};
        candidates[2] = {x + sx, y + sx};
        candidates[3] = {x + sx, y - sx};
    }
    constexpr int32_t kFarCandidate = 1;
    for (int32_t k = 0; k < 4; ++k) {
        const XY at = candidates[k];
        // The far candidate is tried only in view, and never off the map.
        const bool onMap = Floor::OnMap(at.x, at.y);
        if (k == kFarCandidate && (!onMap || floor.At(at.x, at.y).visibleNow != 1)) continue;
        const int32_t roll = rng.Random(3);
        if (roll == 0 || !onMap) continue;
        Tile& tile = floor.At(at.x, at.y);
        if (!TakesBlood(tile.glyph)) continue;
        if (RefusesBlood(tile, at.x, at.y)) return;
        Stain(tile);
    }
}

}  // namespace

void Monster::SpillMonsterBlood(bool onHit) {
    if (living == 0) return;
    Floor* floor = FloorAt(this->floor);
    if (floor == nullptr || !Floor::OnMap(x, y)) return;
    if (!onHit) {
        bool burst = IsUniqueDemon(name);
        if (!burst) {
            const bool bloody = FloorFeelingAt(player.currentFloor) == kFeelingBloody;
            const int32_t roll = rng.Random(bloody ? 3 : 7500);
            burst = roll == 0;
        }
        if (burst) {
            Burst(*this, *floor);
            return;
        }
    }
    Splash(*this, *floor);
}
