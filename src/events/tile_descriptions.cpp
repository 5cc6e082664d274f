// The sentences that greet the character on stairs and on dungeon features,
// with the key that uses a feature while it can still be used.
#include "events/tile_descriptions.h"

#include <cstdint>
#include <string>

#include "events/event_area.h"
#include "events/world_events.h"
#include "floors/tile_draws.h"
#include "player/commands.h"
#include "toolkit/message_log.h"

namespace {

// A pool's state tells how deep it is; 0 once it has frozen over.
constexpr int32_t kPoolSevenFeet = 4;
constexpr int32_t kPoolTenFeet = 6;
constexpr int32_t kPoolThirteenFeet = 8;

// The word the walls of another floor lend to its stairs; a random wall of that
// floor decides. A floor without such walls lends none.
std::string StairsAdjective(int32_t floorNumber) {
    if (!IsFloorNumber(floorNumber)) return "";
    const Floor& floor = floorArray[floorNumber];
    const auto fits = [&floor](int32_t x, int32_t y) {
        const Tile& tile = floor.At(x, y);
        return tile.glyph == kWallGlyph &&
               (tile.colour == kIcyWalls || tile.colour == kSnowyWalls || tile.colour == kStoneWalls);
    };
    XY wall;
    if (!DrawTileUntil(0, fits, wall)) return "";
    const ColourCode colour = floor.At(wall.x, wall.y).colour;
    if (colour == kIcyWalls) return "icy ";
    if (colour == kSnowyWalls) return "snowy ";
    return "";
}

void DescribeCampfire(const Tile& tile) {
    PrintWords("There is an abandoned camp here. ");
    PrintWords(tile.featureState < 1 ? "The campfire is dead. "
                                     : "The flames of the campfire warm you @Ywhile you stand here@C. ");
}

// A feature's sentence: its introduction, then what it offers while usable (with
// the use key) or what is left of it once spent; empty parts are left out.
void DescribeUsableFeature(bool usable, const char* intro, const char* offer, const char* spent) {
    PrintWords(intro);
    if (usable) {
        PrintWords(offer);
        PrintUseHint();
    } else {
        PrintWords(spent);
    }
}

}  // namespace

void DescribeStairs() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    const char glyph = floor->GlyphAt(player.x, player.y);
    if (glyph != kUpStairsGlyph && glyph != kDownStairsGlyph) return;
    const bool up = glyph == kUpStairsGlyph;
    const int32_t neighbour = player.currentFloor + (up ? -1 : 1);
    PrintWords("You see ");
    const std::string adjective = StairsAdjective(neighbour);
    if (!adjective.empty()) messageLog.PrintMessage(adjective);
    PrintWords(up ? "stairs leading upwards here. " : "stairs leading downwards here. ");
}

void DescribeFeatureHere() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    const Tile& tile = floor->At(player.x, player.y);
    switch (tile.glyph) {
        case kCampfireGlyph: DescribeCampfire(tile); break;
        case kAltarGlyph:
            PrintWords("There is an ancient altar of the Goddess here. You could sacrifice something on it. ");
            PrintUseHint();
            break;
        case kSnowmanGlyph:
            DescribeUsableFeature(tile.featureState == kFeatureUnused, "",
                                  "There is a twisted snowman here. You could destroy it. ",
                                  "There is a heap of snow here. ");
            break;
        case kMirrorGlyph:
            if (tile.colour != kMirrorColour) break;  // a blood stand, which speaks for itself
            DescribeUsableFeature(tile.featureState == kFeatureUnused, "There is an ice mirror here. ",
                                  "You could check your looks here. ", "You can't see anything in it. ");
            break;
        case kPoolGlyph: DescribeIcePool(); break;
        case kVeilSpiritGlyph:
            DescribeUsableFeature(tile.featureState == kFeatureUnused,
                                  "There is a spirit veil made of heavy fabric here. ", "You could peek behind the veil. ",
                                  "");
            break;
        case kWritingGlyph:
            DescribeUsableFeature(tile.featureState == kFeatureUnused,
                                  "There is an ancient scroll nailed on a pedestal here. ",
                                  "You understand the writing, so you could read it. ", "It's blank. ");
            break;
        case kBagGlyph:
            DescribeUsableFeature(tile.featureState != 0, "There is a frozen body of a long dead adventurer here. ",
                                  "The body is hugging a bag which you could loot. ", "");
            break;
        default: break;
    }
}

void DescribeIcePool() {
    const Floor* floor = CurrentFloor();
    if (floor == nullptr) return;
    const Tile& tile = floor->At(player.x, player.y);
    if (tile.glyph != kPoolGlyph) return;
    if (tile.featureState == 0) {
        PrintWords("You notice that the previously liquid water in the pool is now ice. ");
        return;
    }
    PrintWords(
        "There is a hole in the ice here, leading into a pool of icy water. You catch a glimpse of an item on the "
        "bottom of the ");
    if (tile.featureState == kPoolSevenFeet) messageLog.PrintMessage("seven ");
    if (tile.featureState == kPoolTenFeet) messageLog.PrintMessage("ten ");
    if (tile.featureState == kPoolThirteenFeet) messageLog.PrintMessage("thirteen ");
    PrintWords("foot deep pool. Ice swimming here would be a very chilling experience. ");
    PrintUseHint();
}
