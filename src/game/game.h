#pragma once
// Start-up and the main loop.

// Gives the toolkit the game's answers to what it asks (toolkit_hooks.h).
void InstallToolkitHooks();
// Gives the rules the top's answers to what they ask (world/game_hooks.h).
void InstallGameHooks();
// Brings up the terminal, loads the data files and makes a game ready to play
// (loaded, or created and generated). Every failure inside ends the program.
void InitGame();

// One pass of the main loop: the player's actions, field of view, the world
// update, the monsters' turns and the end-of-turn redraw.
void RunMainLoopPass();
void RunPlayerTurn();
// Every monster of the player's floor ticks, then the dead among them are removed.
void RunMonsterPhase();
void RedrawEndOfTurn();
