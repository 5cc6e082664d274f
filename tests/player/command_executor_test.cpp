// What each command index does and whether it uses the action; attacks made
// by moving; what newly worn prefixes do.
#include <gtest/gtest.h>

#include "player/command_helpers.h"
#include "player/commands.h"
#include "support/screen_test.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

class CommandExecutor : public ScreenTest {
protected:
    bool RowsBlank(int first, int last) const {
        for (int row = first; row <= last; ++row) {
            if (Row(row) != std::string(80, ' ')) return false;
        }
        return true;
    }
};

TEST_F(CommandExecutor, RestingCountsTowardsRegenerationAndEndsAQuickRestAfterFifty) {
    EXPECT_EQ(RunCommand(kCommandRest), 1);
    EXPECT_EQ(player.hpRegen.count, 1);
    EXPECT_EQ(player.spRegen.count, 2);
    EXPECT_EQ(player.quickRestCount, 50);  // no quick rest under way: not counted

    player.runKey = '5';
    player.quickRestCount = 48;
    EXPECT_EQ(RunCommand(kCommandRest), 1);
    EXPECT_EQ(player.runKey, '5');
    EXPECT_EQ(RunCommand(kCommandRest), 1);
    EXPECT_EQ(player.quickRestCount, 50);
    EXPECT_EQ(player.runKey, kNoRunKey);
}

TEST_F(CommandExecutor, CommandsWithoutAKeyAndUnknownIndices) {
    EXPECT_EQ(RunCommand(kCommandNone), 0);
    EXPECT_EQ(RunCommand(kCommandNever), 1);  // never produced, but it takes the action
    EXPECT_EQ(RunCommand(-1), 0);
    EXPECT_EQ(RunCommand(kCommandCount), 0);
}

TEST_F(CommandExecutor, AConfusedCharacterCannotShootThrowOrQuickMove) {
    player.dizziness = 3;
    for (int32_t command : {kCommandShoot, kCommandQuickMove, kCommandThrow}) {
        messageLog.PrintMessage("Earlier. ");
        messageLog.FlushMessages(false);
        DrawText("old text", 0, 20, 11);
        EXPECT_EQ(RunCommand(command), 0) << command;
        EXPECT_EQ(Row(19), "You are too confused to do that" + std::string(49, ' ')) << command;
        EXPECT_EQ(ColourAt(19, 0), 11);
        EXPECT_TRUE(RowsBlank(20, 21)) << Dump();
        EXPECT_FALSE(messageLog.used[0]);  // said on the screen only, not logged
        EXPECT_EQ(MessageLog::StripColourCodes(messageLog.history[0]).substr(0, 9), "Earlier. ");
    }
}

TEST_F(CommandExecutor, AnImmobileCharacterRestsInsteadOfMovingAndCannotTakeTheStairs) {
    DrawMap(0, {"...", "<P>", "..."}, 10, 5);
    player.immobility = 2;
    EXPECT_EQ(RunCommand(kCommandNorth), 1);
    EXPECT_EQ(player.y, 6);
    EXPECT_EQ(player.hpRegen.count, 1);
    EXPECT_EQ(player.spRegen.count, 2);
    EXPECT_FALSE(messageLog.used[0]);

    player.x = 11;
    for (int32_t command : {kCommandAscend, kCommandDescend}) {
        EXPECT_EQ(RunCommand(command), 0);
        EXPECT_EQ(TextAt(19, 0, 15), "You can't move!");
        EXPECT_EQ(player.currentFloor, 0);
    }
}

TEST_F(CommandExecutor, MovingIntoAMonsterAttacksItWhateverHoldsTheCharacterBack) {
    DrawMap(0, {"...M", ".PM.", "...."}, 10, 5);
    SeeWholeFloor(0);
    struct Case {
        const char* why;
        int32_t immobility;
        int32_t berserkBoon;
    };
    // Berserking, the monster to the north-east is no reason not to hit the one to the east.
    const Case cases[] = {{"free", 0, 0}, {"immobile", 3, 0}, {"berserk", 0, kBoonStronger}, {"swifter", 0, kBoonSwifter}};
    for (Monster* m = monsterListHead; m != nullptr; m = m->next) m->hp = m->maxHp = 1000;  // none dies of the blows
    for (const Case& c : cases) {
        player.immobility = c.immobility;
        player.berserkBoon = c.berserkBoon;
        EXPECT_EQ(RunCommand(kCommandEast), 1) << c.why;
        messageLog.FlushMessages(true);
        EXPECT_EQ(player.x, 11) << c.why;
        EXPECT_EQ(player.hpRegen.count, 0) << c.why;  // an attack, not a rest
    }
}

