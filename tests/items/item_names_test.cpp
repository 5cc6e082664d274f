// Item names: display names with prefixes and wetness, articles, plurals, and
// the names of things the player has not identified.
#include <string>

#include "items/appearances.h"
#include "items/item_names.h"
#include "items/item_fixtures.h"

namespace {

using namespace items;

using ItemNaming = ItemTest;

TEST_F(ItemNaming, DisplayNamesShowPrefixesOfTriedGearAndWetnessOfClothes) {
    const int32_t sword = KindNamed("crude copper sword");
    const int32_t helmet = KindNamed("leather helmet");
    const int32_t shirt = KindNamed("linen shirt");
    const int32_t potion = KindNamed("potion of healing");
    struct Case {
        int32_t kind;
        int32_t extra;
        uint8_t identified;
        const char* name;
    };
    const Case cases[] = {
        {sword, 25, 1, "frosty crude copper sword"},
        {sword, 25, 0, "crude copper sword"},  // not tried yet: no prefix shown
        {sword, -1, 1, "crude copper sword"},
        {sword, 40, 1, "Undefined"},
        {sword, 40, 0, "crude copper sword"},
        {helmet, 0, 1, "deflecting leather helmet"},
        {shirt, -1, 1, "linen shirt"},
        {shirt, 0, 0, "wet linen shirt"},  // wetness 0 is already wet; the flag plays no part
        {potion, 25, 1, "potion of healing"},
        {-1, -1, 1, "Undefined"},
        {kItemKindCount, -1, 1, "Undefined"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(std::string(ItemKindDisplayName(c.kind, c.extra, c.identified)), c.name)
            << c.kind << " " << c.extra << " " << int(c.identified);
    }
}

TEST_F(ItemNaming, TheDisplayNameBufferHoldsOnlyTheLastName) {
    const char* first = ItemKindDisplayName(KindNamed("crude copper sword"), -1, 1);
    const char* second = ItemKindDisplayName(KindNamed("linen shirt"), 3, 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(std::string(first), "wet linen shirt");
}

TEST_F(ItemNaming, ABadPrefixIsCutToTheBufferInsteadOfOverrunningIt) {
    // Only a damaged table makes a name this long: 71 + 1 + 63 characters.
    std::memset(itemPrefixes[3].name, 'p', 71);
    itemPrefixes[3].name[71] = '\0';
    DefineKind(200, kItemArmour, std::string(63, 'k').c_str());
    const std::string name = ItemKindDisplayName(200, 3, 1);
    EXPECT_EQ(name.size(), 79u);
    EXPECT_EQ(name.substr(0, 72), std::string(71, 'p') + " ");
}

TEST(ItemNames, ArticlesFollowThePhraseTableThenTheVowels) {
    struct Case {
        const char* name;
        const char* withArticle;
    };
    const Case cases[] = {
        {"leather gauntlets", "a pair of leather gauntlets "},
        {"heavy bronze leg plates", "a pair of heavy bronze leg plates "},  // a prefixed name finds its row
        {"wet linen socks", "a pair of wet linen socks "},
        {"firemead", "a bottle of firemead "},
        {"volcanic honey", "a jar of volcanic honey "},
        {"warm goo", "a pile of warm goo "},
        {"yellow potion", "a yellow potion "},
        {"yellow wand", "a yellow wand "},
        {"yew longbow", "an yew longbow "},  // any other 'y' takes "an "
        {"arrow", "an arrow "},
        {"ice pick", "an ice pick "},
        {"umbrella", "an umbrella "},
        {"Emerald ring", "a Emerald ring "},  // the vowels are lower-case ones
        {"Leather gauntlets", "a Leather gauntlets "},  // and the phrases are matched by case
        {"leather boots", "a pair of leather boots "},
        {"heavy leather greaves", "a pair of heavy leather greaves "},
        {"dart", "a dart "},
        {"", "a  "},
    };
    for (const Case& c : cases) EXPECT_EQ(ItemNameWithArticle(c.name), c.withArticle) << c.name;
}

TEST(ItemNames, PluralsFromWholeNamesPhrasesAndTheEndingS) {
    struct Case {
        const char* name;
        const char* plural;
    };
    const Case cases[] = {
        {"firemead", "bottles of firemead "},
        {"volcanic honey", "jars of volcanic honey "},
        {"warm goo", "piles of warm goo "},
        {"everburning leaf", "everburning leaves "},
        {"exploding potion of acid", "exploding potions of acid "},
        {"potion of healing", "potions of healing "},
        {"piece of amber", "pieces of amber "},
        {"lump of silver", "lumps of silver "},
        {"pile of ash", "piles of ash "},
        {"old potion of ice", "old potions of ice "},  // the phrase turns plural where it stands
        {"arrow", "arrows "},
        {"glass", "glasses "},
        {"linen socks", "linen sockses "},  // an ending s takes "es", plural or not
        {"bolts  ", "bolts  es "},           // judged by the last non-blank; the ending goes after the blanks
        {"Bus", "Buses "},
        {"BUS", "BUSs "},
        {"", "s "},
    };
    for (const Case& c : cases) EXPECT_EQ(PluralItemName(c.name), c.plural) << c.name;
}

TEST(ItemNames, EndsWithSLooksPastTrailingBlanks) {
    EXPECT_TRUE(EndsWithS("socks"));
    EXPECT_TRUE(EndsWithS("socks   "));
    EXPECT_TRUE(EndsWithS("s"));
    EXPECT_FALSE(EndsWithS("SOCKS"));
    EXPECT_FALSE(EndsWithS("sock"));
    EXPECT_FALSE(EndsWithS("   "));
    EXPECT_FALSE(EndsWithS(""));
    EXPECT_FALSE(EndsWithS(nullptr));
}

TEST_F(ItemNaming, UnidentifiedPotionsWandsAndAccessoriesGoByTheirLooks) {
    ShufflePotionNames();
    ShuffleWandNames();
    ShuffleAccessoryNames();
    const int32_t potion = KindNamed("potion of healing");
    const int32_t sword = KindNamed("crude copper sword");
    const int32_t shirt = KindNamed("linen shirt");
    const int32_t wand = FirstKindOfType(kItemWand);
    const int32_t ring = FirstKindOfType(kItemAccessory);
    EXPECT_EQ(ShownItemName(Item(potion)), PotionAppearanceName(potion));
    EXPECT_EQ(ShownItemName(Item(wand)), WandAppearanceName(wand));
    EXPECT_EQ(ShownItemName(Item(ring)), AccessoryAppearanceName(ring));
    EXPECT_EQ(ShownItemName(Item(sword, 1, kPrefixFrosty)), "frosty crude copper sword");
    EXPECT_EQ(ShownKindName(Item(sword, 1, kPrefixFrosty)), "crude copper sword");
    EXPECT_EQ(ShownKindName(Item(shirt, 1, 300)), "linen shirt");
    EXPECT_EQ(ShownKindName(Item(potion)), PotionAppearanceName(potion));

    // The kind is what counts, not the item's own flag.
    player.identifiedKinds[potion] = 1;
    player.identifiedKinds[wand] = 1;
    EXPECT_EQ(ShownItemName(Item(potion, 1, kNoPrefix, kUncursed, 0)), "potion of healing");
    EXPECT_EQ(ShownKindName(Item(wand)), itemKinds[wand].name);
}

}  // namespace
