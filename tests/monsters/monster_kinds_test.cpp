#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "support/working_directory.h"
#include "world/monster_kind.h"

namespace {

namespace fs = std::filesystem;

class MonsterKindFile : public ::testing::Test {
protected:
    std::string Write(const std::vector<uint8_t>& bytes) const {
        const std::string path = (directory.Path() / "monsters.hmd").string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }

    // A file of the right version whose kind 0 is given and whose other kinds are unused.
    static std::vector<uint8_t> FileWith(const MonsterKind& first, int32_t version = 106) {
        FieldWriter writer;
        writer.Write(version);
        WriteMonsterKindRecord(writer, first);
        const MonsterKind unused;
        for (int32_t i = 1; i < kMonsterKindCount; ++i) WriteMonsterKindRecord(writer, unused);
        return writer.bytes;
    }

    static MonsterKind Wolf() {
        MonsterKind kind;
        std::strcpy(kind.name, "wolf");
        kind.glyph = 'C';
        kind.colourIndex = 14;
        kind.hitPoints = 60;
        kind.damageBound1 = 9;
        kind.damageBound2 = 15;
        kind.toHitThreshold = 480;
        kind.level = 15;
        kind.speed = 1500;
        kind.actThreshold = 1000;
        kind.experience = 20;
        kind.ability = 26;
        kind.living = 1;
        return kind;
    }

    ScopedWorkingDirectory directory;
};

TEST_F(MonsterKindFile, RecordFieldsLieAtTheirFileOffsets) {
    MonsterKind kind;
    kind.meleeArmour = 0x01020304;
    kind.rangedArmour = 5;
    kind.colourIndex = 6;
    kind.dodge = 7;
    kind.experience = 0x0102030405060708LL;
    kind.hitPoints = 9;
    kind.damageBound2 = 10;
    kind.damageBound1 = 11;
    kind.toHitThreshold = 12;
    std::strcpy(kind.name, "frost crab");
    kind.glyph = 'c';
    kind.ranged = 13;
    kind.living = 14;
    kind.regenerationAmount = 15;
    kind.regenerationPeriod = 16;
    kind.ability = 17;
    kind.speed = 18;
    kind.actThreshold = 19;
    kind.spare = 20;
    kind.level = 21;
    FieldWriter writer;
    WriteMonsterKindRecord(writer, kind);
    const std::vector<uint8_t>& b = writer.bytes;
    ASSERT_EQ(b.size(), static_cast<size_t>(kMonsterKindRecordSize));
    EXPECT_EQ(b[0], 0x04);
    EXPECT_EQ(b[3], 0x01);  // little-endian
    const std::pair<size_t, int> firstBytes[] = {{4, 5},    {8, 6},    {12, 7},   {16, 0x08}, {23, 0x01},
                                                 {24, 9},   {28, 10},  {32, 11},  {36, 12},   {104, 'c'},
                                                 {105, 13}, {109, 14}, {113, 15}, {117, 16},  {121, 17},
                                                 {125, 18}, {129, 19}, {133, 20}, {134, 21}};
    for (const auto& [offset, value] : firstBytes) EXPECT_EQ(b[offset], value) << "offset " << offset;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[40])), "frost crab");

    FieldReader reader(b);
    MonsterKind back;
    ReadMonsterKindRecord(reader, back);
    EXPECT_EQ(back.experience, kind.experience);
    EXPECT_EQ(back.level, 21);
    EXPECT_STREQ(back.name, "frost crab");
}

TEST_F(MonsterKindFile, ColourIndicesMapToColourCodes) {
    const std::pair<int32_t, ColourCode> cases[] = {{0, 4},   {1, 1},   {2, 2},   {3, 8},  {4, 6},  {5, 5},
                                                    {6, 3},   {7, 12},  {8, 10},  {9, 9},  {10, 14}, {11, 13},
                                                    {12, 11}, {13, 15}, {14, 7},  {15, 8}, {-1, 8},  {99, 8}};
    for (const auto& [index, code] : cases) EXPECT_EQ(ColourFromIndex(index), code) << "index " << index;
}

TEST_F(MonsterKindFile, ReadsKindsAndDerivesTheirColour) {
    auto table = std::make_unique<MonsterKindTable>();
    ASSERT_EQ(table->ReadMonsterKinds(Write(FileWith(Wolf()))), DataFileResult::kRead);
    EXPECT_EQ(table->version, 106);
    EXPECT_STREQ((*table)[0].name, "wolf");
    EXPECT_EQ((*table)[0].speed, 1500);
    EXPECT_EQ((*table)[0].colour, 7);
    EXPECT_EQ((*table)[1].hitPoints, 0);
    EXPECT_EQ((*table)[1].colour, 4);  // index 0 of an unused kind is still coloured
}

TEST_F(MonsterKindFile, MissingFileAndWrongVersionAreTold) {
    auto table = std::make_unique<MonsterKindTable>();
    EXPECT_EQ(table->ReadMonsterKinds((directory.Path() / "none.hmd").string()), DataFileResult::kCannotOpen);
    for (int32_t version : {105, 107}) {
        EXPECT_EQ(table->ReadMonsterKinds(Write(FileWith(Wolf(), version))), DataFileResult::kWrongVersion);
        EXPECT_EQ(table->version, version);
        EXPECT_EQ((*table)[0].hitPoints, 0) << "no record is read after a wrong version";
    }
    EXPECT_EQ(table->ReadMonsterKinds(Write({})), DataFileResult::kWrongVersion);
}

