#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "support/working_directory.h"
#include "world/item_kind.h"

namespace {

namespace fs = std::filesystem;

class ItemKindFile : public ::testing::Test {
protected:
    std::string Write(const std::vector<uint8_t>& bytes) const {
        const std::string path = (directory.Path() / "items.hmd").string();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }

    // Every record is `kind`; the version as given.
    static std::vector<uint8_t> FileOf(const ItemKind& kind, int32_t version = 106) {
        FieldWriter writer;
        writer.Write(version);
        for (int32_t i = 0; i < kItemKindCount; ++i) WriteItemKindRecord(writer, kind);
        return writer.bytes;
    }

    static ItemKind Dagger() {
        ItemKind kind;
        std::memset(kind.name, 0, sizeof kind.name);
        std::strcpy(kind.name, "iron dagger");
        kind.inUse = 1;
        kind.colourIndex = 14;
        kind.type = kItemWeapon;
        kind.subtype = 0;  // one-handed
        kind.power = 3;
        kind.secondValue = 8;
        kind.depthLevel = 12;
        kind.weight = 0x01020304;
        kind.baseValue = 40;
        kind.glyph = ')';
        kind.maxDurability = 24;
        return kind;
    }

    ScopedWorkingDirectory directory;
};

TEST_F(ItemKindFile, ConstructedKindsHaveTheirDefaults) {
    const ItemKind kind;
    EXPECT_STREQ(kind.name, "Default");
    EXPECT_EQ(kind.depthLevel, -1);
    EXPECT_EQ(kind.type, -1);
    EXPECT_EQ(kind.colour, 192);
    EXPECT_EQ(kind.inUse, 0);
    EXPECT_EQ(kind.subtype, 0);
}

TEST_F(ItemKindFile, RecordFieldsLieAtTheirFileOffsets) {
    ItemKind kind = Dagger();
    kind.special = 1;
    FieldWriter writer;
    WriteItemKindRecord(writer, kind);
    const std::vector<uint8_t>& b = writer.bytes;
    ASSERT_EQ(b.size(), static_cast<size_t>(kItemKindRecordSize));
    const std::pair<size_t, int> firstBytes[] = {{0, 14}, {4, 24}, {8, 3},  {12, 8},   {80, ')'}, {81, 40},
                                                 {85, 12}, {89, 0}, {93, 1}, {97, 1},  {98, 1},   {99, 0x04},
                                                 {102, 0x01}};
    for (const auto& [offset, value] : firstBytes) EXPECT_EQ(b[offset], value) << "offset " << offset;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[16])), "iron dagger");
}

TEST_F(ItemKindFile, ColoursAreGivenOnlyToKindsInUse) {
    auto table = std::make_unique<ItemKindTable>();
    ItemKind unused;
    unused.colourIndex = 5;
    (*table)[0] = unused;
    const std::pair<int32_t, ColourCode> cases[] = {{0, 4}, {3, 8}, {6, 3}, {12, 11}, {13, 15}, {14, 7}, {99, 8}, {-2, 8}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        ItemKind kind = Dagger();
        kind.colourIndex = cases[i].first;
        (*table)[static_cast<int32_t>(i) + 1] = kind;
    }
    table->MapItemColours();
    EXPECT_EQ((*table)[0].colour, 192);
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ((*table)[static_cast<int32_t>(i) + 1].colour, cases[i].second) << "index " << cases[i].first;
    }
}

TEST_F(ItemKindFile, MissingFileAndWrongVersionChangeNoKind) {
    auto table = std::make_unique<ItemKindTable>();
    EXPECT_EQ(table->ReadItemKinds((directory.Path() / "none.hmd").string()), DataFileResult::kCannotOpen);
    EXPECT_EQ(table->version, 0);
    EXPECT_EQ(table->ReadItemKinds(Write(FileOf(Dagger(), 107))), DataFileResult::kWrongVersion);
    EXPECT_EQ(table->version, 107) << "the version read stays";
    EXPECT_STREQ((*table)[0].name, "Default");
}

