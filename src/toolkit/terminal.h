#pragma once
// The curses terminal: bringing it up and down, and the one key read through
// which every key of the game passes. Only this file and the drawing files
// talk to curses directly.
#include <csignal>
#include <cstdint>
#include <string>

#include "toolkit/colour.h"

// Key codes the game reads besides plain characters (0..255). Every other
// code that curses can deliver is dropped by the key read, so a function key
// can never pass for a letter.
constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 10;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyDown = 258;
constexpr int kKeyUp = 259;
constexpr int kKeyLeft = 260;
constexpr int kKeyRight = 261;
constexpr int kKeyHome = 262;
constexpr int kKeyDelete = 330;
constexpr int kKeyPageDown = 338;
constexpr int kKeyPageUp = 339;
constexpr int kKeyEnd = 360;
// The nine keys of the numeric keypad, upper left to lower right. Terminals
// report only the corners and the centre as keypad keys; the others arrive as arrows.
constexpr int kKeypadUpperLeft = 449;
constexpr int kKeypadUpperRight = 451;
constexpr int kKeypadCentre = 453;
constexpr int kKeypadLowerLeft = 455;
constexpr int kKeypadLowerRight = 457;
// What PollKey returns when no key is waiting.
constexpr int kNoKey = -1;

// initscr, then the modes every screen relies on (cbreak, a short escape delay).
void TerminalStart();
// The modes above, for a screen that was opened elsewhere (the screen tests' newterm).
void TerminalConfigure();
// noecho and keypad translation.
void TerminalSetInputModes();
bool TerminalHasColours();
void TerminalStartColours();
int TerminalColumns();
int TerminalRows();
// Cursor visibility 0, 1 or 2; terminals that cannot do it are left as they are.
void TerminalSetCursor(int visibility);
// Ends curses (once) and restores the terminal, so that plain text can be written.
void TerminalEnd();
void Beep();
// (RefreshScreen, which brings what has been drawn onto the terminal, and the
// window mainWindow are in drawing.h.)

// Waits for one key and returns it: a character 0..255 (Enter as kKeyEnter,
// Backspace as kKeyBackspace) or one of the key codes above. Compare the whole
// code, never its low byte: Page Up (339) is not 'S'.
int ReadKey();
// The same without waiting: kNoKey when no key is pending.
int PollKey();
// Reads keys until the space bar comes; every other key is ignored.
void WaitForSpaceKey();
// Waits the given milliseconds (as the wait seam of drawing.h shortens them),
// cut short when `key` is pressed: true then.
// Other keys pressed meanwhile are dropped. A termination signal is acted on
// at once, as in the key read.
bool PauseUnlessKey(uint32_t milliseconds, int key);
// Reads a line of at most maxChars printable characters at (x, y), echoing it
// in the colour; Backspace erases, Enter ends.
std::string ReadLine(int32_t x, int32_t y, int32_t maxChars, ColourCode colour);

// Set by the termination signal handlers; the key read acts on it (through
// the terminate hook of toolkit_hooks.h).
extern volatile std::sig_atomic_t pendingTerminationSignal;
// Installs the handlers of SIGTERM and SIGHUP that only set the flag above.
void CatchTerminationSignals();
// No single keystroke may kill or freeze the game: Ctrl-C and Ctrl-\ are
// ignored, and the terminal's flow control (Ctrl-S, Ctrl-Q) is off, so those
// keys reach the game as keys.
void GuardAgainstKillingKeys();

// Called each time the key read has waited sliceMs (a tenth of a second unless
// given) without a key. Tests use it to fail instead of waiting for ever for a
// key they forgot to feed; a test that typed every key first gives 0, and the
// hook is called as soon as no key is there. Null removes it.
using KeyWaitHook = void (*)();
void SetKeyWaitHook(KeyWaitHook hook, int sliceMs = 100);
