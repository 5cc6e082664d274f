// Every record of the save file field by field at its offset: the player, a
// monster, a sage, the looks of unidentified items and a learned flag.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "items/appearances.h"
#include "skills/skill_def.h"
#include "support/game_state.h"
#include "toolkit/field_codec.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

struct Expected {
    size_t offset;
    int width;  // little-endian: 1 and 2 bytes unsigned, 4 and 8 signed
    int64_t value;
};

int64_t ValueAt(const std::vector<uint8_t>& bytes, size_t offset, int width) {
    uint64_t value = 0;
    for (int i = 0; i < width; ++i) value |= static_cast<uint64_t>(bytes[offset + static_cast<size_t>(i)]) << (8 * i);
    if (width == 4) return static_cast<int32_t>(value);
    return static_cast<int64_t>(value);
}

void ExpectFields(const std::vector<uint8_t>& bytes, const std::vector<Expected>& fields) {
    for (const Expected& field : fields) {
        EXPECT_EQ(ValueAt(bytes, field.offset, field.width), field.value) << "offset " << field.offset;
    }
}

class SaveRecords : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        itemKinds[5].type = kItemWeapon;
        itemKinds[6].type = kItemCloth;
    }
};

TEST_F(SaveRecords, PlayerRecordLaysOutItsFieldsInFileOrder) {
    Player& p = player;
    std::strcpy(p.name, "Aino");
    std::strcpy(p.pronoun, "She");
    p.x = 21;
    p.y = 17;
    p.currentFloor = 33;
    p.deepestFloor = 34;
    p.gold = 123456;
    // Memory order of the slots differs from the file's: number each by its memory place.
    for (int32_t slot = 0; slot < kEquipSlotCount; ++slot) p.equipSlots[slot] = slot == kSlotMainWeapon ? 0 : -1;
    p.equipSlots[kSlotClothTrousers] = 1;
    p.carryingCapacity = 301;
    p.carriedWeight = 302;
    p.turns = 303;
    p.level = 304;
    p.identifiedKinds[0] = 1;
    p.identifiedKinds[249] = 1;
    p.demonSlainFlags[4] = 1;
    p.demonSlainFlags[5] = 1;
    p.dodge = 305;
    p.burdened = 1;
    p.hp = 306;
    p.maxHp = 307;
    p.sp = 308;
    p.maxSp = 309;
    p.sightRadius = 310;
    p.bodyTemperature = -311;
    p.glyphColour = 0xABCD;
    p.piety = 312;
    p.pendingDamageBonus = 313;
    p.glyph = '@';
    p.strength = 314;
    p.vitality = 315;
    p.dexterity = 316;
    p.agility = 317;
    p.stamina = 318;
    p.speed = 319;
    p.actThreshold = 320;
    p.energy = 321;
    p.hpRegen = {322, 323, 324};
    p.spRegen = {325, 326, 327};
    p.experience = 0x0102030405060708LL;
    p.levelThreshold = 0x1112131415161718LL;
    p.toHitThreshold = 328;
    p.naturalArmour = 329;
    p.race = kRaceDwarven;
    p.training = kTrainingRanger;
    p.runKey = 200;
    p.quickRestCount = 330;
    p.ammoAutoPickup = 0;
    p.lowHpWarned = 1;
    int32_t* ailments[] = {&p.poison,     &p.bleeding, &p.fever,     &p.sickness,   &p.dizziness, &p.sleep,
                           &p.paralysis,  &p.clumsiness, &p.frostbite, &p.slowness, &p.immobility, &p.horror};
    for (int32_t i = 0; i < 12; ++i) *ailments[i] = 400 + i;
    p.berserkBoon = kBoonSwifter;
    p.berserkTurns = 331;
    p.profOneHanded = 340;
    p.profTwoHanded = 341;
    p.profShield = 342;
    p.profThrown = 343;
    p.profRanged = 344;
    p.profTwoWeapon = 345;
    p.fightingStyle = kStyleFast;
    p.kills = 346;
    p.trapLock = 1;
    p.preparedSkill = 347;
    p.saveCount = 348;
    p.skillPoints = 349;
    p.strengthBoost = 350;
    p.dexterityBoost = 351;
    p.agilityBoost = 352;
    p.speedBoost = 353;
    p.stoneSkinTurns = 354;
    p.quickSkill = 44;
    p.prayers = 355;
    p.goldPaidToSages = 356;
    p.predictedKiller = 'x';
    p.frostbiteHpLoss = 357;
    p.frostbiteMaxHpLoss = 358;
    p.insured = 1;
    p.deathsAverted = 359;
    p.goldPaidToSmiths = 360;
    p.lastThrownKind = 249;
    for (int32_t t = 0; t < kTraitCount; ++t) p.traits[t] = 500 + t;
    p.startMode = 1;
    // Not kept: the target, the active skill and the rest of the turn's state.
    p.activeSkill = 27;
    p.acted = 1;
    p.quickMoveDigit = 7;
    ItemData sword;
    sword.kind = 5;
    sword.durability = 40;
    sword.blessing = kBlessed;
    sword.quantity = 1;
    sword.identified = 1;
    sword.prefix = 21;
    ItemData shirt;
    shirt.kind = 6;
    shirt.prefix = 640;  // a wet cloth keeps its wetness here
    p.inventory = {sword, shirt};

    FieldWriter writer;
    p.WritePlayerRecord(writer);
    const std::vector<uint8_t>& b = writer.bytes;
    ASSERT_EQ(b.size(), 736u + 4u + 2u * 24u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[0])), "Aino");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[15]), 4), std::string("She\0", 4));
    std::vector<Expected> fields = {
        {19, 4, 21},     {23, 4, 17},     {27, 4, 33},       {31, 4, 34},     {35, 4, 123456},
        {39, 4, 0},  // main weapon, then eleven empty slots up to the shirt
        {115, 4, 301},   {119, 4, 302},   {123, 4, 303},     {127, 4, 304},   {131, 1, 1},
        {132, 1, 0},     {380, 1, 1},     {385, 1, 1},       {386, 1, 1},     {387, 4, 305},
        {391, 1, 1},     {392, 4, 306},   {396, 4, 307},     {400, 4, 308},   {404, 4, 309},
        {408, 4, 310},   {412, 4, -311},  {416, 2, 0xABCD},  {418, 4, 312},   {422, 4, 313},
        {426, 1, '@'},   {427, 4, 314},   {431, 4, 316},     {435, 4, 318},   {439, 4, 317},
        {443, 4, 315},   {447, 4, 319},   {451, 4, 320},     {455, 4, 321},   {459, 4, 322},
        {463, 4, 323},   {467, 4, 324},   {471, 4, 325},     {475, 4, 326},   {479, 4, 327},
        {483, 8, 0x0102030405060708LL},   {491, 8, 0x1112131415161718LL},     {499, 4, 328},
        {503, 4, 329},   {507, 4, 3},     {511, 4, 3},       {515, 1, 200},   {516, 4, 330},
        {520, 1, 0},     {521, 1, 1},     {570, 4, 9},       {574, 4, 331},   {578, 4, 340},
        {582, 4, 341},   {586, 4, 342},   {590, 4, 343},     {594, 4, 344},   {598, 4, 345},
        {602, 4, 5},     {606, 4, 346},   {610, 1, 1},       {611, 4, 347},   {615, 4, 348},
        {619, 4, 349},   {623, 4, 350},   {627, 4, 351},     {631, 4, 352},   {635, 4, 353},
        {639, 4, 354},   {643, 4, 44},    {647, 4, 355},     {651, 4, 356},   {655, 4, 'x'},
        {659, 4, 357},   {663, 4, 358},   {667, 1, 1},       {668, 4, 359},   {672, 4, 360},
        {676, 4, 249},   {732, 4, 1},
        // the inventory: its count, then the records
        {736, 4, 2},     {740, 4, 5},     {744, 4, 40},      {748, 4, 1},     {752, 4, 1},
        {756, 1, 1},     {757, 1, 0},     {758, 2, 0},       {760, 4, 21},    {764, 4, 6},
        {784, 4, 640},
    };
    for (int32_t i = 0; i < 12; ++i) fields.push_back({522 + 4 * static_cast<size_t>(i), 4, 400 + i});
    // The file's slot order: the cloth trousers come second among the cloth, after the shirt.
    for (int32_t i = 1; i < kEquipSlotCount; ++i) fields.push_back({39 + 4 * static_cast<size_t>(i), 4, i == 13 ? 1 : -1});
    // The traits in the letters' order a, b, c, d, f, e, m, l, g, h, i, j, k.
    const TraitIndex traitOrder[] = {kTraitExtraHp,        kTraitExtraSp,        kTraitExtraDodge,
                                     kTraitExtraSpeed,     kTraitSpRegeneration, kTraitHpRegeneration,
                                     kTraitExtraSkillPoint, kTraitCarryingCapacity, kTraitMeleeCritical,
                                     kTraitRangedCritical, kTraitMeleeToHit,     kTraitRangedToHit,
                                     kTraitThrownDamage};
    for (size_t i = 0; i < 13; ++i) fields.push_back({680 + 4 * i, 4, 500 + traitOrder[i]});
    ExpectFields(b, fields);

    // Read back into a fresh character: the same record, and nothing of the turn's state.
    const std::vector<uint8_t> written = b;
    ResetGameState();
    FieldReader reader(written);
    player.ReadPlayerRecord(reader);
    ASSERT_FALSE(reader.Failed());
    EXPECT_EQ(reader.Remaining(), 0u);
    FieldWriter again;
    player.WritePlayerRecord(again);
    EXPECT_EQ(again.bytes, written);
    EXPECT_EQ(player.equipSlots[kSlotClothTrousers], 1);
    EXPECT_EQ(player.traits[kTraitHpRegeneration], 500 + kTraitHpRegeneration);
    EXPECT_EQ(player.activeSkill, 0);
    EXPECT_EQ(player.acted, 0);
    EXPECT_EQ(player.quickMoveDigit, 0);
}

