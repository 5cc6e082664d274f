#pragma once
// The one player character and everything that belongs to it.
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/colour.h"
#include "world/item_data.h"
#include "world/item_types.h"

class FieldReader;
class FieldWriter;
class Monster;

enum Race : int32_t { kRaceHuman = 1, kRaceElven = 2, kRaceDwarven = 3 };
enum Training : int32_t { kTrainingWarrior = 1, kTrainingArcher = 2, kTrainingRanger = 3 };
enum FightingStyle : int32_t {
    kStyleNormal = 1,
    kStyleAggressive = 2,
    kStyleDefensive = 3,
    kStyleAccurate = 4,
    kStyleFast = 5,
};
// What TrainWeaponProficiency trains.
enum WeaponProficiency : int32_t {
    kProficiencyOneHanded = 1,
    kProficiencyTwoHanded = 2,
    kProficiencyShield = 3,
    kProficiencyThrown = 4,
    kProficiencyRanged = 5,
    kProficiencyTwoWeapon = 6,
};
// The killer code of a death that the dungeon itself causes (ailments, cold, heat).
constexpr int32_t kDungeonKiller = 35;
// The killer code of a prediction not made.
constexpr int32_t kNoPredictedKiller = '-';

enum BerserkBoon : int32_t {
    kBoonNone = 0,
    kBoonMaskWaiting = 1,  // an absorbed mask waits for a monster in sight
    kBoonStronger = 2,
    kBoonPiercing = 3,
    kBoonFaster = 4,
    kBoonDeadlier = 5,
    kBoonAccurate = 6,
    kBoonSpRegeneration = 7,
    kBoonAbilities = 8,
    kBoonSwifter = 9,
};

// Index into Player::traits; the letter is the one shown on the trait menu.
enum TraitIndex : int32_t {
    kTraitExtraHp = 0,              // a
    kTraitExtraSp = 1,              // b
    kTraitExtraDodge = 2,           // c
    kTraitExtraSpeed = 3,           // d
    kTraitSpRegeneration = 4,       // f
    kTraitHpRegeneration = 5,       // e
    kTraitExtraSkillPoint = 6,      // m
    kTraitCarryingCapacity = 7,     // l
    kTraitMeleeCritical = 8,        // g
    kTraitRangedCritical = 9,       // h
    kTraitMeleeToHit = 10,          // i
    kTraitRangedToHit = 11,         // j
    kTraitThrownDamage = 12,        // k
    kTraitCount = 13,
};

// A regeneration timer: passes counted, passes between gains, points per gain.
struct RegenTimer {
    int32_t count = 0;
    int32_t period = 33;
    int32_t amount = 1;
};

// The run key value that means no run or quick move is under way.
constexpr uint8_t kNoRunKey = 189;
// What NextRunStep gives when the run ended before its step.
constexpr int32_t kRunEnded = -1;

constexpr char kPlayerGlyph = '@';

class Player {
public:
    Player();

    // Operations, grouped by the subsystem that owns them. Add a declaration
    // under its owner's heading only; the definition lives in that folder.

    // ---- player/: record, derived statistics, commands, conditions, progression ----
    void RecomputePlayerStats();
    bool AccumulateEnergy();
    void CountPlayerTurn();
    bool PlaceOnUpStairs();
    // Carries out currentCommand; 1 when it used the action, 0 when not.
    int32_t ExecuteCommand();
    // The command index of a confused step: a random direction, or 0 to stay.
    int32_t Stagger();
    void RegeneratePlayer();
    void WarnLowHp();
    void UpdateWarmthColour();
    bool IsHostileMonsterInSight();
    // May end a quick move (runKey := kNoRunKey) at openings, junctions and doors.
    void CheckQuickMoveStop();
    // One step; 1 when the action was used (moved, or kicked an ice block), 0 when blocked.
    int32_t StepNorth();
    int32_t StepSouth();
    int32_t StepWest();
    int32_t StepEast();
    int32_t StepNorthWest();
    int32_t StepNorthEast();
    int32_t StepSouthWest();
    int32_t StepSouthEast();
    // False, after saying so, when a berserk character would step away from every monster in view.
    bool IsBerserkMoveAllowed(int32_t dx, int32_t dy);
    // Where a run turns at a corridor bend: the command index 2 to 5, or 0 when the run stops.
    int32_t FollowCorridor();
    // The stairs; 1 when the action was used, 0 when nothing happened.
    int32_t DescendStairs();
    int32_t AscendStairs();
    // Starts a quick move or a quick rest; 1 when its first step or rest was made.
    int32_t QuickMove();
    // The command of a running quick move's or quick rest's next step, after the
    // checks that may end the run first (hostiles in sight, openings, the space
    // bar, five polls without moving): kRunEnded when it ended there, so a key
    // is to be read; kCommandNone when the run key is no command's key.
    int32_t NextRunStep();
    // One melee attack turn against the monster; 0 when there is none, else 1.
    int32_t MeleeAttack(Monster* monster, bool flash);
    // The quick move's attack in a direction (a CommandIndex 2..9): 0 when no monster
    // stands there, -1 when horror forbids the attack, 1 when an attack was made.
    int32_t AttackUnlessHorrified(int32_t command);

