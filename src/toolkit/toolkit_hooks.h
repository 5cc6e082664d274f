#pragma once
// What the toolkit (terminal, drawing, message log, the program's end) needs
// to know of the game above it. The toolkit includes nothing of the game: the
// game's top installs these answers at start-up (InstallToolkitHooks in
// game/game.h).
// Until then every hook is empty and the toolkit behaves as if no game ran:
// no tint, nothing to stop or free, and a termination ends the program at once.
struct ToolkitHooks {
    // Drawing: true while every drawer paints in a red chosen afresh per call
    // (the character's rage, once the map has been drawn).
    bool (*redTint)() = nullptr;
    // Drawing: the screen was cleared, so no map is on it any more.
    void (*screenCleared)() = nullptr;
    // Message log: a word landed on the first message line (it ends a quick move).
    void (*wordOnFirstLine)() = nullptr;
    // Message log: true when a flush must wait for the space bar, because the
    // character cannot act on what the messages say (asleep or paralysed).
    bool (*flushWaitsForSpace)() = nullptr;
    // Message log: the message history was left, and the screen cleared; the
    // game screen comes back (unless the character is gone).
    void (*historyClosed)() = nullptr;
    // Key read: a termination signal, or a terminal that is gone, met where
    // the game may act on it. It ends the program.
    void (*terminate)(int signalNumber) = nullptr;
    // Program end (QuitGame): the game frees what it holds (the monster list).
    void (*releaseGame)() = nullptr;
};

extern ToolkitHooks toolkitHooks;
