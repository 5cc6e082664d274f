// Altars, sages and deep smiths on new floors: each comes more surely the
// further the last one of its kind lies above.
#include <algorithm>

#include "floors/floor_features.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

int32_t altarCount = 0;

namespace {

constexpr int32_t kShortcutTopFloor = 7;

bool ShortcutStart() { return player.startMode == 1; }

// The first altar or sage of a game is sure on the last generated floor of the starting block.
bool IsFirstLandmarkDue(int32_t floorNumber) {
    const int32_t dueFloor = ShortcutStart() ? 12 : 5;
    return floorNumber == dueFloor && altarCount == 0 && sages.empty();
}

}  // namespace

int32_t LastFloorWithGlyph(int32_t floorNumber, int32_t top, char glyph) {
    for (int32_t f = std::min(floorNumber, kFloorCount) - 1; f >= std::max(top, 0); --f) {
        for (const Tile& tile : floorArray[f].tiles) {
            if (tile.glyph == glyph) return f;
        }
    }
    return 0;
}

bool IsLandmarkDue(int32_t distance) {
    if (distance >= 14) return true;
    if (distance < 10) return false;
    const int32_t roll = rng.Random(10);
    return roll < 2 * (distance - 9);
}

bool Floor::PlaceAltar(int32_t floorNumber, bool forced) {
    if (IsFirstLandmarkDue(floorNumber)) forced = true;
    const int32_t top = ShortcutStart() ? kShortcutTopFloor : 0;
    const int32_t lastAltarFloor = LastFloorWithGlyph(floorNumber, top, kAltarGlyph);
    const bool sure = IsLandmarkDue(floorNumber - lastAltarFloor) || forced;
    const int32_t roll = rng.Random(6);
    if (roll != 0 && !sure) return false;

    XY spot;
    const auto noSage = [floorNumber](int32_t x, int32_t y) { return !IsSageAt(x, y, 0, 0, floorNumber); };
    if (!SearchOpenSpot(*this, 0, noSage, spot)) return false;
    Tile& tile = At(spot.x, spot.y);
    tile.glyph = kAltarGlyph;
    tile.colour = kAltarColour;
    ++altarCount;
    return true;
}

bool Floor::PlaceSage(int32_t floorNumber, bool forced) {
    if (IsFirstLandmarkDue(floorNumber)) forced = true;
    int32_t lastSageFloor = ShortcutStart() ? kShortcutTopFloor : 0;
    if (floorNumber >= (ShortcutStart() ? 14 : 7)) {
        for (const cSage& sage : sages) lastSageFloor = std::max(lastSageFloor, sage.floor);
    }
    const bool sure = IsLandmarkDue(floorNumber - lastSageFloor) || forced;
    const int32_t roll = rng.Random(6);
    if (roll != 0 && !sure) return false;

    XY spot;
    const auto noMonster = [floorNumber](int32_t x, int32_t y) { return !IsMonsterAt(x, y, floorNumber); };
    if (!SearchOpenSpot(*this, 1, noMonster, spot)) return false;
    cSage sage;
    sage.x = spot.x;
    sage.y = spot.y;
    sage.floor = floorNumber;
    sage.priceLevel = ((floorNumber + 1) / 7 + 1) * 100;
    sage.seen = 0;
    sages.push_back(sage);
    At(spot.x, spot.y).monsterPresent = 1;
    return true;
}

void Floor::PlaceDeepSmith(int32_t floorNumber) {
    const int32_t top = ShortcutStart() ? kShortcutTopFloor : 0;
    const int32_t lastSmithFloor = LastFloorWithGlyph(floorNumber, top, kDeepSmithGlyph);
    const bool sure = IsLandmarkDue(floorNumber - lastSmithFloor);
    // Each failed spot search earns one more, ever slimmer, chance.
    for (int32_t k = 1;; ++k) {
        const int32_t roll = rng.Random(6 * k);
        if (roll != 0 && !(k == 1 && sure)) return;
        XY spot;
        if (SearchOpenSpot(*this, 2, [](int32_t, int32_t) { return true; }, spot)) {
            Tile& tile = At(spot.x, spot.y);
            tile.glyph = kDeepSmithGlyph;
            tile.colour = kDeepSmithColour;
            return;
        }
    }
}
