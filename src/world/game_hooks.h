#pragma once
// What the rules need of the game's top, which they may not include: the
// whole-screen redraws, the title screen drawn again, and the reset of a game
// that a failed load left half made. The top installs its answers at start-up
// (InstallGameHooks in game/game.h); until then every hook is empty, and asking
// one does nothing. The rules ask through the functions below the struct.
#include <cstdint>

struct GameHooks {
    // The full redraw at the end of a turn: the map with everything on it, the
    // status panel, the low-HP warning and the message lines.
    void (*redrawScreen)() = nullptr;
    // The same without the message flush and the warning.
    void (*redrawScreenQuiet)() = nullptr;
    // The title screen's picture and menu, over whatever the screen shows.
    void (*drawTitleScreen)() = nullptr;
    // Every global that a game changes back to how start-up leaves it, the
    // generator seeded with `seed`.
    void (*resetGameState)(uint32_t seed) = nullptr;
};

extern GameHooks gameHooks;

inline void RedrawScreen() {
    if (gameHooks.redrawScreen != nullptr) gameHooks.redrawScreen();
}
inline void RedrawScreenQuiet() {
    if (gameHooks.redrawScreenQuiet != nullptr) gameHooks.redrawScreenQuiet();
}
inline void DrawTitleScreen() {
    if (gameHooks.drawTitleScreen != nullptr) gameHooks.drawTitleScreen();
}
// A load that failed half-way leaves nothing of what it read behind.
inline void ResetGameAfterFailedLoad(uint32_t seed) {
    if (gameHooks.resetGameState != nullptr) gameHooks.resetGameState(seed);
}