TEST_F(ItemKindFile, AShortFileLeavesTheMissingFieldsAsTheyWere) {
    std::vector<uint8_t> bytes = FileOf(Dagger());
    // Record 249 ends two bytes into its weight; record 248 is whole.
    bytes.resize(bytes.size() - 2);
    auto table = std::make_unique<ItemKindTable>();
    (*table)[249].weight = 0x7F000000;
    ASSERT_EQ(table->ReadItemKinds(Write(bytes)), DataFileResult::kRead);
    EXPECT_EQ((*table)[248].weight, 0x01020304);
    EXPECT_EQ((*table)[249].weight, 0x7F000304) << "the two bytes that remain replace the low bytes";
    EXPECT_EQ((*table)[249].inUse, 1);

    // A file cut inside record 10's name: the rest keeps the constructor defaults.
    bytes.resize(4 + 10 * kItemKindRecordSize + 20);
    table = std::make_unique<ItemKindTable>();
    ASSERT_EQ(table->ReadItemKinds(Write(bytes)), DataFileResult::kRead);
    EXPECT_EQ((*table)[9].inUse, 1);
    EXPECT_EQ((*table)[10].inUse, 0);
    EXPECT_EQ((*table)[10].type, -1);
    EXPECT_STREQ((*table)[10].name, "ironult") << "four bytes of the name over \"Default\"";
    EXPECT_STREQ((*table)[11].name, "Default");
    EXPECT_EQ((*table)[11].depthLevel, -1);
}

TEST_F(ItemKindFile, ANameWithoutItsZeroIsCutToTheField) {
    ItemKind kind = Dagger();
    std::memset(kind.name, 'q', sizeof kind.name);
    auto table = std::make_unique<ItemKindTable>();
    ASSERT_EQ(table->ReadItemKinds(Write(FileOf(kind))), DataFileResult::kRead);
    EXPECT_EQ(std::strlen((*table)[0].name), 63u);
}

// A field the game uses as an index or a count, out of its range, leaves the kind
// unused, for the appearance tables as well (they go by type).
TEST_F(ItemKindFile, AKindOutOfRangeIsLeftUnused) {
    struct Case {
        const char* what;
        void (*spoil)(ItemKind&);
        bool kept;
    };
    const Case cases[] = {
        {"as it is", [](ItemKind&) {}, true},
        {"a type no item has", [](ItemKind& k) { k.type = 10; }, false},
        {"a weapon of an armour subtype", [](ItemKind& k) { k.subtype = 3; }, false},
        {"damage whose top is below its bottom", [](ItemKind& k) { k.secondValue = 2; }, false},
        {"negative damage", [](ItemKind& k) { k.power = -1; }, false},
        {"armour of a weapon subtype", [](ItemKind& k) { k.type = kItemArmour; k.subtype = 2; }, false},
        {"cloth shield", [](ItemKind& k) { k.type = kItemCloth; k.subtype = 3; }, false},
        {"an accessory neither ring nor amulet", [](ItemKind& k) { k.type = kItemAccessory; k.subtype = 8; k.power = 4; }, false},
        {"an amulet of property 36", [](ItemKind& k) { k.type = kItemAccessory; k.subtype = 10; k.power = 36; }, false},
        {"a ring of property 35", [](ItemKind& k) { k.type = kItemAccessory; k.subtype = 9; k.power = 35; }, true},
        {"a potion of effect 0", [](ItemKind& k) { k.type = kItemPotion; k.power = 0; }, false},
        {"a wand of effect 27", [](ItemKind& k) { k.type = kItemWand; k.power = 27; }, false},
        {"a wand of effect 26", [](ItemKind& k) { k.type = kItemWand; k.power = 26; }, true},
        {"a material of tier 6", [](ItemKind& k) { k.type = kItemMaterial; k.power = 6; k.secondValue = 1; }, false},
        {"a material of craft class 5", [](ItemKind& k) { k.type = kItemMaterial; k.power = 1; k.secondValue = 5; }, false},
        {"negative charges", [](ItemKind& k) { k.maxDurability = -1; }, false},
        {"negative weight", [](ItemKind& k) { k.weight = -5; }, false},
        {"a control character for a glyph", [](ItemKind& k) { k.glyph = 7; }, false},
        {"a blank glyph", [](ItemKind& k) { k.glyph = ' '; }, false},
        {"a glyph past ASCII", [](ItemKind& k) { k.glyph = 0xE9; }, false},
    };
    for (const Case& c : cases) {
        ItemKind kind = Dagger();
        c.spoil(kind);
        auto table = std::make_unique<ItemKindTable>();
        ASSERT_EQ(table->ReadItemKinds(Write(FileOf(kind))), DataFileResult::kRead);
        table->MapItemColours();
        const ItemKind& read = (*table)[0];
        EXPECT_EQ(read.inUse, c.kept ? 1 : 0) << c.what;
        if (!c.kept) {
            EXPECT_EQ(read.type, -1) << c.what;
            EXPECT_EQ(read.colour, kUnusedItemColour) << c.what;
        }
    }
}