    // Death check after any damage; the cause uses HE, HIS, HIM and HIMSELF.
    void CheckPlayerDeath(const std::string& cause, int32_t killerCode);

    // Ailments: one tick each per world update, in this order, then TickBerserk last.
    void TickPoison();
    void TickBleeding();
    void TickFever();
    void TickSickness();
    void TickDizziness();
    void TickSleep();
    void TickParalysis();
    void TickClumsiness();
    void TickFrostbite();
    void TickSlowness();
    void TickImmobility();
    void TickHorror();
    void TickBerserk();
    // Sight radius and monster vision for the floor at currentFloor + floorStep.
    void UpdateSightRadius(int32_t floorStep);

    // Body temperature and clothes.
    void UpdateBodyTemperature();
    std::string ComputeTemperatureTrend(int32_t& change);
    int32_t SumClothWarmth();
    bool WetClothes(int32_t amount, int32_t pieces);
    void DryClothes(int32_t heat);

    // Fighting styles.
    void ChooseFightingStyle();
    void ExplodeTrappedArmour(int32_t itemIndex);

    // Progression: one level per call once experience reaches levelThreshold. quiet: no
    // message, no pauses and no map redraw; restart: the page again after the skill list.
    void LevelUp(bool quiet, bool restart);
    // The training-room screen: one trait raised, then HP and SP refilled.
    void ImproveTrait();
    // The three character pages, then the map again (unless dead or on the surface).
    void ShowCharacterInfo();
    void ShowTraitsAndEffectsPage();
    void ShowFloorMemoryPage();
    // "low-high", or "low-high/low-high" with two weapons; the high end of the first
    // range goes to highEnd (may be null). The text stays valid until the next call.
    const char* FormatMeleeDamageRange(int32_t* highEnd);
    // The thrown weapon's "low-high", or "-" (high end 0) when none is equipped.
    const char* FormatRangedDamageRange(int32_t* highEnd);
    // The armour of the worn pieces; ranged is true against missiles.
    int32_t ComputeArmourValue(bool ranged);
    // What the character can carry: strength with the carrying ring, anti-weight gear and
    // the carrying trait, a fifth less with fever.
    int32_t ComputeCarryingCapacity();
    // The carried weight as a whole percentage of what the character can carry.
    int32_t ComputeBurdenPercent();
    // Melee: with bonusOnly the to-hit bonus, drawing nothing; else a ToHitResult
    // (player/to_hit_result.h). Throwing passes thrown true.
    int32_t RollToHit(bool thrown, int32_t dodge, bool bonusOnly);
    // One damage roll: mode 0 melee (secondWeapon for the second hand's strike),
    // mode 1 shooting, or throwing with thrown true. Uses up pendingDamageBonus.
    int32_t RollMeleeDamage(int32_t mode, bool thrown, bool secondWeapon);
    // After a hit: the proficiency of the kind (a WeaponProficiency) may rise.
    void TrainWeaponProficiency(int32_t kind);

    // ---- shell/: the help screen ----
    void ShowHelpScreen();

