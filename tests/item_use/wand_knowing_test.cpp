// Creation, identification, curse detection and persuasion.
#include <string>

#include "item_use/wand_fixture.h"
#include "toolkit/random_mother.h"

#include <curses.h>

using namespace wands;

TEST_F(WandTest, CreationOnAFullSquareFizzlesBeforeTheMenu) {
    for (int32_t i = 0; i < kMaxTileItems; ++i) TileAt(kX, kY).items.push_back(items::Item(items::KindNamed("arrow")));
    ZapCreation(WandKind(kWandCreation));
    EXPECT_EQ(Messages(), "The spell fizzles.");
    EXPECT_FALSE(Known(kWandCreation));
    EXPECT_EQ(TileAt(kX, kY).items.size(), static_cast<std::size_t>(kMaxTileItems));
}

TEST_F(WandTest, TheCreationMenuWaitsForOneOfItsKeysAndIgnoresEveryOther) {
    Type("\x1bxz5");
    EXPECT_TRUE(RunUntilItWaitsForAKey([] { ZapCreation(WandKind(kWandCreation)); }));
    EXPECT_EQ(TextAt(19, 0, 48), "You can focus your mind on one of the following:");
    EXPECT_EQ(TextAt(20, 0, 48), "(W)eapon, (A)rmor, (C)loth, Amm(u)nition, (F)ood");
    EXPECT_EQ(TextAt(21, 0, 45), "(M)agical, (V)aluable or C(r)aftable material");
    EXPECT_EQ(ColourAt(21, 0), kLightCyan);
    EXPECT_TRUE(TileAt(kX, kY).items.empty());
}

TEST_F(WandTest, CreationMakesAThingOfTheSortAskedForAtTheZappersFeet) {
    struct Case {
        const char* keys;
        int32_t type;
    };
    for (const Case c : {Case{"w", kItemWeapon}, Case{"A", kItemArmour}, Case{"f", kItemFood}, Case{"R", kItemMaterial}}) {
        TileAt(kX, kY).items.clear();
        // 21 items already: the new one is the 22nd.
        for (int32_t i = 0; i < kMaxTileItems - 1; ++i) TileAt(kX, kY).items.push_back(items::Item(items::KindNamed("arrow")));
        Type(c.keys);
        ZapCreation(WandKind(kWandCreation));
        const Tile& feet = TileAt(kX, kY);
        if (feet.items.size() == static_cast<std::size_t>(kMaxTileItems)) {
            EXPECT_EQ(itemKinds[feet.items.back().kind].type, c.type) << c.keys;
        } else {
            EXPECT_GT(feet.gold, 0) << c.keys;
        }
        EXPECT_TRUE(Known(kWandCreation));
    }
    EXPECT_NE(Messages().find("Something appears at your feet."), std::string::npos);
}

TEST_F(WandTest, CreationGivesGoldWhenTheDungeonHasNothingOfTheSort) {
    for (ItemKind& kind : itemKinds.kinds) {
        if (kind.type == kItemValuable) kind.inUse = 0;
    }
    Type("v");
    ZapCreation(WandKind(kWandCreation));
    // Level 4: 6 + 36 and up to 36 more.
    EXPECT_GE(TileAt(kX, kY).gold, 42);
    EXPECT_LE(TileAt(kX, kY).gold, 78);
    EXPECT_TRUE(TileAt(kX, kY).items.empty());
}

TEST_F(WandTest, TheMagicalSortIsAWandAPotionOrAnAccessoryByOneDraw) {
    for (const int32_t roll : {0, 1, 2}) {
        rng.RandomInit(FindSeed([roll](RandomMother& probe) { return probe.Random(3) == roll; }));
        const int32_t expected[] = {kItemWand, kItemPotion, kItemAccessory};
        EXPECT_EQ(CreationCategoryOf('M'), expected[roll]);
    }
    EXPECT_EQ(CreationCategoryOf('u'), kItemAmmunition);
    EXPECT_EQ(CreationCategoryOf('C'), kItemCloth);
    EXPECT_EQ(CreationCategoryOf(KEY_F(1)), -1);
}

