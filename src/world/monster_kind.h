#pragma once
// The 250 monster kinds, loaded from the monster data file at start-up.
#include <cstdint>
#include <string>

#include "toolkit/colour.h"
#include "toolkit/data_file.h"
#include "world/monster_abilities.h"

constexpr int32_t kMonsterKindCount = 250;
// One kind record in "monsters.hmd"; the file is the version and 250 records.
constexpr int32_t kMonsterKindRecordSize = 138;
constexpr int32_t kMonsterFileSize = 4 + kMonsterKindCount * kMonsterKindRecordSize;

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
    ColourCode colour = kBlack;
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

// One kind record, field by field in the file's order (the derived colour is not in it).
void ReadMonsterKindRecord(FieldReader& reader, MonsterKind& kind);
void WriteMonsterKindRecord(FieldWriter& writer, const MonsterKind& kind);
