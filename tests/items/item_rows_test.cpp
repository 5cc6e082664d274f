// The rows of the item lists: every value in its column, the name in the
// colour of what is known of the item.
#include <string>

#include "items/appearances.h"
#include "items/item_fixtures.h"
#include "items/item_rows.h"
#include "toolkit/message_log.h"

namespace {

using namespace items;

// A hand-made one-handed weapon: power 5, maximum damage 6, weight 15, durability 30.
constexpr int32_t kBlade = 200;

class ItemRows : public ItemTest {
protected:
    void SetUp() override {
        ItemTest::SetUp();
        DefineKind(kBlade, kItemWeapon, "test blade", kSubtypeOneHanded);
        itemKinds[kBlade].power = 5;
        itemKinds[kBlade].secondValue = 6;
        itemKinds[kBlade].weight = 15;
        itemKinds[kBlade].maxDurability = 30;
    }
    // The row of the item as the screen shows it, without its markup and padding.
    static std::string RowOf(const ItemData& item, bool equipped = false) {
        player.inventory = {item};
        player.equipSlots[kSlotMainWeapon] = equipped ? 0 : -1;
        std::string text = MessageLog::StripColourCodes(ItemRowText(0));
        return text.substr(0, text.find_last_not_of(' ') + 1);
    }
};

TEST_F(ItemRows, EachValueStandsInItsColumn) {
    ItemData blade = Item(kBlade);
    blade.durability = 25;
    ItemData worn = blade;
    worn.durability = 5;
    ItemData arrows = Item(KindNamed("arrow"), 150);
    ItemData stones = Item(KindNamed("flintstone"), 12);
    ItemData shield = Item(KindNamed("wooden small shield"));
    ItemData shirt = Item(KindNamed("linen shirt"), 1, 260);
    ItemData heavy = Item(kBlade, 1, kPrefixHeavy);
    ItemData light = Item(kBlade, 1, kPrefixAntiWeight);
    ItemData food = Item(KindNamed("firemead"), 3);
    struct Case {
        ItemData item;
        bool equipped;
        const char* row;
    };
    //  columns:             0    5     11 14   19     26      34
    const Case cases[] = {
        {blade, true,   "*    1     25/30   5.5    15      1H test blade"},
        {worn, false,   "     1      5/30   5.5    15      1H test blade"},
        {heavy, false,  "     1     30/30   5.5    90      1H heavy test blade"},
        {light, false,  "     1     30/30   5.5    0       1H anti-weight test blade"},
        {shield, false, "     1     16/16   0.5    14      wooden small shield"},
        {shirt, false,  "     1     18/18   1.0    2       wet linen shirt"},
        {arrows, false, "     150                  0       arrow"},
        {stones, false, "     12            2.0    1       flintstone"},
        {food, false,   "     3                    3       firemead"},
    };
    for (const Case& c : cases) EXPECT_EQ(RowOf(c.item, c.equipped), c.row);
    EXPECT_EQ(ItemRowText(0).size(), kItemRowWidth);
}

TEST_F(ItemRows, AWandWithoutChargesSaysEmpty) {
    ShuffleWandNames();
    const int32_t wand = FirstKindOfType(kItemWand);
    ItemData item = Item(wand);
    item.empty = 1;
    const std::string look = WandAppearanceName(wand);
    EXPECT_EQ(RowOf(item), "     1     Empty          " + std::to_string(itemKinds[wand].weight) + "       " + look);
}

TEST_F(ItemRows, ALongNameLosesItsHandMarkAndNothingOverflows) {
    std::snprintf(itemKinds[kBlade].name, sizeof itemKinds[kBlade].name, "%s", std::string(41, 'b').c_str());
    EXPECT_EQ(RowOf(Item(kBlade)).substr(34), std::string(41, 'b'));
    std::snprintf(itemKinds[kBlade].name, sizeof itemKinds[kBlade].name, "%s", std::string(40, 'b').c_str());
    EXPECT_EQ(RowOf(Item(kBlade)).substr(34), "1H " + std::string(40, 'b'));

    // Huge numbers and the longest name push the columns but stay within the row.
    std::snprintf(itemKinds[kBlade].name, sizeof itemKinds[kBlade].name, "%s", std::string(63, 'n').c_str());
    ItemData huge = Item(kBlade, 2000000000, kPrefixPossessed);
    huge.durability = -2000000000;
    itemKinds[kBlade].weight = 300000000;
    player.inventory = {huge};
    EXPECT_EQ(ItemRowText(0).size(), kItemRowWidth);
}

TEST_F(ItemRows, ThePickUpRowKeepsItsFourColumns) {
    ShufflePotionNames();
    const int32_t potion = KindNamed("potion of healing");
    ItemData blade = Item(kBlade);
    ItemData chipped = blade;
    chipped.durability = 7;
    struct Case {
        ItemData item;
        bool marked;
        const char* row;
    };
    //  columns:                          0          11           24        34
    const Case cases[] = {
        {blade, true, "1          30           *         test blade"},
        {chipped, false, "1          7                      test blade"},
        {Item(kBlade, 1, kNoPrefix, kBlessed), false, "1          30                     test blade"},
        {Item(kBlade, 1, kNoPrefix, kCursed, 0), false, "1          30                     test blade"},
        {Item(potion, 3), true, "3                       *         "},
        {Item(KindNamed("arrow"), 1000), false, "1000                               arrow"},  // one column on
    };
    for (const Case& c : cases) {
        std::string row = MessageLog::StripColourCodes(PickupRowText(c.item, c.marked));
        row = row.substr(0, row.find_last_not_of(' ') + 1);
        std::string expected = c.row;
        if (c.item.kind == potion) expected += PotionAppearanceName(potion);
        EXPECT_EQ(row, expected);
    }
}

// The colours, on a real screen.
class ItemRowColours : public ItemScreenTest {
protected:
    void SetUp() override {
        ItemScreenTest::SetUp();
        ShufflePotionNames();
    }
};

TEST_F(ItemRowColours, NamesShowWhatIsKnownAndTheHighlightIsGreen) {
    const int32_t sword = KindNamed("crude copper sword");
    const int32_t potion = KindNamed("potion of healing");
    player.inventory = {Item(sword, 1, kNoPrefix, kCursed, 0), Item(sword, 1, kNoPrefix, kCursed),
                        Item(sword, 1, kNoPrefix, kBlessed), Item(sword), Item(potion, 1, kNoPrefix, kBlessed)};
    for (int32_t i = 0; i < 5; ++i) player.DrawItemRow(false, 4 + i, i);
    player.DrawItemRow(true, 10, 3);
    EXPECT_EQ(ColourAt(4, 0), kLightCyan);
    EXPECT_EQ(ColourAt(4, 5), kLightCyan);
    EXPECT_EQ(ColourAt(4, 34), kDarkGrey);  // cursed, but not found out yet
    EXPECT_EQ(ColourAt(5, 34), kLightRed);
    EXPECT_EQ(ColourAt(6, 34), kYellow);
    EXPECT_EQ(ColourAt(7, 34), kLightBlue);
    const std::string look = PotionAppearanceName(potion);
    EXPECT_EQ(TextAt(8, 34, static_cast<int>(look.size())), look);
    EXPECT_EQ(ColourAt(8, 34), kLightBlue);  // a potion is blue, blessed or not
    EXPECT_EQ(ColourAt(10, 5), kLightCyan + kOnGreen);
    EXPECT_EQ(ColourAt(10, 34), kLightBlue + kOnGreen);
    EXPECT_EQ(ColourAt(10, 78), kLightBlue + kOnGreen);  // green across the row
}

}  // namespace