TEST_F(CommandExecutor, HorrorStopsTheHandOnlyAgainstFearfulMonsters) {
    DrawMap(0, {".PM"}, 10, 5);
    player.horror = 5;
    monsterListHead->hp = monsterListHead->maxHp = 1000;
    EXPECT_EQ(RunCommand(kCommandEast), 1);  // an ordinary monster is hit
    messageLog.FlushMessages(true);
    monsterListHead->ability = 31;
    EXPECT_EQ(RunCommand(kCommandEast), 0);
    EXPECT_EQ(TextAt(19, 0, 41), "You're too horrified to hit that monster!");
    player.horror = 0;
    EXPECT_EQ(RunCommand(kCommandEast), 1);
}

TEST_F(CommandExecutor, APreparedDoubleOrMadStrikeFlashesAndIsSpent) {
    for (int32_t skill : {5, 15}) {
        DrawMap(0, {".P", "M."}, 10, 5);
        player.preparedSkill = skill;
        player.dizziness = 0;
        EXPECT_EQ(RunCommand(kCommandSouthWest), 1);
        EXPECT_EQ(CharAt(6, 10), '*');
        EXPECT_EQ(ColourAt(6, 10), 5);
        EXPECT_EQ(player.preparedSkill, 0);
        // The mad strike may leave the character dizzy for 2 to 4 turns.
        EXPECT_TRUE(player.dizziness == 0 || (skill == 15 && player.dizziness >= 2 && player.dizziness <= 4));
        FreeAllMonsters();
    }
}

TEST_F(CommandExecutor, SagesAndBurdensStopAStepButNotAnAttack) {
    DrawMap(0, {"...", ".P.", "..."}, 10, 5);
    AddSage(12, 6, 0);
    EXPECT_EQ(RunCommand(kCommandEast), 0);
    EXPECT_EQ(player.x, 11);
    EXPECT_FALSE(messageLog.used[0]);  // silently
    EXPECT_EQ(RunCommand(kCommandWest), 1);
}

TEST_F(CommandExecutor, PickingUpOnAnEmptyBagOpensTheBag) {
    DrawMap(0, {"P|"}, 10, 5);
    EXPECT_EQ(RunCommand(kCommandPickUp), 0);  // nothing lies here to take
    player.x = 11;
    EXPECT_EQ(RunCommand(kCommandPickUp), 1);
}

TEST_F(CommandExecutor, NewlyWornPrefixesTakeEffectAndAreAnnounced) {
    const auto item = [](int32_t prefix) {
        ItemData data;
        data.kind = 1;
        data.prefix = prefix;
        return data;
    };
    // 0 a blood bane sword, 1 a swift shield, 2 a ring with a prefix, 3 a deflecting helmet.
    player.inventory = {item(31), item(19), item(5), item(0)};
    const WornPrefixes nothingWorn = RememberWornPrefixes();
    player.equipSlots[kSlotMainWeapon] = 0;
    player.equipSlots[kSlotRightRing] = 2;  // rings are not among the slots whose prefixes act
    Type(" ");                              // the messages fill more than one page

    RandomMother probe = rng;
    const int32_t wound = probe.Random(8);
    ApplyNewlyWornPrefixes(nothingWorn);
    EXPECT_EQ(player.bleeding, 10 + wound);
    EXPECT_EQ(Messages(), "As your hand grips the weapon and it senses the blood coursing through your veins, a large "
                          "bleeding wound appears on your arm to feed its thirst. You have equipped an item that has a "
                          "prefix. You can examine it in the inventory screen to check its effect.");

    // The sword moves to the second hand, the shield and the helmet are put on: two are new.
    messageLog = MessageLog();
    player.bleeding = 0;
    const WornPrefixes before = RememberWornPrefixes();
    player.equipSlots[kSlotMainWeapon] = -1;
    player.equipSlots[kSlotSecondWeapon] = 0;
    player.equipSlots[kSlotShield] = 1;
    player.equipSlots[kSlotHelmet] = 3;
    ApplyNewlyWornPrefixes(before);
    EXPECT_EQ(player.bleeding, 0);
    EXPECT_EQ(Messages(), "You have equipped items that have a prefix. You can examine them in the inventory screen to "
                          "check their effects.");

    // Nothing new: nothing said.
    messageLog = MessageLog();
    ApplyNewlyWornPrefixes(RememberWornPrefixes());
    EXPECT_EQ(Messages(), "");
}

TEST_F(CommandExecutor, LeavingTheEquipmentScreenUnchangedUsesNoAction) {
    DrawMap(0, {".P."}, 10, 5);
    Type("z");
    EXPECT_EQ(RunCommand(kCommandEquipment), 0);
    EXPECT_EQ(CharAt(5, 11), '@');  // the map is drawn again
}

}  // namespace