    // ---- items/: inventory, equipment, burden ----
    // Adds the weaponry kit's items (1 to 6) to the inventory and equips them.
    void GiveStartingKit(int32_t kit);
    bool WearsArmourProperty(int32_t effectId);
    // True, after "You are overburdened!" and a wait for space, when the load is too heavy to move.
    bool IsOverburdened();
    // Each non-zero when something was taken, used or changed.
    int32_t PickUpScreen();
    int32_t InventoryScreen();
    int32_t EquipmentScreen(bool first, int8_t notice);
    // One row of the pick-up list: item `index` of the player's tile on screen row `row`.
    void DrawPickupRow(bool highlight, int32_t row, int32_t index, bool marked);
    // One page (from 0) of the inventory list on rows 4 to 23, nothing highlighted; with
    // marksOnly only the equipped marks of column 0 are drawn again. The inventory must not be empty.
    void DrawInventoryPage(int32_t page, bool marksOnly = false);
    // One row of an item list: inventory entry `index` on screen row `row`, green when highlighted.
    void DrawItemRow(bool highlight, int32_t row, int32_t index);
    // Puts one item of the entry (or all of it) on the character's tile. True when the
    // entry went and was the last of two or more; hint allows the altar and veil-spirit hint.
    bool DropItem(int32_t index, bool all, bool hint);
    // Prints the sentence of what the item does (after "It "); the caller prints its lead-in.
    void DescribeItem(int32_t index);
    // Keeps the equipment slots on their items when entry `index` is about to go.
    void FixSlotsAfterErase(int32_t index);
    void SortInventory();
    void SwapToReadiedWeapons();
    void ToggleAmmoAutoPickup();
    // Adds arrows to the arrow stack, or starts one.
    void AddArrows(int32_t count);
    // The quantity of the first inventory entry of the arrow kind; 0 when there is none.
    int32_t ArrowCount();
    // After a hit of the main (false) or second (true) weapon: a possessed one may summon a monster.
    void PossessedWeaponSummon(bool secondHand);
    // Puts the item at the inventory index into the slot of its type and subtype, or
    // takes it out when it is there: -2 when refused (a curse or the hand rules); else 0,
    // or the item's blessing when this first equip identified it.
    int32_t ToggleEquipSlot(int32_t index);
    // The same for the second slot of its sort: the second weapon, or the left ring.
    int32_t ToggleSecondSlot(int32_t index);
    // Readies the item in the hand swap slots (second: for the second hand); 0 done, -2 refused.
    int32_t AssignHandSwap(int32_t index, bool second);
    // Mode kLiftCurses makes every worn item uncursed and gives false; any other mode
    // tells whether a worn item is cursed.
    bool CursedWornItems(uint8_t mode);
    // True, after showing why and a wait for space, when the slot of the key may not change.
    bool CanChangeSlot(char key);
    // The list of items for one slot; 1 or -1 when the chosen item was put on for
    // the first time and turned out blessed or cursed, else 0.
    int8_t ChooseItemToEquip(int32_t selector, bool alternate, bool thrown, bool second);
    // The 19 slots (false) or the 16 slots of the cursed-item picker (true), without keys.
    void DrawEquipmentScreen(bool cursedItemLayout);
    // The inventory index of the cursed worn item the player picks, or -1.
    int32_t PickCursedEquippedItem();
    // Worn gear wears when it is hit or strikes; broken pieces leave the inventory.
    void WearArmour();
    void WearClothes();
    void WearWeapons(bool second);
    // The list screens that pick one item for an effect started elsewhere: the
    // inventory index chosen (1 after a blessing or a potion's repair), or -1.
    int32_t BlessEquipmentScreen();
    int32_t RepairEquipmentScreen(bool potion);
    int32_t DetectCurseScreen();
    int32_t SelectGearScreen();

    // ---- item_use/: potions, food, wands, shooting, throwing, targeting ----
    // Drinks a potion, zaps a wand or eats a food item of the inventory; callers sort and recompute after it.
    void UseItem(int32_t index);
    // Zaps the wand at the inventory index: one charge spent, or none left, and its effect.
    void ZapWand(int32_t index);
    // Non-zero when a shot was made or something was thrown.
    int32_t Shoot();
    int32_t Throw();
    // One arrow at the monster: the shot command's and the shooting skills' single shot.
    void ResolveShot(Monster* monster);
    void ChooseTarget();
    void Look();
    // The look's three rows for a square of the player's floor; gives the monster
    // standing there, or null. (-1, -1) only clears the rows.
    Monster* DescribeSquare(int32_t x, int32_t y);
    // The aiming cursor: the nearest monster in view (the player's own square when
    // none), the name line on row 20 (true when a monster in view stands there), and
    // the cursor itself, which gives the chosen monster or null. crumbleIce lets an
    // archer shoot at an ice block; ignoreSelfConfirm keeps a confirm on the
    // player's own square from ending the aiming.
    void FindNearestVisibleMonster(int32_t& x, int32_t& y);
    bool ShowTargetMonsterName(int32_t x, int32_t y);
    Monster* SelectTarget(bool crumbleIce, bool ignoreSelfConfirm);
    // A shot arrow or thrown weapon comes down on (x, y) of the player's floor, or is
    // lost; keep spares it the chance of breaking.
    void LandMissile(int32_t x, int32_t y, int32_t kind, bool keep);
    // One item of the thrown-weapon slot at the monster.
    void ResolveThrownProjectile(Monster& target);
    // Drinks the potion at the inventory index.
    void DrinkPotion(int32_t index);

