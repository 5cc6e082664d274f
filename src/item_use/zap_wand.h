#pragma once
// Zapping a wand: the pieces every wand effect shares, and the effects themselves.
// Player::ZapWand spends the charge and hands the effect id to RunWandEffect; each
// effect gets the zapped wand's kind, which it identifies once the effect shows.
#include <cstdint>

#include "item_use/aiming.h"
#include "item_use/item_use_redraws.h"
#include "toolkit/colour.h"
#include "world/direction.h"
#include "world/terrain.h"

class Floor;
class Monster;

// The wand effect ids: a wand kind's power.
enum WandEffect : int32_t {
    kWandLightningBolt = 1,
    kWandFrostBolt = 2,
    kWandFireBolt = 3,
    kWandSeaOfFire = 4,
    kWandBlizzard = 5,
    kWandWildMagic = 6,
    kWandAcidRain = 7,
    kWandSummonWildMonster = 8,
    kWandSummonMonster = 9,
    kWandTeleport = 10,
    kWandDetection = 11,
    kWandDigging = 12,
    kWandColdRain = 13,
    kWandCreation = 14,
    kWandWarmthDrain = 15,
    kWandHealthToEnergy = 16,
    kWandSqueeze = 17,
    kWandLifeDrain = 18,
    kWandCampfire = 19,
    kWandBloodRain = 20,
    kWandFourRays = 21,
    kWandIdentify = 22,
    kWandPersuasion = 23,
    kWandDetectCurses = 24,
    kWandSlowBolt = 25,
    kWandDemonicFlames = 26,
};
constexpr int32_t kWandEffectCount = 26;

// The killer code of every death a wand causes.
constexpr int32_t kWandKiller = 35;

// The glyph of a bolt flying along (dx, dy): '-' across, '|' up and down, '\' and '/' aslant.
char BoltGlyph(int32_t dx, int32_t dy);

// Walls and ice blocks stop bolts, or turn the ones that bounce.
constexpr bool StopsBolts(char glyph) { return glyph == kWallGlyph || glyph == kIceBlockGlyph; }

// Runs the effect of that id for the wand kind; ids outside 1..26 do nothing.
void RunWandEffect(int32_t effect, int32_t kind);
// Marks the wand kind as known from now on.
void IdentifyWand(int32_t kind);
// Bare floor on the player's floor with no monster and no sage on it.
bool IsFreeSquare(int32_t x, int32_t y);
// The player's floor.
Floor& PlayersFloor();
// The level times the factor, truncated toward zero.
int32_t LevelTimes(double factor);
// "The bolt hits ", the monster named as a demon or with "the ", and ". ".
void AnnounceBoltHit(const Monster& monster);
// The monster named after a lead-in: "the " unless it is a demon, then the name and ". ".
void PrintMonsterPhrase(const Monster& monster);
// Takes the damage off the monster and lets it die if that was enough.
void WoundMonster(Monster& monster, int32_t damage);
// What a bolt or a ring of the wand is made of: cold-natured monsters shrug off
// the cold and shriek in the heat, a warm-natured one the other way round.
enum class ZapElement { kPlain, kCold, kHeat };
// The hit of a bolt or ring of that element on the monster: no harm, 6 x level
// with a shriek, or the usual 2.5 (demons) or 3.5 x level; then its death check.
void ElementalHit(Monster& monster, ZapElement element);
// Takes the damage off the character; at 0 or below the death check with the cause.
void WoundZapper(int32_t damage, const char* cause);
// Waits for the space bar and nothing else.
void WaitForSpaceOnly();

// ---- drawing (zap_screen.cpp) ----
// What a flash draws, and how long a flash or a bolt's step lasts.
constexpr char kFlashGlyph = '*';
constexpr uint32_t kZapStepMilliseconds = 50;
// '*' on (x, y) in the colour, shown at once, then a wait of 50 ms.
void FlashTile(int32_t x, int32_t y, ColourCode colour);
// The character on (x, y) in the colour, shown at once, without a wait.
void ShowMark(char glyph, int32_t x, int32_t y, ColourCode colour);

// ---- bolts and rays (wand_bolts.cpp, wand_bounces.cpp) ----
// What a wall or an ice block does to a bolt that TraceBolt walks.
enum class AtWall { kEnds, kTurnsBack };
// The walk of a bolt or ray from the square next to the zapper, the steps given:
// each square in view is drawn and the bolt acts there (monsters in view or not).
void TraceBolt(Direction direction, ColourCode colour, int32_t steps, AtWall atWall, void (*actAt)(int32_t x, int32_t y));
void ZapLightningBolt(char direction);
void ZapFrostBolt(char direction);
void ZapFireBolt(char direction);
void ZapSlowBolt(char direction);
void ZapFourRays(int32_t kind);
// Draws the effect that a wand of wild magic casts in its own place: any but itself.
int32_t DrawWildEffect();

// ---- the ground around the zapper (wand_rings.cpp, wand_blood.cpp) ----
void ZapRingWand(int32_t effect, int32_t kind);
void ZapBloodRain(int32_t kind);
void ZapDemonicFlames(int32_t kind);

// ---- the tile next to the zapper (wand_adjacent.cpp) ----
void ZapAdjacentWand(int32_t effect, int32_t kind, char direction);

// ---- summoning, moving and sensing (wand_summons.cpp, wand_teleport.cpp, wand_detection.cpp, wand_digging.cpp) ----
void ZapSummon(int32_t effect, int32_t kind);
void ZapTeleport(int32_t kind, char direction);
void ZapDetection(int32_t kind);
// The detection's three pictures of the floor on a cleared screen.
void DrawSensedTraps();
void DrawSensedMonsters();
void DrawSensedItems();
void ZapDigging(char direction);

// ---- making and knowing (wand_creation.cpp, wand_knowledge.cpp, wand_persuasion.cpp) ----
void ZapCreation(int32_t kind);
// The creation menu on the three message rows.
void DrawCreationMenu();
// What the creation menu asks for: an ItemType, the key's own or drawn for M.
int32_t CreationCategoryOf(int key);
void ZapIdentify(int32_t kind);
// The kind of the inventory entry made known and told, with what it does; an
// accessory's blessing shows as well. Nothing for -1.
void RevealChosenKind(int32_t index);
void ZapDetectCurses(int32_t kind);
void ZapPersuasion(int32_t kind, char direction);
// A sage's price level after one persuasion on the floor.
int32_t PersuadedPrice(int32_t priceLevel, int32_t floor);
