#pragma once
// The title screen and its menu: new game, load, hall of fame, tutorial, quit.

// Draws the framed picture and the menu over the screen; neither clears nor
// refreshes. The rules ask for it through DrawTitleScreen (world/game_hooks.h).
void DrawTitlePicture();
// Runs the menu until a character is created (true) or a saved game is loaded
// (false); quitting ends the program.
bool TitleMenu();