    // ---- events/: features used in place ----
    // 1 when the feature under the character was used, 0 when there is none.
    int32_t UseDungeonFeature();
    // Each feature's own use; the dispatcher above picks one by the tile's glyph.
    void UseMirror();
    void UseBloodStand();
    void MeetVeilSpirit();
    void DiveIntoPool();
    void KickSnowman();
    void ReadMagicWriting();
    void OpenBag();

    // ---- skills/: learning and using skills ----
    // The learning screen; 1 when a skill was learned. Browse-only, nothing can be learned.
    int32_t LearnSkill(bool browseOnly);
    void DrawLearnSkillsPage(int32_t page);
    // Non-zero when a skill was used.
    int32_t UseSkill();
    int32_t UseQuickSkill();
    void CycleQuickSkill();
    // Carries out one SkillEffect whose cost is paid; 1 when it used the turn.
    int32_t PerformSkill(int32_t effect);
    // The use-skill screen: one page of the list (skillTable positions), and one row of it.
    void DrawUseSkillsPage(int32_t page, const std::vector<int32_t>& useList);
    void DrawSkillRow(bool highlighted, int32_t screenRow, int32_t position);
    // Gives the training its starting skill and eases its attribute boost; loaded is false for a new game.
    void ApplyTrainingSkills(bool loaded);

    // ---- folk/: sages, smiths, altars ----
    // Non-zero when the turn was used.
    int32_t TalkToNpc();
    int32_t Pray();
    // The identification list: the inventory index of the potion, wand or accessory
    // chosen, or -1. wandMode: a wand's charge pays, so known kinds may be chosen too.
    int32_t ChooseItemToIdentify(bool wandMode);
    // On arriving at a floor of another prayer tier: up is 0 going down, 1 going up.
    void ReportPietyLink(int32_t up);
    // The sage beside the character: his menu and one service; true when the turn was used.
    bool OpenSageMenu();
    void BuyHealingFromSage(int32_t sage);
    void BuyHeatingFromSage(int32_t sage);
    void BuyArrowsFromSage(int32_t sage);
    // index: the cursed worn item picked, -1 when none was.
    void BuyUncursingFromSage(int32_t index, int32_t sage);
    void OfferResurrection();
    void BuyIdentificationFromSage(int32_t index, int32_t sage);
    // The deep smith beside the character: his menu and one service.
    void OpenSmithMenu();
    void RepairItemAtSmith();
    void DestroyCursedItemAtSmith(int32_t index);
    void CraftItemAtSmith();
    void ExchangeMaterialsAtSmith();
    // The material chosen on the material list, or -1.
    int32_t ChooseMaterialItem();
    // What one unit of the entry is worth to sages and smiths, and in piety.
    int32_t ItemSaleValue(int32_t index);
    // The entry picked for selling (quick sales happen inside), or -1.
    int32_t ChooseItemToSell();
    void SellItem(int32_t index);
    // 1 to 6 by depth; a prayer needs 220 piety a tier.
    int32_t PrayerTier();
    // The altar's list: an inventory index, -2 for an offer of gold, or -1 for nothing.
    int32_t ChooseSacrifice();
    void MakeSacrifice(int32_t choice);

    // ---- records/ ----
    // The player's record in a save file with the inventory; a damaged one fails the reader.
    void WritePlayerRecord(FieldWriter& writer) const;
    void ReadPlayerRecord(FieldReader& reader);

