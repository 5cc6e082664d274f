#include "shell/tutorial.h"

#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"

namespace {

constexpr int32_t kRowWidth = 79;

std::vector<TutorialRow> PageOne(uint8_t mode) {
    return {
        {2, true,
         mode == 0 ? "@C  This seems to be your first time playing @WHollowmere@C! Here's a few tips"
                   : "@C  Welcome to the short beginner tutorial of @WHollowmere@C! Here's a few tips"},
        {3, false, "  that will help you get started more quickly and perhaps survive the dungeon."},
        {5, true, "@c  First, a few words about the commands and UI:"},
        {6, false, "     -You can move with the arrow keys, but the numpad is more flexible. Note"},
        {7, true, "@C      that the numpad needs numlock to be turned @Won@C."},
        {8, false, "     -To move faster through empty corridors and rooms, press 'w' and then a"},
        {9, false, "      direction: your character keeps moving until it finds something."},
        {11, true, "@C     -To wait or to rest press '5' or '@W.@C'. Resting makes your health and"},
        {12, false, "      energy regenerate faster."},
        {13, false, "     -For a quick rest press 'w' as when you move fast, and then"},
        {14, true, "@C      choose '5' or '@W.@C' as the direction. Your character then rests for 50"},
        {15, false, "      turns, or until fully healed, or until something interesting happens."},
        {17, false, "     -Most menus show a help bar at the top that lists their commands. The"},
        {18, true, "@C      @Warrow keys@C, @Wenter@C and @Wesc@C work in the menus too."},
        {19, false, "     -Items can break, so the equipment screen shows the durability of each"},
        {20, true, "@C      item, a @Wnumber@C, next to its name."},
        {21, true, "@C      A blue '@B*@C' marks a slot where an item better than the current one"},
        {22, false, "      could be equipped."},
    };
}

std::vector<TutorialRow> PageTwo() {
    return {
        {2, false, "     -All equippable items except throwing weapons have a color-coded status:"},
        {3, true, "@C      @Yyellow@C text means blessed, @Bblue@C text uncursed, @Rred@C text cursed, and"},
        {4, true, "@C      @Igray@C text means that you don't know the item's status yet. You see the"},
        {5, false, "      colors in the inventory and equipment screens. Blessed items are more"},
        {6, false, "      powerful, cursed ones are worse than normal ones and can't be unequipped."},
        {8, false, "     -Look at or examine things with 'l' in the dungeon. Items can also be"},
        {9, false, "      examined in the inventory screen to see what they do. The effects of"},
        {10, true, "@C      @Wprefixed@C and @Widentified@C items can be obscure, though."},
        {11, false, "     -You can always use '?' to see the full in-game command list."},
        {13, true, "@C     -You can change the key bindings by editing the file @WKeybindings.txt@C."},
        {14, false, "      The same file also sets how fast the quick move runs (its first number,"},
        {15, false, "      the pause between two steps in milliseconds)."},
        {17, true, "@c  And a few more survival tips:"},
        {18, false, "     -Keep an eye on your body temperature. The dungeon is cool at first, and"},
        {19, true, "@C      it gets colder the deeper you go. @WClothes@C protect you from the cold"},
        {20, false, "      passively, as armour protects you from damage, but they don't warm you."},
        {21, true, "@C      When your temperature drops too low, eat @Wwarm food@C. Staying at"},
        {22, true, "@C      '@YWarm@C' is good for you."},
    };
}

std::vector<TutorialRow> PageThree() {
    return {
        {2, false, "     -You will want to learn skills to survive the dungeon. Here's how they"},
        {3, false, "      work: first you need to meet the requirements of a skill. Then you"},
        {4, true, "@C      learn it by spending a @Wskill point@C in the skill learning menu. After"},
        {5, false, "      that you can use it from the skill usage menu, or set it as your quick"},
        {6, false, "      skill and use it with the quick skill key."},
        {8, true, "@C     -Most strike and shot skills are first @Wprepared@C and then carried out the"},
        {9, false, "      next time you hit something. You can move and explore with one prepared."},
        {11, true, "@C     -The '@Wsort by attainability@C' command of the skill learning menu helps"},
        {12, false, "      you plan which skill to learn next."},
        {13, false, "     -The offensive skills come in tiers 0 to 3. You start with a tier 0 skill"},
        {14, false, "      that causes bleeding wounds."},
        {16, true, "@C     -The most important strategy is ample @Wregeneration@C of health: rest"},
        {17, false, "      after every fight until you are fully healed. The second most important"},
        {18, false, "      is keeping your gear up to date."},
        {20, true, "@C     -More guidance can be found in @WManual.txt@C. You can read this tutorial"},
        {21, false, "      again from the main menu."},
    };
}

std::vector<TutorialRow> PageFour() {
    return {
        {2, true, "@C -Make the terminal window @W80x25@C or larger: 80 columns and 25 rows. The"},
        {3, false, "  game checks the size when it starts and stops in a smaller window: resize"},
        {4, false, "  the window, then restart the game."},
        {6, true, "@C -Use a terminal that shows @rc@go@yl@co@pr@is@C, and let @WTERM@C name that terminal:"},
        {7, false, "  xterm-256color in most desktop terminals, tmux-256color inside tmux and"},
        {8, false, "  screen-256color inside screen. A TERM without colors keeps the game from"},
        {9, false, "  starting, and one that names another terminal can garble keys and colors."},
        {11, true, "@C -The bright colors are drawn in bold. If they are hard to tell apart, pick a"},
        {12, true, "@C  @Wlarger font@C in your terminal's settings, and let it show bold text in"},
        {13, false, "  bright colors if it can."},
    };
}

// The bound key drawn over the default letter that the page text shows.
struct KeyOverlay {
    int32_t page;
    int32_t x;
    int32_t y;
    int32_t command;
};

constexpr KeyOverlay kOverlays[] = {
    {1, 63, 8, kCommandQuickMove}, {1, 32, 11, kCommandRest}, {1, 30, 13, kCommandQuickMove},
    {1, 14, 14, kCommandRest},     {2, 38, 8, kCommandLook},  {2, 26, 11, kCommandHelp},
};

const char* Prompt(int32_t page, uint8_t mode) {
    switch (page) {
        case 1: return "@c Read the page, then press '@W1@c' to continue the tutorial. ";
        case 2: return "@c Read the page, then press '@W2@c' to continue the tutorial. ";
        case 3: return "@c Read the page, then press '@W3@c' to continue the tutorial. ";
        default:
            return mode == 0 ? "@c     Read the page, then press '@W4@c' to start playing.     "
                             : "@c     Read the page, then press '@W4@c' to return.     ";
    }
}

void DrawPage(int32_t page, uint8_t mode) {
    if (page < 4) {
        DrawText("Tutorial", 35, 0, kCyan);
    } else {
        DrawText("Setting Up Your Terminal", 28, 0, kCyan);
    }
    const int32_t lastRow = page < 4 ? 23 : 13;
    const std::vector<TutorialRow> rows = TutorialPage(page, mode);
    for (int32_t row = 2; row <= lastRow; ++row) {
        const TutorialRow* body = nullptr;
        for (const TutorialRow& candidate : rows) {
            if (candidate.row == row) body = &candidate;
        }
        if (body == nullptr) {
            DrawText(std::string(kRowWidth, ' '), 0, row, kLightCyan);
            continue;
        }
        std::string text = body->text;
        const int32_t width = MessageLog::VisibleLength(text);
        if (width < kRowWidth) text.append(static_cast<std::size_t>(kRowWidth - width), ' ');
        if (body->coded) {
            DrawCodedText(text.c_str(), 0, row, kOnBlack);
        } else {
            DrawText(text, 0, row, kLightCyan);
        }
    }
    for (const KeyOverlay& overlay : kOverlays) {
        if (overlay.page == page) DrawChar(KeyLabel(overlay.command), overlay.x, overlay.y, kWhite);
    }
    DrawCodedText(Prompt(page, mode), page == 4 && mode != 0 ? 15 : 11, 24, kOnBlack);
}

}  // namespace

std::vector<TutorialRow> TutorialPage(int32_t page, uint8_t mode) {
    switch (page) {
        case 1: return PageOne(mode);
        case 2: return PageTwo();
        case 3: return PageThree();
        default: return PageFour();
    }
}

void ShowTutorial(uint8_t mode) {
    for (int32_t page = 1; page <= 4; ++page) {
        DrawPage(page, mode);
        RefreshScreen();
        const int wanted = '0' + page;
        while (ReadKey() != wanted) {
        }
        ClearScreen();
    }
}
