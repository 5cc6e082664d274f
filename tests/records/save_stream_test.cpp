// The save stream of a whole game: its blocks in order, a load that gives back
// the same game, and damaged streams that are refused without a trace.
#include <gtest/gtest.h>

#include <map>

#include "records/saved_game.h"
#include "support/screen_test.h"
#include "toolkit/field_codec.h"

namespace {

constexpr uint32_t kGameSeed = 4242;

class SaveStream : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        if (!MakeNewGame(kGameSeed)) GTEST_SKIP() << "the play folder has no data files";
    }

    // Where each block starts in a stream of the game as it is now, by block name.
    static std::map<std::string, size_t> BlockStarts() {
        std::map<std::string, size_t> starts;
        size_t at = 0;
        for (const SaveBlock& block : kSaveBlocks) {
            starts[block.name] = at;
            FieldWriter writer;
            block.write(writer);
            at += writer.bytes.size();
        }
        starts["end"] = at;
        return starts;
    }

    // The game has been put back as start-up left it.
    static void ExpectNoGame(const std::string& what) {
        EXPECT_EQ(player.name[0], '\0') << what;
        EXPECT_TRUE(player.inventory.empty()) << what;
        EXPECT_TRUE(sages.empty()) << what;
        EXPECT_EQ(monsterListHead, nullptr) << what;
        EXPECT_EQ(floorArray[0].At(40, 9).glyph, '#') << what;
        EXPECT_EQ(potionAppearances[0].kind, -1) << what;
    }
};

TEST_F(SaveStream, BlocksFollowInFileOrderWithTheirSizes) {
    int32_t items = 0;
    for (const Floor& floor : floorArray) {
        for (const Tile& tile : floor.tiles) items += static_cast<int32_t>(tile.items.size());
    }
    Carry(FirstKindOfType(kItemFood));
    const size_t sageCount = sages.size();
    const size_t carried = player.inventory.size();
    const size_t monsters = static_cast<size_t>(MonsterCount());
    ASSERT_GT(monsters, 0u);
    const std::map<std::string, size_t> start = BlockStarts();
    EXPECT_EQ(start.at("sages"), 4u);
    EXPECT_EQ(start.at("potion and wand appearances"), 8 + 20 * sageCount);
    EXPECT_EQ(start.at("accessory appearances") - start.at("potion and wand appearances"), 60u * 87u);
    EXPECT_EQ(start.at("learned skills") - start.at("accessory appearances"), 35u * 88u);
    EXPECT_EQ(start.at("player") - start.at("learned skills"), 45u);
    EXPECT_EQ(start.at("floors") - start.at("player"), 736u + 4u + 24u * carried);
    EXPECT_EQ(start.at("monsters") - start.at("floors"), 35u * (1520u * 36u + 16u) + 24u * static_cast<size_t>(items));
    EXPECT_EQ(start.at("end") - start.at("monsters"), 4u + 204u * monsters);

    const std::vector<uint8_t> stream = WriteSaveStream();
    ASSERT_EQ(stream.size(), start.at("end"));
    EXPECT_EQ(stream[0], 106);
    // Only the archer's own skill is learned.
    const size_t learned = start.at("learned skills");
    for (int32_t i = 0; i < kSkillCount; ++i) {
        EXPECT_EQ(stream[learned + i], skillTable[i].effect == kSkillArchersRendingShot ? 1 : 0) << skillTable[i].name;
    }
}

// A game saved, loaded and saved again gives the same bytes, new or after play.
TEST_F(SaveStream, ALoadedGameSavesAsItWasSaved) {
    for (int32_t turns : {0, 300}) {
        SCOPED_TRACE(std::to_string(turns) + " turns");
        ASSERT_TRUE(MakeNewGame(kGameSeed));
        Type(std::string(2000, ' '));
        PlayScriptedTurns(turns);
        ++player.saveCount;
        const int32_t kills = player.kills;
        const size_t carried = player.inventory.size();
        const int32_t monsters = MonsterCount();
        const std::vector<uint8_t> first = WriteSaveStream();

        ASSERT_EQ(ReadSaveStream(first), SaveStreamResult::kRead);
        EXPECT_EQ(WriteSaveStream(), first);
        EXPECT_STREQ(player.name, "Tester");
        EXPECT_EQ(player.kills, kills);
        EXPECT_EQ(player.inventory.size(), carried);
        EXPECT_EQ(MonsterCount(), monsters);
        EXPECT_EQ(player.target, nullptr);
        if (turns > 0) {
            EXPECT_GT(kills, 0);
            EXPECT_GT(carried, 0u);
        }
    }
}

TEST_F(SaveStream, AStreamOfAnotherVersionChangesNothing) {
    std::vector<uint8_t> stream = WriteSaveStream();
    stream[0] = 105;
    EXPECT_EQ(ReadSaveStream(stream), SaveStreamResult::kWrongVersion);
    EXPECT_STREQ(player.name, "Tester");
    EXPECT_FALSE(sages.empty() && monsterListHead == nullptr);
}

