#pragma once
// The terrain vocabulary: every glyph a tile can hold, the colours that carry
// meaning on the map, the trap kinds and the feature states.
#include <cstdint>

#include "toolkit/colour.h"

// ---- terrain glyphs ----
constexpr char kWallGlyph = '#';
constexpr char kFloorGlyph = '.';
constexpr char kIceBlockGlyph = '\'';
constexpr char kUpStairsGlyph = '<';
constexpr char kDownStairsGlyph = '>';
// A trap the player knows of; a hidden trap lies under kFloorGlyph.
constexpr char kFoundTrapGlyph = '^';
constexpr char kSlushGlyph = ',';

// ---- feature glyphs ----
constexpr char kAltarGlyph = '_';
constexpr char kDeepSmithGlyph = '@';
constexpr char kPoolGlyph = '0';
constexpr char kSnowmanGlyph = ':';
constexpr char kCampfireGlyph = '~';
// Mirrors and blood stands share their glyph; the colour tells them apart.
constexpr char kMirrorGlyph = '+';
constexpr char kBloodStandGlyph = '+';
constexpr char kWritingGlyph = '?';
constexpr char kVeilSpiritGlyph = '-';
constexpr char kBagGlyph = '|';
constexpr char kMaskGlyph = ';';
constexpr char kLightBallGlyph = '`';

// ---- what the map shows of a tile besides its terrain ----
constexpr char kGoldGlyph = '$';
// A tile nothing has been seen on; also what erases a cell of the map.
constexpr char kBlankGlyph = ' ';

// ---- predicates ----
constexpr bool BlocksSight(char glyph) { return glyph == kWallGlyph || glyph == kIceBlockGlyph; }
// Walls and deep smiths stop a step; an ice block is kicked instead of entered.
constexpr bool BlocksStep(char glyph) { return glyph == kWallGlyph || glyph == kDeepSmithGlyph; }
constexpr bool IsWalkable(char glyph) { return !BlocksStep(glyph) && glyph != kIceBlockGlyph; }
constexpr bool IsStairs(char glyph) { return glyph == kUpStairsGlyph || glyph == kDownStairsGlyph; }

// ---- colours with a meaning ----
// A floor's colour scheme is the colour of its walls; the corner tile (0, 0) is always a wall.
constexpr ColourCode kIcyWalls = kCyan;
constexpr ColourCode kStoneWalls = kGrey;
constexpr ColourCode kSnowyWalls = kWhite;
// Floor, ice blocks and stairs: light cyan on icy floors, white on the others.
constexpr ColourCode kIcyGround = kLightCyan;
constexpr ColourCode kSnowyGround = kWhite;
// Blood comes in two shades; a blood stand is fresh while it shows the bright one.
constexpr ColourCode kFreshBlood = kLightRed;
constexpr ColourCode kDriedBlood = kRed;
constexpr ColourCode kMirrorColour = kLightBlue;
constexpr ColourCode kAltarColour = kGrey;
constexpr ColourCode kDeepSmithColour = kRed;
constexpr ColourCode kCampfireColour = kYellow;
constexpr ColourCode kDeadCampfireColour = kBrown;
constexpr ColourCode kGoldColour = kYellow;
// Remembered terrain out of view.
constexpr ColourCode kRememberedColour = kDarkGrey;

// ---- trap kinds ----
enum TrapKind : int32_t {
    kNoTrap = 0,
    kTrapStoneBlock = 1,
    kTrapAlarmBell = 2,
    kTrapEnergyDrain = 3,
    kTrapElectricShock = 4,
    kTrapSleepingGas = 5,
    kTrapTeleport = 6,
    kTrapPoisonedSpear = 7,
    kTrapColdWater = 8,
    kTrapLava = 9,
    kTrapFallingIce = 10,
    kTrapFallThrough = 11,
    kTrapCrushingStones = 12,
    kTrapBagExplosion = 13,
    kTrapSpikePit = 14,
    kTrapIceDart = 15,
    kTrapCurseRay = 16,
    kTrapBlowpipe = 17,
    kTrapPurseRay = 18,
};
constexpr int32_t kTrapKindCount = 18;
// The colour of a found trap ('^'), by kind.
constexpr ColourCode kTrapColour[kTrapKindCount + 1] = {
    kBlack,     kBrown,      kRed,      kLightMagenta, kGrey,       kYellow, kMagenta,
    kLightGreen, kBlue,      kLightRed, kDarkGrey,     kWhite,      kGreen,  kLightBlue,
    kLightCyan, kLightCyan, kCyan,     kYellow,       kBrown,
};

// ---- feature states ----
// A mirror, writing, veil spirit, bag or snowman not yet used, and any feature once spent.
constexpr int32_t kFeatureUnused = 1;
constexpr int32_t kFeatureSpent = 0;
// A floor tile with an item buried in its snow.
constexpr int32_t kBuriedItemState = -100;
