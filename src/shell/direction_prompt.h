#pragma once
// The direction prompt of the targeting, wand and skill screens.

// Asks "Select a numpad or arrow key direction." on row 21 and returns the
// keypad digit of the chosen direction, '1' to '9' ('5' for the character's own square).
char AskDirection();
