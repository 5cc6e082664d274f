#pragma once
// One monster, and the single list that holds the monsters of every floor.
#include <cstdint>
#include <string>

#include "toolkit/colour.h"
#include "toolkit/xy.h"
#include "world/monster_kind.h"
#include "world/unique_demon_names.h"
#include "world/variant_words.h"

class FieldReader;
class FieldWriter;

class Monster {
public:
    int32_t x = 0;
    int32_t y = 0;
    ColourCode colour = kBlack;
    char glyph = 0;
    char name[70] = {};
    int32_t alive = 1;
    int32_t level = 0;
    int32_t previousX = 0;
    int32_t previousY = 0;
    int32_t floor = 0;
    int64_t experience = 0;
    int32_t hp = 0;
    int32_t maxHp = 0;
    int32_t damageBound1 = 0;
    int32_t damageBound2 = 0;
    int32_t dodge = 0;
    int32_t meleeArmour = 0;
    int32_t rangedArmour = 0;
    int32_t armourFloor = 0;
    int32_t speed = 0;
    int32_t actThreshold = 0;
    int32_t energy = 0;
    int32_t regenerationCount = 0;
    int32_t regenerationPeriod = 0;
    int32_t regenerationAmount = 0;
    int32_t toHitThreshold = 0;
    int32_t ability = 0;
    int32_t ranged = 0;
    int32_t living = 0;
    int32_t lastMove = 0;
    uint8_t awake = 0;
    uint8_t hunting = 0;
    int32_t stunTurns = 0;
    int32_t tauntTurns = 0;
    int32_t bleedDamage = 0;
    int32_t bleedTurns = 0;
    uint8_t trickVariant = 0;
    Monster* next = nullptr;
    // The occupancy index's bookkeeping (monster_occupancy.cpp), never saved:
    // whether the record is in the list, the square it is filed under (-1 when
    // none: off the dungeon's floors), and the next record filed there.
    bool listed = false;
    int32_t filedSquare = -1;
    Monster* nextOnSquare = nullptr;

    // One pass of game time: status counters, then turns while energy allows.
    // A monster below 1 hit point only waits for the death pass: it neither acts nor heals.
    void TickMonster();
    void RegenerateMonster();
    // One action: wake, hunt, make room, swap, attack, pursue or wander.
    // 1 when it attacked, made room, swapped or stepped toward the player.
    int32_t TakeMonsterTurn();
    // Cold and warm monsters and bleeding ones leave their mark on the floor beneath.
    void MarkMonsterTrail();
    // True when the monster stands on the player's floor on a tile in view now.
    bool IsInPlayersView() const;

    // A test seam: one step in a direction (2 north, 3 south, 4 west, 5 east, 6 to 9
    // north-west, north-east, south-west, south-east) under the rules every move
    // obeys; 1 when made, 0 when refused (nothing changes). The game steps only
    // through MoveMonsterToward and WanderMonster.
    int32_t StepMonster(int32_t direction);
    // A step toward (targetX, targetY) by the preference order; 1 when one was made.
    int32_t MoveMonsterToward(int32_t targetX, int32_t targetY);
    void WanderMonster();
    // Beside the player, a wounded or ranged monster lets a fresh fighter take its place.
    int32_t SwapPlacesWithAlly();
    // A monster plugging a corridor beside the player steps aside for an ally behind it.
    int32_t MakeRoomForAlly();

    // Follows the player through the stairs (direction +1 down, -1 up) when beside it and healthy.
    void FollowThroughStairs(int32_t direction);
    // The unique demons' tricks; nothing for any other monster.
    void PerformDemonTrick();
    // The full-screen sheet about the monster; healthWord, when not empty, replaces the computed one.
    void ShowMonsterExamination(std::string healthWord);

    // Attacks on the player: 1 when a blow or shot landed and ran its aftermath; 0
    // when the action went into summoning, or missed, or was dodged.
    int32_t MonsterMeleeAttack();
    int32_t MonsterRangedAttack();
    // False while hit points are above 0; otherwise a reincarnation, or the death:
    // the record is marked dead (alive 0) and PurgeDeadMonsters frees it at the next
    // safe point. After a true result the caller must not act with the record again.
    bool KillMonster();
    // One line on how badly the monster is hurt, after the player's blow, shot or throw.
    void ReportMonsterHealth();
    // Blood around the monster: onHit for a wound it survived, false at its death.
    void SpillMonsterBlood(bool onHit);
    void MatchMonsterToFloorColour();
    // The record in a save file, every field but the link; a damaged one fails the reader.
    void WriteMonsterRecord(FieldWriter& writer) const;
    void ReadMonsterRecord(FieldReader& reader);

