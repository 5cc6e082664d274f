#include "game/title_screen.h"

#include <string>

#include "game/game_state.h"
#include "records/high_scores.h"
#include "records/post_mortem.h"
#include "records/save_game.h"
#include "shell/command_line.h"
#include "shell/tutorial.h"
#include "toolkit/drawing.h"
#include "toolkit/program_end.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

// The picture, rows 0 to 22; the menu texts are part of it.
constexpr const char* kPicture[] = {
    R"PIC(                           }        \   /        {)PIC",
    R"PIC(                          /|\       )\_/(       /|\)PIC",
    R"PIC(           *             / | \     (/\|/\)     / | \           *)PIC",
    R"PIC(           |`.__________/__|__o_____\`|'/_____o__|__\________.'|)PIC",
    R"PIC(           | |*              '^`     \|/     '^`            *| |)PIC",
    R"PIC(           |(                        ,v                       )|)PIC",
    R"PIC(           | \                      ,,                       / |)PIC",
    R"PIC(           |_/                     ,,,                       \_|)PIC",
    R"PIC(           | \                      ,                        / |)PIC",
    R"PIC(           |/\)      Welcome to the Hollowmere!             (/\|)PIC",
    R"PIC(           |\/|      What would you like to do now?         |\/|)PIC",
    R"PIC(           |**|                                             |**|)PIC",
    R"PIC(           |/\|  (1) Start a new adventure                  |/\|)PIC",
    R"PIC(           |\/)  (2) Load a saved game                      (\/|)PIC",
    R"PIC(           | /   (3) Show the hall of fame                   \ |)PIC",
    R"PIC(           |(    (4) Show the first timer tutorial            )|)PIC",
    R"PIC(           |(    (5) Quit                                     )|)PIC",
    R"PIC(           | |                                               | |)PIC",
    R"PIC(           | .*_____________________________________________*. |)PIC",
    R"PIC(           |'l  /\ /            \\                     \ /\  l'|)PIC",
    R"PIC(           * l /  v              ))                     v  \ l *)PIC",
    R"PIC(             l/                 //                          \l)PIC",
    R"PIC(                                V)PIC",
};
constexpr int kPictureRows = sizeof(kPicture) / sizeof(kPicture[0]);

constexpr ColourCode kFrame = kBrown;
constexpr ColourCode kOrnament = kLightBlue;

struct Mark {
    int row;
    int column;
    ColourCode colour;
};

// Single cells with a colour of their own.
constexpr Mark kMarks[] = {
    {2, 11, kGreen},         {2, 63, kGreen},         {3, 37, kLightRed},      {3, 39, kLightRed},
    {4, 14, kLightGreen},    {4, 60, kLightGreen},    {7, 36, kLightCyan},     {11, 12, kMagenta},
    {11, 62, kMagenta},      {11, 13, kLightMagenta}, {11, 61, kLightMagenta}, {18, 14, kLightCyan},
    {18, 60, kLightCyan},    {20, 11, kCyan},         {20, 63, kCyan},         {9, 36, kLightCyan},
};

// The figures set into the top bar of the frame.
constexpr int kTopBarFigures[] = {24, 27, 30, 36, 38, 40, 46, 49, 52};

ColourCode CellColour(int row, int column) {
    for (const Mark& mark : kMarks) {
        if (mark.row == row && mark.column == column) return mark.colour;
    }
    if (row <= 2) return kOrnament;
    if (row == 3) {
        for (int figure : kTopBarFigures) {
            if (figure == column) return kOrnament;
        }
        return kFrame;
    }
    // Between the frame's sides hangs the middle ornament.
    if (row <= 8) return column <= 14 || column >= 60 ? kFrame : kOrnament;
    if (row == 9 || row == 10) return column <= 14 || column >= 60 ? kFrame : kWhite;
    if (row >= 12 && row <= 16 && column >= 17 && column < 60) {
        if (column == 18) return kCyan;
        return kLightCyan;
    }
    if (row <= 18) return kFrame;
    // Below the frame: its two corners on row 19, icicles everywhere else.
    if (row == 19 && (column <= 12 || column >= 62)) return kFrame;
    return kOrnament;
}

}  // namespace

void DrawTitlePicture() {
    for (int row = 0; row < kPictureRows; ++row) {
        const std::string text = kPicture[row];
        std::size_t start = 0;
        while (start < text.size()) {
            if (text[start] == ' ') {
                ++start;
                continue;
            }
            // One run of cells of the same colour; blanks inside a run are drawn with it.
            const ColourCode colour = CellColour(row, static_cast<int>(start));
            std::size_t end = start + 1;
            while (end < text.size() && (text[end] == ' ' || CellColour(row, static_cast<int>(end)) == colour)) ++end;
            while (end > start && text[end - 1] == ' ') --end;
            DrawText(text.substr(start, end - start), static_cast<int32_t>(start), row, colour);
            start = end;
        }
    }
}

bool TitleMenu() {
    DrawTitlePicture();
    for (;;) {
        const int key = ReadKey();
        switch (key) {
            case '1':
                CreateCharacter();
                return true;
            case '2': {
                ClearScreen();
                DrawText("What is the name of the saved character?", 19, 5, kWhite);
                DrawText("(The relevant save file's name without .hmd)", 17, 6, kWhite);
                std::string name = ReadLine(32, 8, 9, kLightCyan);
                // A name that could reach outside the working directory is asked again.
                while (!name.empty() && !IsSafeCharacterName(name)) {
                    DrawText(std::string(9, ' '), 32, 8, kBlack);
                    name = ReadLine(32, 8, 9, kLightCyan);
                }
                ClearScreen();
                DrawText("Loading...", 30, 5, kCyan);
                if (LoadGame(name.c_str())) {
                    ClearScreen();
                    if (IsFloorNumber(player.currentFloor)) {
                        floorArray[player.currentFloor].RedrawSeenTiles();
                    }
                    return false;
                }
                // A load that failed may have read part of a game: none of it reaches the next one.
                ResetGameState(StartingSeed());
                ClearScreen();
                DrawTitlePicture();
                break;
            }
            case '3':
                highScores.ShowHallOfFame();
                break;
            case '4': {
                ClearScreen();
                std::string mortemName;
                int32_t firstPlay = -1;
                PostMortemFileName(mortemName, firstPlay);
                ShowTutorial(1);
                DrawTitlePicture();
                break;
            }
            case '5':
                QuitGame();
            default:
                break;
        }
    }
}
