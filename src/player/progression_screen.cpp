// The frame and the attribute block of the level-up and training-room screens.
#include "player/progression_screen.h"

#include "toolkit/drawing.h"
#include "world/player.h"

namespace {

constexpr const char* kAttributeRows[] = {
    "( ) Strength       [Current:   ]", "( ) Vitality       [Current:   ]", "( ) Dexterity      [Current:   ]",
    "( ) Agility        [Current:   ]", "( ) Stamina        [Current:   ]",
};
constexpr int32_t kFirstAttributeRow = 3;

}  // namespace

void DrawProgressionFrame() {
    for (int32_t x = 0; x < 40; ++x) DrawChar('-', x, 10, kCyan);
    for (int32_t x = 0; x < 80; ++x) DrawChar('-', x, 20, kCyan);
    for (int32_t x = 0; x < 80; ++x) DrawChar('-', x, 23, kCyan);
    for (int32_t y = 0; y < 24; ++y) DrawChar('|', 40, y, kCyan);
}

void DrawAttributeRows(ColourCode text, ColourCode digits, ColourCode values) {
    for (int32_t row = 0; row < 5; ++row) DrawText(kAttributeRows[row], 3, kFirstAttributeRow + row, text);
    for (int32_t row = 0; row < 5; ++row) DrawChar(static_cast<char>('1' + row), 4, kFirstAttributeRow + row, digits);
    DrawAttributeValues(values);
}

void DrawAttributeValues(ColourCode colour) {
    const int32_t shown[] = {player.strength, player.vitality, player.dexterity, player.agility, player.stamina};
    for (int32_t row = 0; row < 5; ++row) DrawNumber(shown[row], 32, kFirstAttributeRow + row, colour);
}

void DrawAttributeHeadings(ColourCode colour) {
    DrawText("Select an attribute to train", 7, 1, colour);
    DrawText("(to check skill requirements, press s)", 1, 9, colour);
}
