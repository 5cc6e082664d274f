#pragma once
// The 250 monster kinds, loaded from the monster data file at start-up.
#include <cstdint>
#include <string>

#include "records/data_file.h"
#include "shell/colour.h"

constexpr int32_t kMonsterKindCount = 250;
// One kind record in "monsters.hmd"; the file is the version and 250 records.
constexpr int32_t kMonsterKindRecordSize = 138;
constexpr int32_t kMonsterFileSize = 4 + kMonsterKindCount * kMonsterKindRecordSize;

// The special ability of a kind, 0 none.
enum MonsterAbility : int32_t {
    kAbilityNone = 0,
    kAbilityConfusion = 1,
    kAbilityLifeDrain = 2,
    kAbilityBlinks = 3,
    kAbilityContagiousSickness = 4,
    kAbilityPoisonous = 5,
    kAbilityColdTouch = 6,
    kAbilityWarmTouch = 7,
    kAbilityKnockback = 8,
    kAbilityBleeding = 9,
    kAbilityParalyzes = 10,
    kAbilityReincarnates = 11,
    kAbilityExplodes = 12,
    kAbilityDeflectsMissiles = 13,
    kAbilitySummonsHelp = 14,
    kAbilityBurnsEnergy = 15,
    kAbilitySlowingTouch = 16,
    kAbilityFrostbites = 17,
    kAbilityImmobilizes = 18,
    kAbilityClumsiness = 19,
    kAbilityDeterioratesItems = 20,
    kAbilityCrumblesWalls = 21,
    kAbilityTerrainSpecific = 22,  // spawns only on its own floor colour, never follows up or down stairs
    kAbilitySpiky = 23,
    kAbilityStalker = 24,          // hidden until the player comes next to it
    kAbilityChameleon = 25,        // takes its floor's colours
    kAbilityPack = 26,             // comes with companions, never as a variant
    kAbilityThreeStrikes = 27,
    kAbilityCharges = 28,
    kAbilityCounterAttacks = 29,
    kAbilityStillDeciding = 30,
    kAbilityFear = 31,
    kAbilitySoaksClothes = 32,
};
constexpr int32_t kHighestMonsterAbility = kAbilitySoaksClothes;

class MonsterKind {
public:
    int32_t colourIndex = 0;
    char name[64] = {};
    char glyph = 0;
    int32_t damageBound1 = 0;
    int32_t damageBound2 = 0;
    int32_t hitPoints = 0;  // 0 marks an unused kind
    int32_t dodge = 0;
    int32_t toHitThreshold = 0;
    int32_t level = 0;
    int32_t speed = 0;
    int32_t actThreshold = 0;
    int64_t experience = 0;
    int32_t regenerationPeriod = 0;
    int32_t regenerationAmount = 0;
    int32_t meleeArmour = 0;
    int32_t rangedArmour = 0;
    uint8_t spare = 0;
    ColourCode colour = 0;
    int32_t ability = 0;
    int32_t ranged = 0;
    int32_t living = 0;
};

class MonsterKindTable {
public:
    MonsterKind kinds[kMonsterKindCount];
    int32_t version = 0;

    MonsterKind& operator[](int32_t index) { return kinds[index]; }
    const MonsterKind& operator[](int32_t index) const { return kinds[index]; }

    // Reads "monsters.hmd"; a missing or wrong-version file ends the program.
    void LoadMonsterKinds();
    // Reads the named file into the table without ending the program.
    DataFileResult ReadMonsterKinds(const std::string& fileName);
};

extern MonsterKindTable monsterKinds;

// The ColourCode of a colour index of the monster data file.
ColourCode MonsterColourFromIndex(int32_t colourIndex);
// One kind record, field by field in the file's order (the derived colour is not in it).
void ReadMonsterKindRecord(FieldReader& reader, MonsterKind& kind);
void WriteMonsterKindRecord(FieldWriter& writer, const MonsterKind& kind);