TEST_F(ItemKindFile, LoaderEndsTheProgramWhenTheFileIsMissingOrWrong) {
    // The fixture's folder is the working directory, where the loader looks.
    EXPECT_EXIT(itemKinds.LoadItemKinds(), ::testing::ExitedWithCode(1), "");
    Write(FileOf(Dagger(), 107));
    EXPECT_EXIT(itemKinds.LoadItemKinds(), ::testing::ExitedWithCode(1), "");
}

TEST(ItemKinds, TheBuiltFileHoldsTheKindsTheGameLooksUp) {
    const std::string path = std::string(HOLLOWMERE_PLAY_DIR) + "/items.hmd";
    ASSERT_EQ(fs::file_size(path), static_cast<uintmax_t>(kItemFileSize));
    const auto saved = std::make_unique<ItemKindTable>(itemKinds);
    const fs::path here = fs::current_path();
    fs::current_path(HOLLOWMERE_PLAY_DIR);
    ASSERT_TRUE(itemKinds.LoadItemKinds());
    itemKinds.MapItemColours();
    fs::current_path(here);

    EXPECT_EQ(itemKinds.version, 106);
    auto find = [](const char* name) {
        for (int32_t i = 0; i < kItemKindCount; ++i) {
            if (std::strcmp(itemKinds[i].name, name) == 0) return i;
        }
        return -1;
    };
    const int32_t arrow = find("arrow");
    ASSERT_GE(arrow, 0);
    EXPECT_EQ(itemKinds[arrow].type, kItemAmmunition);
    EXPECT_EQ(itemKinds[arrow].weight, 0);
    EXPECT_LT(find("crude willow bow"), find("crude copper sword"));
    // The loader's range checks leave every kind of the shipped file in use.
    std::ifstream raw(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(raw), std::istreambuf_iterator<char>()};
    int32_t potions = 0;
    for (int32_t i = 0; i < kItemKindCount; ++i) {
        const ItemKind& kind = itemKinds[i];
        EXPECT_EQ(kind.inUse, bytes[static_cast<size_t>(4 + i * kItemKindRecordSize + 98)]) << i;
        if (kind.inUse == 0) {
            EXPECT_EQ(kind.type, -1) << i;
            EXPECT_EQ(kind.colour, 192) << i;
        } else {
            EXPECT_EQ(kind.colour, ColourFromIndex(kind.colourIndex)) << kind.name;
        }
        potions += kind.type == kItemPotion ? 1 : 0;
    }
    EXPECT_EQ(potions, 26);
    itemKinds = *saved;
}

}  // namespace