TEST_F(MonsterKindFile, AFileThatEndsInsideARecordLeavesTheRestUnused) {
    std::vector<uint8_t> bytes = FileWith(Wolf());
    // Give kind 1 a name and hit points, then cut the file inside kind 1's to-hit threshold.
    MonsterKind second = Wolf();
    std::strcpy(second.name, "lynx");
    second.hitPoints = 0x0102;
    FieldWriter writer;
    WriteMonsterKindRecord(writer, second);
    std::copy(writer.bytes.begin(), writer.bytes.end(), bytes.begin() + 4 + kMonsterKindRecordSize);
    bytes.resize(4 + kMonsterKindRecordSize + 37);

    auto table = std::make_unique<MonsterKindTable>();
    ASSERT_EQ(table->ReadMonsterKinds(Write(bytes)), DataFileResult::kRead);
    EXPECT_STREQ((*table)[0].name, "wolf");
    EXPECT_EQ((*table)[0].hitPoints, 60);
    EXPECT_EQ((*table)[1].toHitThreshold, 480 & 0xFF) << "the one byte of the field that was there";
    EXPECT_EQ((*table)[1].hitPoints, 0) << "a nameless half kind is never spawned";
    for (int32_t i = 2; i < kMonsterKindCount; ++i) ASSERT_EQ((*table)[i].hitPoints, 0) << i;
}

TEST_F(MonsterKindFile, KindsThatWouldHangOrOverrunAreMadeSafe) {
    MonsterKind bad = Wolf();
    std::memset(bad.name, 'x', sizeof bad.name);  // no terminating zero
    bad.speed = 0;
    bad.actThreshold = -5;
    bad.toHitThreshold = 5000;
    bad.damageBound1 = -3;
    bad.ability = 99;
    bad.ranged = 7;
    bad.experience = -10;
    auto table = std::make_unique<MonsterKindTable>();
    ASSERT_EQ(table->ReadMonsterKinds(Write(FileWith(bad))), DataFileResult::kRead);
    const MonsterKind& kind = (*table)[0];
    EXPECT_EQ(std::strlen(kind.name), 63u);
    EXPECT_EQ(kind.speed, 1);
    EXPECT_EQ(kind.actThreshold, 1);
    EXPECT_EQ(kind.toHitThreshold, 1000);
    EXPECT_EQ(kind.damageBound1, 0);
    EXPECT_EQ(kind.ability, 0);
    EXPECT_EQ(kind.ranged, 1);
    EXPECT_EQ(kind.experience, 0);
    EXPECT_EQ(kind.hitPoints, 60);
}

// A control character would corrupt the map: such a kind is never spawned.
TEST_F(MonsterKindFile, AKindWhoseGlyphDoesNotShowIsLeftUnused) {
    for (const char glyph : {'\x01', '\n', ' ', '\x7f', static_cast<char>(0xE9), 'w', '#', '~'}) {
        MonsterKind kind = Wolf();
        kind.glyph = glyph;
        auto table = std::make_unique<MonsterKindTable>();
        ASSERT_EQ(table->ReadMonsterKinds(Write(FileWith(kind))), DataFileResult::kRead);
        const bool shows = glyph > ' ' && glyph <= '~';
        EXPECT_EQ((*table)[0].hitPoints, shows ? 60 : 0) << static_cast<int>(glyph);
    }
}

TEST_F(MonsterKindFile, LoaderEndsTheProgramWhenTheFileIsMissingOrWrong) {
    // The fixture's folder is the working directory, where the loader looks.
    EXPECT_EXIT(monsterKinds.LoadMonsterKinds(), ::testing::ExitedWithCode(1), "");
    Write(FileWith(Wolf(), 105));
    EXPECT_EXIT(monsterKinds.LoadMonsterKinds(), ::testing::ExitedWithCode(1), "");
}

TEST(MonsterKinds, TheBuiltFileHoldsTheKindsInOrderOfDanger) {
    const std::string path = std::string(HOLLOWMERE_PLAY_DIR) + "/monsters.hmd";
    ASSERT_EQ(fs::file_size(path), static_cast<uintmax_t>(kMonsterFileSize));
    const auto saved = std::make_unique<MonsterKindTable>(monsterKinds);
    const fs::path here = fs::current_path();
    fs::current_path(HOLLOWMERE_PLAY_DIR);
    monsterKinds.LoadMonsterKinds();
    fs::current_path(here);

    EXPECT_EQ(monsterKinds.version, 106);
    EXPECT_STREQ(monsterKinds[0].name, "rat");
    EXPECT_STREQ(monsterKinds[135].name, "frost devil");
    int32_t used = 0;
    int32_t top = 0;
    for (int32_t i = 0; i < kMonsterKindCount; ++i) {
        const MonsterKind& kind = monsterKinds[i];
        if (kind.hitPoints > 0) {
            ++used;
            EXPECT_GE(kind.actThreshold, 1) << kind.name;
            EXPECT_EQ(kind.colour, ColourFromIndex(kind.colourIndex)) << kind.name;
        }
        top = std::max(top, kind.level);
    }
    EXPECT_EQ(used, 136);
    EXPECT_EQ(top, 51);
    monsterKinds = *saved;
}

}  // namespace
