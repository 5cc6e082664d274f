#pragma once
// The thirteen traits as the screens list them: in letter order, which is not
// the order of Player::traits.
#include <cstdint>

struct TraitRow {
    char letter;
    int32_t index;      // into Player::traits
    const char* label;  // with "( /5)" at its end; the level goes inside the brackets
};

constexpr int32_t kTraitLabelLevelColumn = 30;  // where the level goes inside the label

constexpr TraitRow kTraitRows[] = {
    {'a', 0, "Extra HP                     ( /5)"},
    {'b', 1, "Extra SP                     ( /5)"},
    {'c', 2, "Extra dodge                  ( /5)"},
    {'d', 3, "Extra speed                  ( /5)"},
    {'e', 5, "Extra HP regeneration        ( /5)"},
    {'f', 4, "Extra SP regeneration        ( /5)"},
    {'g', 8, "Extra melee critical chance  ( /5)"},
    {'h', 9, "Extra ranged critical chance ( /5)"},
    {'i', 10, "Extra melee to hit chance    ( /5)"},
    {'j', 11, "Extra ranged to hit chance   ( /5)"},
    {'k', 12, "Extra thrown weapon damage   ( /5)"},
    {'l', 7, "Extra carrying capacity      ( /5)"},
    {'m', 6, "Extra skill point            ( /5)"},
};

constexpr int32_t kTraitMaximum = 5;
