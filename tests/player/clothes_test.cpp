#include "player/condition_fixture.h"

namespace {

using namespace conditions;

class ClothesTest : public ConditionTest {
protected:
    static constexpr int32_t kClothSlots[] = {kSlotClothShirt, kSlotClothSocks, kSlotClothCap, kSlotClothTrousers,
                                              kSlotClothGloves};

    static void WearAllFive() {
        for (int32_t slot : kClothSlots) Wear(slot, kClothKind);
    }
};

TEST_F(ClothesTest, WarmthAddsBlessingAndWetnessBeforeCutting) {
    struct Piece {
        int32_t slot, warmth, blessing, wetness;
    };
    struct Case {
        const char* name;
        std::vector<Piece> pieces;
        int32_t warmth;
    };
    const Case cases[] = {
        {"nothing worn", {}, 0},
        {"blessed dry warmth 2", {{kSlotClothShirt, 2, 1, -1}}, 3},
        {"cursed wet warmth 1", {{kSlotClothShirt, 1, -1, 0}}, 0},
        {"two wet pieces of warmth 1", {{kSlotClothShirt, 1, 0, 3}, {kSlotClothSocks, 1, 0, 0}}, 1},
        {"wet warmth 2", {{kSlotClothCap, 2, 0, 5}}, 1},
        {"cursed warmth 0 with blessed warmth 2",
         {{kSlotClothGloves, 0, -1, -1}, {kSlotClothTrousers, 2, 1, -1}},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        int32_t kind = 20;
        for (const Piece& piece : c.pieces) {
            DefineKind(kind, kItemCloth, piece.warmth, "cloth");
            Wear(piece.slot, kind++, piece.wetness, piece.blessing);
        }
        EXPECT_EQ(player.SumClothWarmth(), c.warmth);
    }
}

TEST_F(ClothesTest, CarriedClothDoesNotWarm) {
    Carry(kClothKind);
    EXPECT_EQ(player.SumClothWarmth(), 0);
}

TEST_F(ClothesTest, WettingSoaksUpToTheAskedNumberOfWornPieces) {
    WearAllFive();
    EXPECT_TRUE(player.WetClothes(50, 2));
    int32_t wet = 0;
    for (const ItemData& item : player.inventory) {
        if (item.prefix < 0) continue;
        ++wet;
        EXPECT_GE(item.prefix, -1 + 50);
        EXPECT_LE(item.prefix, -1 + 50 + 99);
    }
    EXPECT_EQ(wet, 2);

    EXPECT_TRUE(player.WetClothes(10, 9));
    for (const ItemData& item : player.inventory) EXPECT_GE(item.prefix, 9);
}

TEST_F(ClothesTest, WettingFindsNothingWithoutWornCloth) {
    Carry(kClothKind);
    const RandomMother before = rng;
    EXPECT_FALSE(player.WetClothes(50, 5));
    EXPECT_EQ(player.inventory[0].prefix, -1);
    EXPECT_NE(rng.x[0], before.x[0]) << "the order of the pieces is drawn all the same";
}

// Pieces are visited in a drawn order: 0 shirt, 1 trousers, 2 cap, 3 gloves, 4 socks.
TEST_F(ClothesTest, WettingVisitsThePiecesInTheDrawnOrder) {
    const int32_t bySlotOfPiece[] = {kSlotClothShirt, kSlotClothTrousers, kSlotClothCap, kSlotClothGloves,
                                     kSlotClothSocks};
    WearAllFive();
    RandomMother reference = rng;
    bool taken[5] = {};
    int32_t first = -1;
    for (int32_t k = 0; k < 5; ++k) {
        int32_t piece = reference.Random(5);
        while (taken[piece]) piece = reference.Random(5);
        taken[piece] = true;
        if (k == 0) first = piece;
    }
    const int32_t extra = reference.Random(40);
    player.WetClothes(20, 1);
    const ItemData& wetted = player.inventory[player.equipSlots[bySlotOfPiece[first]]];
    EXPECT_EQ(wetted.prefix, -1 + 20 + extra);
}

TEST_F(ClothesTest, WornPiecesDryOneStepEachTurnCarriedOnesSometimes) {
    const int32_t worn = Wear(kSlotClothShirt, kClothKind, 3);
    const int32_t carried = Carry(kClothKind, 300);
    int32_t carriedSteps = 0;
    for (int32_t turn = 0; turn < 2; ++turn) {
        const int32_t before = player.inventory[carried].prefix;
        player.DryClothes(0);
        carriedSteps += before - player.inventory[carried].prefix;
    }
    EXPECT_EQ(player.inventory[worn].prefix, 1);
    EXPECT_LE(carriedSteps, 2);

    for (int32_t turn = 0; turn < 200; ++turn) player.DryClothes(0);
    EXPECT_EQ(player.inventory[worn].prefix, -1);
    // About 45 turns in 100 dry a carried piece by one.
    EXPECT_GT(player.inventory[carried].prefix, 300 - 130);
    EXPECT_LT(player.inventory[carried].prefix, 300 - 50);
}

TEST_F(ClothesTest, CampfireAndDryingAmuletSpeedUpDrying) {
    const int32_t worn = Wear(kSlotClothShirt, kClothKind, 10);
    Tile& tile = floorArray[0].At(player.x, player.y);
    tile.glyph = '~';
    tile.featureState = 5;
    player.DryClothes(0);
    EXPECT_EQ(player.inventory[worn].prefix, 6);
    player.inventory[worn].prefix = 3;
    player.DryClothes(0);
    EXPECT_EQ(player.inventory[worn].prefix, 2) << "the fire takes 3 more only above 2";

    tile.featureState = 0;
    player.inventory[worn].prefix = 10;
    WearAccessory(kSlotAmulet, 35);
    player.DryClothes(0);
    EXPECT_EQ(player.inventory[worn].prefix, 4);
}

TEST_F(ClothesTest, LastDropIsWrungOutOnlyWhenTheCharacterIsFree) {
    int32_t Player::*const hindrances[] = {&Player::paralysis, &Player::dizziness, &Player::sleep, &Player::horror};
    for (int32_t Player::*hindrance : hindrances) {
        SetUp();
        const int32_t index = Carry(kClothKind, 0);
        player.*hindrance = 5;
        player.DryClothes(0);
        EXPECT_EQ(player.inventory[index].prefix, 0);
        player.*hindrance = 0;
        player.DryClothes(0);
        EXPECT_EQ(player.inventory[index].prefix, -1);
    }
}

TEST_F(ClothesTest, WringingOutIsReportedWithTheItemName) {
    Wear(kSlotClothShirt, kClothKind, 0);
    player.DryClothes(0);
    EXPECT_EQ(Messages(), "You manage to wring your linen shirt dry.");
}

TEST_F(ClothesTest, WaveOfWarmthDriesWornPiecesUntilOneIsDry) {
    const int32_t carried = Carry(kClothKind, 10);
    const int32_t first = Wear(kSlotClothShirt, kClothKind, 80);
    const int32_t second = Wear(kSlotClothSocks, kClothKind, 30);
    const int32_t third = Wear(kSlotClothCap, kClothKind, 90);
    player.DryClothes(50);
    EXPECT_EQ(player.inventory[carried].prefix, 10);
    EXPECT_EQ(player.inventory[first].prefix, 30);
    EXPECT_EQ(player.inventory[second].prefix, -1);
    EXPECT_EQ(player.inventory[third].prefix, 90) << "the wave ends at the first piece it dries";
}

TEST_F(ClothesTest, ClothOnlyIsDried) {
    const int32_t weapon = Wear(kSlotMainWeapon, kWeaponKind, 5);
    player.DryClothes(0);
    player.DryClothes(100);
    EXPECT_EQ(player.inventory[weapon].prefix, 5);
}

}  // namespace
