// placeholder: minimal stand-ins for the shell services until the shell is built.
#include <curses.h>

#include <cstdlib>

#include "shell/drawing.h"
#include "shell/game.h"
#include "shell/message_log.h"
#include "shell/platform.h"

std::vector<std::string> programArgs;
int32_t gameVersion = 106;
_win_st* mainWindow = nullptr;
int32_t arrowKindIndex = -1;
uint8_t separatorDirty = 1;
MessageLog messageLog;

int ColourAttr(ColourCode) { return 0; }
void InitColorPairs() {}
void DrawText(std::string text, int32_t x, int32_t y, ColourCode) { mvaddstr(y, x, text.c_str()); }
void DrawNumber(int32_t number, int32_t x, int32_t y, ColourCode colour) {
    DrawText(std::to_string(number), x, y, colour);
}
void DrawChar(char character, int32_t x, int32_t y, ColourCode) { mvaddch(y, x, static_cast<unsigned char>(character)); }
void DrawCodedText(const char* text, int32_t x, int32_t y, uint16_t) { mvaddstr(y, x, text); }
void ClearScreen() {}
void RefreshScreen() { refresh(); }
void MoveCursor(int32_t, int32_t) {}
void MoveCursorToPlayer() {}
void RedrawScreen() {}
void RedrawScreenQuiet() {}
bool AccessibilityMarkerExists() { return PlatformCanRead("sokeille.txt"); }
void SetCursorVeryVisible() {}
void WaitMilliseconds(uint32_t milliseconds) { PlatformSleep(milliseconds); }

MessageLog::MessageLog() : blank(80, ' ') {}
void MessageLog::PrintMessage(const std::string&) {}
void MessageLog::FlushMessages(bool) {}
void MessageLog::ShowMessageBuffer() {}
int WaitForSpace() { return 32; }

int ReadKey() { return wgetch(stdscr); }
bool FileExists(const std::string& fileName) { return PlatformCanRead(fileName); }
void QuitGame() {
    if (!isendwin()) endwin();
    std::exit(1);
}