TEST_F(SaveRecords, MonsterRecordIsEveryFieldButTheLink) {
    Monster monster;
    monster.x = 70;
    monster.y = 18;
    monster.colour = 0x1234;
    monster.glyph = 'Z';
    std::memset(monster.name, 'q', sizeof monster.name);  // what follows the name's end is kept too
    std::strcpy(monster.name, "ice wraith");
    monster.alive = 0;  // a dead record still in the list is kept like any other
    int32_t* numbers[] = {&monster.level,        &monster.previousX,         &monster.previousY,
                          &monster.floor,        &monster.hp,                &monster.maxHp,
                          &monster.damageBound1, &monster.damageBound2,      &monster.dodge,
                          &monster.meleeArmour,  &monster.rangedArmour,      &monster.armourFloor,
                          &monster.speed,        &monster.actThreshold,      &monster.energy,
                          &monster.regenerationCount, &monster.regenerationPeriod, &monster.regenerationAmount,
                          &monster.toHitThreshold, &monster.ability,         &monster.ranged,
                          &monster.living,       &monster.lastMove,          &monster.stunTurns,
                          &monster.tauntTurns,   &monster.bleedDamage,       &monster.bleedTurns};
    for (int32_t i = 0; i < 27; ++i) *numbers[i] = 100 + i;
    monster.floor = 34;
    monster.experience = -0x0102030405060708LL;
    monster.awake = 1;
    monster.hunting = 1;
    monster.trickVariant = 3;
    monster.next = &monster;

    FieldWriter writer;
    monster.WriteMonsterRecord(writer);
    const std::vector<uint8_t>& b = writer.bytes;
    ASSERT_EQ(b.size(), 204u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[11]), 70), std::string(monster.name, 70));
    ExpectFields(b, {{0, 4, 70},      {4, 4, 18},     {8, 2, 0x1234},  {10, 1, 'Z'},    {81, 4, 0},
                     {85, 4, 100},    {89, 4, 101},   {93, 4, 102},    {97, 4, 34},     {101, 8, -0x0102030405060708LL},
                     {109, 4, 104},   {113, 4, 105},  {117, 4, 106},   {121, 4, 107},   {125, 4, 108},
                     {129, 4, 109},   {133, 4, 110},  {137, 4, 111},   {141, 4, 112},   {145, 4, 113},
                     {149, 4, 114},   {153, 4, 115},  {157, 4, 116},   {161, 4, 117},   {165, 4, 118},
                     {169, 4, 119},   {173, 4, 120},  {177, 4, 121},   {181, 4, 122},   {185, 1, 1},
                     {186, 1, 1},     {187, 4, 123},  {191, 4, 124},   {195, 4, 125},   {199, 4, 126},
                     {203, 1, 3}});

    Monster back;
    FieldReader reader(b);
    back.next = &monster;
    back.ReadMonsterRecord(reader);
    ASSERT_FALSE(reader.Failed());
    EXPECT_EQ(back.next, nullptr);
    FieldWriter again;
    back.WriteMonsterRecord(again);
    EXPECT_EQ(again.bytes, b);
}

