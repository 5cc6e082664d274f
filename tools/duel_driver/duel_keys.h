#pragma once
// The duel table runs the game's own screens (character creation, level-ups,
// "-More-" and "Press space" prompts) on a curses screen that nobody sees. Every
// key they wait for comes from a queue the table fills; with the queue empty a
// prompt gets the next key of a short cycle that answers every prompt a fight
// or a level-up can show.
#include <string>

// Brings up the unseen screen and routes the game's key reads to the queue.
// False when no terminal description could be loaded.
bool StartUnseenScreen();
void EndUnseenScreen();

// Keys for the screens that come next, in order.
void QueueKeys(const std::string& keys);
// Forgets keys that the screens did not read.
void ClearKeys();
