#pragma once
// The one player character and everything that belongs to it.
#include <cstdint>
#include <string>
#include <vector>

#include "items/item_data.h"
#include "shell/colour.h"

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
enum BerserkBoon : int32_t {
    kBoonNone = 0,
    kBoonStronger = 2,
    kBoonPiercing = 3,
    kBoonFaster = 4,
    kBoonDeadlier = 5,
    kBoonAccurate = 6,
    kBoonSpRegeneration = 7,
    kBoonAbilities = 8,
    kBoonSwifter = 9,
};

// Order of Player::equipSlots.
enum EquipSlot : int32_t {
    kSlotMainWeapon = 0,
    kSlotSecondWeapon = 1,
    kSlotThrownWeapon = 2,
    kSlotShield = 3,
    kSlotChest = 4,
    kSlotBoots = 5,
    kSlotHelmet = 6,
    kSlotLeggings = 7,
    kSlotGauntlets = 8,
    kSlotRightRing = 9,
    kSlotLeftRing = 10,
    kSlotAmulet = 11,
    kSlotClothShirt = 12,
    kSlotClothSocks = 13,
    kSlotClothCap = 14,
    kSlotClothTrousers = 15,
    kSlotClothGloves = 16,
    kSlotMainHandSwap = 17,
    kSlotSecondHandSwap = 18,
    kEquipSlotCount = 19,
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

    // ---- shell/: the help screen ----
    void ShowHelpScreen();

    // ---- items/: inventory, equipment, burden ----
    bool WearsArmourProperty(int32_t effectId);
    // The quantity of the first inventory entry of the arrow kind; 0 when there is none.
    int32_t ArrowCount();
    // After a hit of the main (false) or second (true) weapon: a possessed one may summon a monster.
    void PossessedWeaponSummon(bool secondHand);

    // ---- item_use/: potions, food, wands, shooting, throwing, targeting ----

    // ---- events/: features used in place ----

    // ---- skills/: learning and using skills ----
    // Gives the training its starting skill and eases its attribute boost; loaded is false for a new game.
    void ApplyTrainingSkills(bool loaded);

    // ---- folk/: sages, smiths, altars ----

    // ---- records/ ----


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
    ColourCode glyphColour = 4;
    int32_t piety = 0;
    int32_t pendingDamageBonus = 0;
    char glyph = '@';
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
    int32_t reserved = 0;
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
    int32_t predictedKiller = '-';
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

// The style the fighting-style key switches back to; -1 until the command is first used.
extern int32_t previousFightingStyle;
