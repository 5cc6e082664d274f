#pragma once
// Everything the game draws goes through these functions. Colours are
// ColourCodes; coded text may switch colour with '@' and a letter.
#include <cstdint>
#include <string>

#include "toolkit/colour.h"

struct _win_st;
// The curses window everything is drawn on and keys are read from.
extern _win_st* mainWindow;

// The curses attribute (colour pair and bold) for a colour code.
int ColourAttr(ColourCode code);
void InitColorPairs();

void DrawText(std::string text, int32_t x, int32_t y, ColourCode colour);
void DrawNumber(int32_t number, int32_t x, int32_t y, ColourCode colour);
void DrawChar(char character, int32_t x, int32_t y, ColourCode colour);
// Coded text switches colour with this character and a letter ("@C" light cyan).
constexpr char kColourMarkup = '@';
// Text with colour markup; background is kOnBlack, or kOnWhite for a highlighted row.
void DrawCodedText(const char* text, int32_t x, int32_t y, uint16_t background);


void ClearScreen();
// Brings what has been drawn onto the terminal (a curses refresh).
void RefreshScreen();
void MoveCursor(int32_t x, int32_t y);
// Draws the whole 80 by 25 screen again as it was last drawn, also what a
// terminal made smaller for a while has lost, and brings it onto the terminal.
void RepaintScreen();
// (The game's own redraws, RedrawScreen and the like, are asked for through world/game_hooks.h.)
bool AccessibilityMarkerExists();
void SetCursorVeryVisible();
// Every wait of the game (flashes, explosions, the level-up wheel, the final
// screens, the quick move's pause between steps) is for a player's eyes, and
// goes through here or through WaitLength.
void WaitMilliseconds(uint32_t milliseconds);
// A test seam: each wait lasts this percentage of its length. 100, as the
// program begins, waits for real; 0 skips every wait.
void SetWaitPercent(uint32_t percent);
// The percentage from HOLLOWMERE_WAIT_PERCENT (0 to 100), when that is set;
// start-up reads it.
void SetWaitPercentFromEnvironment();
// How long a wait meant to last the given milliseconds lasts now.
uint32_t WaitLength(uint32_t milliseconds);
// A flash: the character drawn at (x, y), brought onto the terminal, and a wait.
void FlashCharacter(char character, int32_t x, int32_t y, ColourCode colour, uint32_t milliseconds);

// Set by ClearScreen; makes the status panel redraw its separator row.
extern uint8_t separatorDirty;

// How many draws since the program began lost visible text past column 79
// (the screen clips it): each one is a screen laid out wider than the terminal.
uint32_t DrawsCutAtRightEdge();

// What the drawing keeps between calls back to how the program begins: no
// cell remembered, the cursor at the corner, no draw cut, the waits real.
void ResetDrawingState();
