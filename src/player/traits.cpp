// Traits: the menu that raises one of them, and the training-room screen.
#include <string>

#include "player/progression_screen.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "world/player.h"
#include "world/trait_rows.h"

namespace {

constexpr int32_t kMenuColumn = 42;
constexpr int32_t kFirstTraitRow = 3;
constexpr int32_t kLevelColumn = kMenuColumn + 3 + kTraitLabelLevelColumn;

void DrawTraitLevels() {
    for (int32_t row = 0; row < kTraitCount; ++row) {
        DrawNumber(player.traits[kTraitRows[row].index], kLevelColumn, kFirstTraitRow + row, kLightCyan);
    }
}

bool EveryTraitMaxed() {
    for (const TraitRow& row : kTraitRows) {
        if (player.traits[row.index] < kTraitMaximum) return false;
    }
    return true;
}

void ShowMaxedNotice() {
    DrawText("That trait is maxed out already!", 43, 17, kWhite);
    DrawText("           Press Space          ", 43, 18, kWhite);
    WaitForSpaceKey();
    DrawText(std::string(32, ' '), 43, 17, kBlack);
    DrawText(std::string(32, ' '), 43, 18, kBlack);
}

void ShowConfirmation(int32_t row) {
    if (row >= 0) DrawChar(kTraitRows[row].letter, kMenuColumn, kFirstTraitRow + row, kLightGreen);
    DrawText("Select a trait to improve further", 43, 1, kDarkGrey);
    DrawText("Press space to exit", 30, 24, kWhite);
    DrawTraitLevels();
    WaitForSpaceKey();
}

}  // namespace

void DrawTraitMenu() {
    DrawText("Select a trait to improve further", 43, 1, kWhite);
    for (int32_t row = 0; row < kTraitCount; ++row) {
        DrawText(std::string(" ) ") + kTraitRows[row].label, kMenuColumn, kFirstTraitRow + row, kCyan);
    }
    for (int32_t row = 0; row < kTraitCount; ++row) {
        DrawChar(kTraitRows[row].letter, kMenuColumn, kFirstTraitRow + row, kLightCyan);
    }
    DrawTraitLevels();
}

int32_t ChooseTrait() {
    // With every trait at its cap there is nothing to choose; the menu only lets the player go on.
    if (EveryTraitMaxed()) {
        ShowConfirmation(-1);
        return -1;
    }
    for (;;) {
        const int key = ReadKey();
        if (key < 'a' || key > 'm') continue;
        const int32_t row = key - 'a';
        int32_t& level = player.traits[kTraitRows[row].index];
        if (level >= kTraitMaximum) {
            ShowMaxedNotice();
            continue;
        }
        ++level;
        ShowConfirmation(row);
        return kTraitRows[row].index;
    }
}

void Player::ImproveTrait() {
    DrawProgressionFrame();
    DrawAttributeHeadings(kDarkGrey);
    DrawAttributeRows(kDarkGrey, kDarkGrey, kDarkGrey);
    DrawText("No attributes gained.", 10, 12, kDarkGrey);
    DrawTraitMenu();
    const int32_t raised = ChooseTrait();
    if (raised == kTraitExtraHp) maxHp += 4;
    if (raised == kTraitExtraSp) maxSp += 4;
    if (raised == kTraitExtraSkillPoint) ++skillPoints;
    hp = maxHp;
    sp = maxSp;
    RecomputePlayerStats();
}