    // The rolls of both attacks: the to-hit roll gives a ToHitResult
    // (player/to_hit_result.h), the damage roll one strike's damage before armour.
    int32_t RollMonsterToHit();
    int32_t RollMonsterDamage();
    // What the monster's ability adds to a hit that did damageTaken after armour.
    void ApplyMonsterSpecialHit(int32_t damageTaken);
};

// Head of the one monster list; null when there are no monsters.
extern Monster* monsterListHead;
// How far monsters see; follows the player's sight radius (3, 7 or 10).
extern int32_t monsterVisionRange;

// List services. They work on the whole list, so they are free functions.
// Appends a record, or a run of records already linked behind it, at the tail of the list.
// Records leave the list only through PurgeDeadMonsters and FreeAllMonsters.
void AppendMonsters(Monster* first);
void DrawMonsters();
void PurgeDeadMonsters();
void FreeAllMonsters();
// Any record on the square, also one marked dead and waiting for the purge.
bool IsMonsterAt(int32_t x, int32_t y, int32_t floor);
// Puts the monster on (x, y) of the floor. The one way to change a listed
// record's square: an occupancy index of every floor answers IsMonsterAt and
// FindMonsterAt, and it follows the record only through here. A record not yet
// listed may be placed too; it is filed when appended.
void PlaceMonster(Monster& monster, int32_t x, int32_t y, int32_t floor);
inline void PlaceMonster(Monster& monster, int32_t x, int32_t y) { PlaceMonster(monster, x, y, monster.floor); }
// For the game's invariant check: where the occupancy index and the list
// disagree, in words; empty when they agree.
std::string MonsterIndexDisagreement();
// The monster section of a save file: the count, then every record in list order.
// Loading appends the records at the tail of the list.
void SaveMonsters(FieldWriter& writer);
void LoadMonsters(FieldReader& reader);
// The first record on the square that is not marked dead; null when none.
Monster* FindMonsterAt(int32_t x, int32_t y, int32_t floor);
// True when the player stands in the 3 by 3 block around (x, y), the centre included.
bool IsAdjacentToPlayer(int32_t x, int32_t y);
// Before the player takes the stairs (direction +1 down, -1 up): monsters beside the player may follow.
void LetFollowersTakeStairs(int32_t direction);
// The first '>' (down) or '<' of the floor, scanning column by column; (-1, -1) when there is none.
XY FindStaircase(int32_t floor, bool down);
// A monster standing on the player's arrival square (x, y) of the floor is removed from play.
void ClearArrivalStairs(int32_t x, int32_t y, int32_t floor);

// What a new monster is made of: a kind's record, possibly turned into a variant.
struct MonsterTemplate {
    int32_t kind = -1;  // the kind drawn; -1 when no kind can qualify
    // The kind's record with the wanted level and, for a variant, its changes and colour.
    MonsterKind stats;
    // The kind's name, with a variant's word in front: wider than a kind's own name.
    char name[70] = {};
};

// Creates one monster of a fitting kind on (x, y) of the floor; 1 when made, 0 when not.
// variant: kVariantNever, kVariantRarely, kVariantAlways or kVariantSuperior.
// level: kComputedLevel to work it out, else the wanted level.
constexpr int32_t kComputedLevel = -1;
int32_t SpawnMonster(int32_t x, int32_t y, int32_t floor, bool byDepth, int32_t variant, int32_t level);
// SpawnMonster for the starting monsters of the floor the character starts on: a
// pack companion, like every starting monster there, keeps two tiles away from the
// up stairs; one whose square would break that is not placed (nothing is drawn for it).
int32_t SpawnMonsterClearOfUpStairs(int32_t x, int32_t y, int32_t floor, bool byDepth, int32_t variant, int32_t level);
// Draws a kind near the level that suits a floor of the wanted colour; variant as for SpawnMonster.
MonsterTemplate ChooseMonsterKind(int32_t level, int32_t variant, ColourCode wantedColour);
// Creates a unique demon on (x, y) of the floor: copy kind kFloorsOwnDemon makes the floor's
// own demon, 1 to 4 a copy of the final demon.
void CreateUniqueDemon(int32_t x, int32_t y, int32_t floor, int32_t copyKind);
bool IsUniqueDemon(const char* name);