TEST_F(SaveRecords, AnEmptyMonsterListIsItsCount) {
    FieldWriter writer;
    SaveMonsters(writer);
    EXPECT_EQ(writer.bytes, std::vector<uint8_t>(4, 0));
    FieldReader reader(writer.bytes);
    LoadMonsters(reader);
    EXPECT_FALSE(reader.Failed());
    EXPECT_EQ(monsterListHead, nullptr);
}

TEST_F(SaveRecords, LoadedMonstersFollowTheOnesAlreadyListed) {
    Monster* first = new Monster();
    first->x = 1;
    AppendMonsters(first);
    Monster saved;
    saved.x = 2;
    saved.y = 3;
    saved.floor = 4;
    FieldWriter writer;
    writer.Field(int32_t{2});
    saved.WriteMonsterRecord(writer);
    saved.x = 3;
    saved.WriteMonsterRecord(writer);
    FieldReader reader(writer.bytes);
    LoadMonsters(reader);
    ASSERT_FALSE(reader.Failed());
    ASSERT_EQ(monsterListHead, first);
    ASSERT_NE(first->next, nullptr);
    EXPECT_EQ(first->next->x, 2);
    ASSERT_NE(first->next->next, nullptr);
    EXPECT_EQ(first->next->next->x, 3);
    EXPECT_EQ(first->next->next->next, nullptr);
}

