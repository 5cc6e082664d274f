// The monster examination sheet: a full screen about one monster, until a key.
#include <cstring>

#include "floors/field_of_view.h"
#include "monsters/monster_descriptions.h"
#include "monsters/monster_examination.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

constexpr ColourCode kLabelColour = kCyan;
constexpr ColourCode kValueColour = kLightCyan;
constexpr int32_t kLeftLabel = 2;
constexpr int32_t kLeftValue = 18;
constexpr int32_t kRightLabel = 42;
constexpr int32_t kRightValue = 59;
// Longer names are cut to 20 characters and an ellipsis.
constexpr std::size_t kLongestShownName = 23;
constexpr std::size_t kCutName = 20;
constexpr int32_t kEllipsisColumn = 38;
constexpr int32_t kDescriptionColumn = 10;
constexpr int32_t kDescriptionRow = 16;

void DrawLeft(const char* label, const std::string& value, int32_t row) {
    DrawText(label, kLeftLabel, row, kLabelColour);
    DrawText(value, kLeftValue, row, kValueColour);
}

void DrawRight(const char* label, const std::string& value, int32_t row) {
    DrawText(label, kRightLabel, row, kLabelColour);
    DrawText(value, kRightValue, row, kValueColour);
}

std::string Percent(int32_t value) { return FormatText("%d%c", value, '%'); }

std::string YesOrNo(int32_t flag) { return flag == 1 ? "Yes" : "No"; }

void DrawSheet(const Monster& monster, const std::string& healthWord) {
    ClearScreen();
    DrawText("Monster Examination", 30, 0, kLabelColour);
    DrawText("Press a key to exit", 30, 24, kLabelColour);

    const std::size_t nameLength = strnlen(monster.name, sizeof monster.name);
    if (nameLength > kLongestShownName) {
        DrawLeft("Name:           ", std::string(monster.name, kCutName), 3);
        DrawText("...", kEllipsisColumn, 3, kValueColour);
    } else {
        DrawLeft("Name:           ", std::string(monster.name, nameLength), 3);
    }
    DrawText("Exterior looks: ", kLeftLabel, 4, kLabelColour);
    DrawChar(monster.glyph, kLeftValue, 4, monster.colour);
    DrawText("Danger rating:  ", kLeftLabel, 5, kLabelColour);
    DrawNumber(monster.level, kLeftValue, 5, kValueColour);
    DrawText("Floor's danger: ", kLeftLabel, 6, kLabelColour);
    DrawNumber(FloorDanger(player.currentFloor), kLeftValue, 6, kValueColour);
    DrawLeft("Health status:  ", healthWord, 8);
    DrawText("Maximum health: ", kLeftLabel, 9, kLabelColour);
    DrawNumber(monster.maxHp, kLeftValue, 9, kValueColour);
    DrawLeft("Damage range:   ", FormatText("%d-%d", monster.damageBound1, monster.damageBound2), 10);
    DrawText("Melee armor:    ", kLeftLabel, 11, kLabelColour);
    DrawNumber(monster.meleeArmour, kLeftValue, 11, kValueColour);
    DrawText("Ranged armor:   ", kLeftLabel, 12, kLabelColour);
    DrawNumber(monster.rangedArmour, kLeftValue, 12, kValueColour);
    DrawLeft("Ailments:       ", AilmentsText(monster), 13);

    DrawRight("Speed:           ", Percent(SpeedPercent(monster)), 3);
    DrawRight("Chance to hit:   ", Percent(100 - monster.toHitThreshold / 10), 4);
    DrawRight("Chance to dodge: ", Percent(monster.dodge / 10), 5);
    DrawRight("Ranged weapon:   ", YesOrNo(monster.ranged), 8);
    DrawRight("Living being:    ", YesOrNo(monster.living), 9);
    DrawRight("Special notes:   ", SpecialNoteText(monster), 10);

    int32_t row = kDescriptionRow;
    for (const std::string& line : DescriptionLines(FillMonsterDescriptions(monster.name))) {
        DrawText(line, kDescriptionColumn, row++, kValueColour);
    }
    RefreshScreen();
}

}  // namespace

void Monster::ShowMonsterExamination(std::string healthWord) {
    // A mirror image shows the final demon's sheet, with the image's own health.
    if (Monster* real = RealFinalDemon(*this)) {
        real->ShowMonsterExamination(ExaminationHealthWord(*this));
        return;
    }
    DrawSheet(*this, healthWord.empty() ? ExaminationHealthWord(*this) : healthWord);
    ReadKey();
    ClearScreen();
    if (IsFloorNumber(floor)) floorArray[floor].RedrawSeenTiles();
    if (IsFloorNumber(player.currentFloor)) {
        ComputeFieldOfView(&floorArray[player.currentFloor], player.x, player.y, player.sightRadius);
    }
    RedrawScreen();
}
