#pragma once
// What saving and loading show: the messages of a save or a load, and the
// screens of a save file that cannot be loaded.

// The question of the save command, through the message log.
void AskToSave();
// Row 19: "Saving, please wait...", then "Saved!".
void ShowSaving();
void ShowSaved();
// Blanks row 19, where the question stood.
void ClearSaveQuestion();
// Through the message log: the save could not be written and the game goes
// on; when an older save is there, that it is kept as it was.
void ReportSaveFailure(bool olderSaveKept);
// Each waits for a key and returns to the caller. The last line promises the
// title menu, except in "-name" mode, which has none: there the program ends.
void ShowSaveMissing();
void ShowSaveDamaged();
// Waits for a key and ends the program.
[[noreturn]] void ShowSaveOfAnotherVersion();