TEST_F(SaveStream, TruncatedStreamsAreRefusedWithoutAHalfGame) {
    const std::vector<uint8_t> stream = WriteSaveStream();
    std::vector<size_t> lengths;
    for (const auto& [name, at] : BlockStarts()) {
        for (size_t shift : {size_t{0}, size_t{1}, size_t{3}}) {
            if (at >= shift && at - shift < stream.size()) lengths.push_back(at - shift);
            if (at + shift < stream.size()) lengths.push_back(at + shift);
        }
    }
    for (size_t length = 7; length < stream.size(); length += stream.size() / 97) lengths.push_back(length);
    lengths.push_back(stream.size() - 1);
    for (size_t length : lengths) {
        const std::vector<uint8_t> cut(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_EQ(ReadSaveStream(cut), SaveStreamResult::kDamaged) << "cut at " << length;
        ExpectNoGame("cut at " + std::to_string(length));
    }
    std::vector<uint8_t> longer = stream;
    longer.push_back(0);
    EXPECT_EQ(ReadSaveStream(longer), SaveStreamResult::kDamaged);
    EXPECT_EQ(ReadSaveStream(stream), SaveStreamResult::kRead);
}

// Each case writes one value over a field of the stream; every one of them
// would have the game index past a table, a map or a text.
TEST_F(SaveStream, CountsAndIndicesOutOfRangeAreRefused) {
    Wear(kSlotMainWeapon, FirstKindOfType(kItemWeapon));
    Carry(FirstKindOfType(kItemPotion));
    AddSage(10, 10, 3);
    floorArray[0].At(1, 1).items.push_back(player.inventory[0]);
    const std::map<std::string, size_t> start = BlockStarts();
    const size_t p = start.at("player");
    const size_t tile11 = start.at("floors") + (1 * 19 + 1) * 36;  // tile (1, 1) of floor 0, the first with items
    const size_t m = start.at("monsters");
    struct Damage {
        const char* what;
        size_t offset;
        int64_t value;
        int width;
    };
    const Damage cases[] = {
        {"a sage count beyond the data", start.at("sages"), 0x10000000, 4},
        {"a negative sage count", start.at("sages"), -1, 4},
        {"a sage on floor 35", start.at("sages") + 4 + 8, 35, 4},
        {"a potion look of kind 250", start.at("potion and wand appearances"), 250, 4},
        {"a look's name without its end", start.at("potion and wand appearances") + 7, 0x41414141, -80},
        {"a ring look of kind -2", start.at("accessory appearances") + 88, -2, 4},
        {"a learned flag of 2", start.at("learned skills") + 3, 2, 1},
        {"a name without its end", p, 0x41414141, -15},
        {"the name \"..\"", p, 0x2e2e, 4},
        {"an empty name", p, 0, 1},
        {"a pronoun without its end", p + 15, 0x41414141, 4},
        {"x 80", p + 19, 80, 4},
        {"y -1", p + 23, -1, 4},
        {"floor 35", p + 27, 35, 4},
        {"the surface", p + 27, -1, 4},
        {"deepest floor 35", p + 31, 35, 4},
        {"a slot past the inventory", p + 39, 2, 4},
        {"a slot of -2", p + 39 + 4 * 18, -2, 4},
        {"race 4", p + 507, 4, 4},
        {"training 0", p + 511, 0, 4},
        {"a berserk boon of 10", p + 570, 10, 4},
        {"fighting style 6", p + 602, 6, 4},
        {"quick skill 45", p + 643, 45, 4},
        {"a thrown kind of 250", p + 676, 250, 4},
        {"a negative inventory count", p + 736, -1, 4},
        {"an inventory beyond the data", p + 736, 0x7fffffff, 4},
        {"an inventory item of kind 250", p + 740, 250, 4},
        {"a worn weapon with prefix 35", p + 740 + 20, 35, 4},
        {"a tile with 23 items", tile11 + 32, 23, 4},
        {"a tile item of kind -1", tile11 + 36, -1, 4},
        {"trap kind 19", start.at("floors") + 21, 19, 4},
        {"feeling 18", start.at("monsters") - 12, 18, 4},
        {"weather 3", start.at("monsters") - 4, 3, 4},
        {"a monster count beyond the data", m, 0x01000000, 4},
        {"a negative monster count", m, -5, 4},
        {"a monster at x 80", m + 4, 80, 4},
        {"a monster on floor -1", m + 4 + 97, -1, 4},
        {"a monster's name without its end", m + 4 + 11, 0x41414141, -70},
    };
    const std::vector<uint8_t> stream = WriteSaveStream();
    ASSERT_EQ(ReadSaveStream(stream), SaveStreamResult::kRead);
    for (const Damage& damage : cases) {
        std::vector<uint8_t> bytes = stream;
        // A negative width fills that many bytes with the value's low byte.
        const int width = damage.width < 0 ? -damage.width : damage.width;
        for (int i = 0; i < width; ++i) {
            const int shift = damage.width < 0 ? 0 : 8 * i;
            bytes[damage.offset + static_cast<size_t>(i)] = static_cast<uint8_t>(damage.value >> shift);
        }
        EXPECT_EQ(ReadSaveStream(bytes), SaveStreamResult::kDamaged) << damage.what;
        ExpectNoGame(damage.what);
    }
}

TEST_F(SaveStream, FlippedBytesAreLoadedOrRefusedButNeverCrash) {
    const std::vector<uint8_t> stream = WriteSaveStream();
    RandomMother flips;
    flips.RandomInit(99);
    int32_t refused = 0;
    for (int32_t n = 0; n < 200; ++n) {
        std::vector<uint8_t> bytes = stream;
        // Past the version, whose damage is told apart.
        const size_t at = 4 + static_cast<size_t>(flips.BRandom() % (bytes.size() - 4));
        bytes[at] ^= static_cast<uint8_t>(1 + flips.Random(255));
        const SaveStreamResult result = ReadSaveStream(bytes);
        ASSERT_NE(result, SaveStreamResult::kWrongVersion) << "byte " << at;
        if (result == SaveStreamResult::kDamaged) {
            ++refused;
            continue;
        }
        // A game that loads keeps its own ranges and saves again.
        EXPECT_TRUE(player.currentFloor >= 0 && player.currentFloor < kFloorCount) << "byte " << at;
        EXPECT_EQ(WriteSaveStream().size(), bytes.size()) << "byte " << at;
    }
    EXPECT_GT(refused, 0);
}

}  // namespace
