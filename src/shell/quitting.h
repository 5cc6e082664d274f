#pragma once
// Quitting without saving.

// In "-name" mode removes the character's save file; otherwise nothing.
void RemoveNamedCharacterSave();
// Asks "Do you really want to quit without saving? (Y/n)"; 'Y' quits (in "-name"
// mode after removing the save file), 'n' or 'N' returns.
void QuitWithoutSaving();