TEST_F(WandTest, DetectCursesTellsTheBlessingOfTheChosenPiece) {
    const int32_t sword = Carry(items::KindNamed("crude copper sword"), -1, kBlessed);
    player.inventory[static_cast<std::size_t>(sword)].identified = 0;
    Type(" d");
    ZapDetectCurses(WandKind(kWandDetectCurses));
    EXPECT_EQ(player.inventory[static_cast<std::size_t>(sword)].identified, 1);
    EXPECT_EQ(player.inventory[static_cast<std::size_t>(sword)].blessing, kBlessed);
    EXPECT_TRUE(Known(kWandDetectCurses));
    EXPECT_NE(Messages().find("This wand seems to be able to detect curses. It vibrates harder near your wearable "
                              "items. Press space."),
              std::string::npos)
        << Messages();
    EXPECT_NE(Messages().find("It seems to be blessed."), std::string::npos) << Messages();
}

TEST_F(WandTest, DetectCursesWithNothingToTestWastesTheChargeButIdentifiesTheWand) {
    Type(" ");
    ZapDetectCurses(WandKind(kWandDetectCurses));
    EXPECT_TRUE(Known(kWandDetectCurses));
    EXPECT_NE(Messages().find("Your inventory is empty!"), std::string::npos) << Messages();
}

TEST_F(WandTest, IdentifyingARingShowsItsBlessingTooButAPotionKeepsItsOwnFlag) {
    const int32_t ring = Carry(items::KindNamed("ring of carrying"), -1, kCursed);
    const int32_t potion = Carry(items::FirstKindOfType(kItemPotion));
    player.inventory[static_cast<std::size_t>(ring)].identified = 0;
    player.inventory[static_cast<std::size_t>(potion)].identified = 0;
    RevealChosenKind(ring);
    RevealChosenKind(potion);
    EXPECT_EQ(player.inventory[static_cast<std::size_t>(ring)].identified, 1);
    EXPECT_EQ(player.inventory[static_cast<std::size_t>(potion)].identified, 0);
    EXPECT_EQ(player.identifiedKinds[player.inventory[static_cast<std::size_t>(potion)].kind], 1);
    EXPECT_EQ(Messages().rfind("It seems to be ring of carrying. It ", 0), 0u) << Messages();
}

TEST_F(WandTest, TheIdentifyWandIsKnownAtOnceEvenWhenNothingCanBeChosen) {
    Type(" ");
    ZapIdentify(WandKind(kWandIdentify));
    EXPECT_TRUE(Known(kWandIdentify));
    EXPECT_EQ(Messages().rfind("This wand seems to be able to identify something. It vibrates harder near your items. "
                               "Press space.",
                               0),
              0u)
        << Messages();
}

TEST(Persuasion, APersuadedSageComesDownToHisFloorsPriceThenByFifthsToHalfOfIt) {
    struct Case {
        int32_t floor;
        int32_t price;
        int32_t after;
    };
    const Case cases[] = {
        {0, 160, 100}, {0, 100, 80}, {0, 60, 50}, {0, 55, 50}, {0, 50, 50}, {0, 400, 100},
        {13, 300, 240}, {13, 180, 150}, {34, 600, 480},
    };
    for (const Case& c : cases) EXPECT_EQ(PersuadedPrice(c.price, c.floor), c.after) << c.floor << " " << c.price;
}

TEST_F(WandTest, PersuasionWorksOnSagesOnly) {
    AddSage(kX + 1, kY, 0);
    sages.back().priceLevel = 100;
    ZapPersuasion(WandKind(kWandPersuasion), '6');
    EXPECT_EQ(sages.back().priceLevel, 80);
    EXPECT_TRUE(Known(kWandPersuasion));

    ResetGameState();
    BuildRoom();
    AddSage(kX + 5, kY, 0);
    TileAt(kX - 1, kY).glyph = kDeepSmithGlyph;
    ZapPersuasion(WandKind(kWandPersuasion), '4');
    EXPECT_EQ(Messages(), "An ethereal man appears in front of the deep smith and starts talking. The smith laughs at "
                          "both of you and says: \"Haha, that trick only works on those foolish old Sages!\" The "
                          "spell fizzles.");
    EXPECT_EQ(sages.back().priceLevel, 100);
    EXPECT_TRUE(Known(kWandPersuasion));

    ResetGameState();
    BuildRoom();
    ZapPersuasion(WandKind(kWandPersuasion), '8');
    EXPECT_EQ(Messages(), "");
    EXPECT_EQ(CharAt(kY - 1, kX), '*');
    EXPECT_FALSE(Known(kWandPersuasion));
}