    // ---- fields, in record order ----
    char name[15] = {};
    char pronoun[5] = {'H', 'e', 0, 0, 0};
    int32_t x = 0;
    int32_t y = 0;
    int32_t currentFloor = 0;
    int32_t deepestFloor = 0;
    int32_t gold = 0;
    int32_t equipSlots[kEquipSlotCount];
    int32_t carryingCapacity = 0;
    int32_t carriedWeight = 0;
    std::vector<ItemData> inventory;
    int32_t turns = 0;
    int32_t level = 1;
    uint8_t identifiedKinds[250] = {};
    uint8_t demonSlainFlags[6] = {};
    int32_t dodge = 0;
    uint8_t burdened = 0;
    int32_t hp = 28;
    int32_t maxHp = 28;
    int32_t sp = 10;
    int32_t maxSp = 10;
    int32_t sightRadius = 6;
    int32_t bodyTemperature = 6000;
    ColourCode glyphColour = kRed;
    int32_t piety = 0;
    int32_t pendingDamageBonus = 0;
    char glyph = kPlayerGlyph;
    int32_t strength = 12;
    int32_t vitality = 11;
    int32_t dexterity = 9;
    int32_t agility = 9;
    int32_t stamina = 9;
    int32_t speed = 10000;
    int32_t actThreshold = 10000;
    int32_t energy = 0;
    RegenTimer hpRegen;
    RegenTimer spRegen;
    int64_t experience = 0;
    int64_t levelThreshold = 42;
    int32_t toHitThreshold = 475;
    int32_t naturalArmour = 0;
    int32_t race = kRaceHuman;
    int32_t training = kTrainingWarrior;
    Monster* target = nullptr;
    uint8_t runKey = kNoRunKey;
    int32_t quickRestCount = 50;
    uint8_t lowHpWarned = 0;
    uint8_t ammoAutoPickup = 1;
    int32_t poison = 0;
    int32_t bleeding = 0;
    int32_t fever = 0;
    int32_t sickness = 0;
    int32_t dizziness = 0;
    int32_t sleep = 0;
    int32_t paralysis = 0;
    int32_t clumsiness = 0;
    int32_t frostbite = 0;
    int32_t slowness = 0;
    int32_t immobility = 0;
    int32_t horror = 0;
    int32_t berserkBoon = kBoonNone;
    int32_t berserkTurns = 0;
    int32_t profOneHanded = 0;
    int32_t profTwoHanded = 0;
    int32_t profShield = 0;
    int32_t profThrown = 0;
    int32_t profRanged = 0;
    int32_t profTwoWeapon = 0;
    int32_t fightingStyle = kStyleNormal;
    int32_t kills = 0;
    uint8_t trapLock = 0;
    int32_t preparedSkill = 0;
    int32_t activeSkill = 0;
    int32_t saveCount = 0;
    int32_t skillPoints = 1;
    int32_t strengthBoost = 0;
    int32_t dexterityBoost = 0;
    int32_t agilityBoost = 0;
    int32_t speedBoost = 0;
    int32_t stoneSkinTurns = 0;
    int32_t quickSkill = -1;
    int32_t prayers = 0;
    int32_t goldPaidToSages = 0;
    int32_t goldPaidToSmiths = 0;
    int32_t predictedKiller = kNoPredictedKiller;
    int32_t frostbiteMaxHpLoss = 0;
    int32_t frostbiteHpLoss = 0;
    uint8_t acted = 0;
    uint8_t insured = 0;
    int32_t deathsAverted = 0;
    int32_t targetConfirmed = 0;
    int32_t lastThrownKind = -1;
    int32_t quickMoveDigit = 0;
    uint8_t dotBound = 0;
    uint8_t besideNpc = 0;
    int32_t traits[kTraitCount] = {};
    int32_t startMode = 0;
    uint8_t mapDrawnFlag = 0;
};

extern Player player;

// Asks the new-game questions and makes the character (player/).
void CreateCharacter();
// The right half of the race (1), training (2) and attribute (3) screens; nothing for other pages.
void ShowCreationHelp(int32_t page);

// How far the monsters see on a floor of that feeling.
int32_t MonsterVisionRangeOn(int32_t feeling);

// The style the fighting-style key switches back to; -1 until the command is first used.
extern int32_t previousFightingStyle;

// A run's polls in a row in which the character did not move, and where it
// stood at the previous poll.
extern int32_t runStuckTurns;
extern int32_t runLastX;
extern int32_t runLastY;
