// The real program: a character zaps a wand from the inventory, names it by its
// look, aims it, and learns what it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "item_use/zap_wand.h"
#include "items/appearances.h"
#include "records/saved_game.h"
#include "support/game_session.h"

namespace {

// The index of the game's wand kind with the effect.
int32_t WandKind(int32_t effect) {
    for (int32_t kind = 0; kind < kItemKindCount; ++kind) {
        if (itemKinds[kind].type == kItemWand && itemKinds[kind].power == effect) return kind;
    }
    return -1;
}

}  // namespace

TEST(WandsInPlay, ACharacterZapsAnUnknownWandAtHerselfAndLearnsItsKind) {
    ASSERT_TRUE(MakeNewGame(7));
    // She carries nothing but a wand of digging with two charges, and wears nothing.
    player.inventory.clear();
    for (int32_t& slot : player.equipSlots) slot = kEmptySlot;
    const int32_t kind = WandKind(kWandDigging);
    ASSERT_GE(kind, 0);
    ItemData wand;
    wand.kind = kind;
    wand.durability = 2;
    player.inventory.push_back(wand);
    const std::string look = WandAppearanceName(kind);
    const std::vector<uint8_t> save = WritePackedSave();

    GameSession game;
    game.WriteFile("Data/Tester/Tester.hmd", std::string(save.begin(), save.end()));
    game.Start(SessionOptions().WithArguments({"-name", "Tester"}));
    ASSERT_TRUE(game.WaitForText(23, 0, "HP: ")) << game.Dump();
    game.Type("i");
    ASSERT_TRUE(game.WaitForText(look)) << game.Dump();
    game.Type("u");
    ASSERT_TRUE(game.WaitForText(21, 0, "Select a numpad or arrow key direction.")) << game.Dump();
    EXPECT_SHOWN(game, 19, 0, "You zap the " + look + ". ");
    game.Type("5");
    ASSERT_TRUE(game.WaitForText(19, 0, "You feel something invisible tickling your belly. You giggle.")) << game.Dump();

    // Known now: the inventory names it by its kind.
    game.Type("i");
    ASSERT_TRUE(game.WaitForText("wand of digging")) << game.Dump();
    game.Type("z");
    game.Type("QY");
    EXPECT_EQ(game.WaitForExit(), std::optional<int>(1)) << game.Dump();
    EXPECT_EQ(game.SanitizerReports(), "");
}
