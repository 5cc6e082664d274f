#pragma once
// What the map cursors of shooting, throwing, the acid bomb, choosing a target
// and looking have in common: their keys, the cursor's visibility, the message
// rows they write on and the question whether a stored target is still in view.
#include <cstdint>

#include "toolkit/xy.h"

class Monster;
class Player;

// The message rows under the map the cursors write on.
constexpr int32_t kPromptRow = 19;
constexpr int32_t kNameRow = 20;
constexpr int32_t kLastCursorRow = 21;

// A key of a map cursor as the cursor reads it: Enter becomes enterKey, Escape and
// '`' become 'z', the arrow keys and then the keys bound to the eight directions
// become the keypad digits.
int TranslateCursorKey(int key, int enterKey);
// The step of a keypad digit '1'..'9' ('5' and other keys: none, false).
bool CursorStep(int key, XY& step);
// After a cursor: visible for the accessibility marker, hidden otherwise.
void RestoreCursorVisibility();
// True when the stored target stands on the player's floor on a square in view.
bool IsTargetInView(const Player& p);
// The first living record on (x, y) of the player's floor; null when none.
Monster* MonsterOnPlayersFloor(int32_t x, int32_t y);
// The prompt of shooting and throwing: "Select a target, Z = exit, <shoot> or <throw> = <verb>".
void DrawRangedPrompt(const char* verb, int32_t row);