TEST_F(SaveRecords, TheTablesRecordsLieAtTheirOffsets) {
    cSage sage;
    sage.x = 78;
    sage.y = 17;
    sage.floor = 20;
    sage.priceLevel = 255;
    sage.seen = 1;
    FieldWriter sageBytes;
    sage.WriteSageRecord(sageBytes);
    ASSERT_EQ(sageBytes.bytes.size(), 20u);
    ExpectFields(sageBytes.bytes, {{0, 4, 78}, {4, 4, 17}, {8, 4, 20}, {12, 4, 255}, {16, 1, 1}, {17, 2, 0}, {19, 1, 0}});

    AppearanceName look;
    look.kind = 249;
    look.taken = 1;
    look.colour = 0x0E0F;
    look.name = std::string(85, 'p');  // longer than the field: cut to leave its end
    FieldWriter lookBytes;
    look.WriteAppearance(lookBytes);
    ASSERT_EQ(lookBytes.bytes.size(), 87u);
    ExpectFields(lookBytes.bytes, {{0, 4, 249}, {4, 1, 1}, {5, 2, 0x0E0F}, {85, 1, 'p'}, {86, 1, 0}});
    AppearanceName lookBack;
    FieldReader lookReader(lookBytes.bytes);
    lookBack.ReadAppearance(lookReader);
    EXPECT_FALSE(lookReader.Failed());
    EXPECT_EQ(lookBack.name, std::string(79, 'p'));

    AccessoryAppearance ring;
    ring.kind = 7;
    ring.taken = 1;
    ring.colour = 14;
    ring.ringFlag = 0;
    ring.name = "bone amulet";
    FieldWriter ringBytes;
    ring.WriteAccessoryAppearance(ringBytes);
    ASSERT_EQ(ringBytes.bytes.size(), 88u);
    ExpectFields(ringBytes.bytes, {{0, 4, 7}, {4, 1, 1}, {5, 2, 14}, {7, 1, 0}, {19, 1, 0}, {87, 1, 0}});
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&ringBytes.bytes[8])), "bone amulet");
    AccessoryAppearance ringBack;
    FieldReader ringReader(ringBytes.bytes);
    ringBack.ReadAccessoryAppearance(ringReader);
    EXPECT_FALSE(ringReader.Failed());
    EXPECT_EQ(ringBack.name, "bone amulet");
    EXPECT_EQ(ringBack.ringFlag, 0);

    SkillDef skill;
    skill.learned = 1;
    FieldWriter skillBytes;
    skill.WriteSkillLearned(skillBytes);
    EXPECT_EQ(skillBytes.bytes, std::vector<uint8_t>{1});
}

}  // namespace
