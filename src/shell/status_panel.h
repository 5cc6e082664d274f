#pragma once
// The status panel: the separator on row 22 and the character's state on rows 23 and 24.

// Rebuilds and draws rows 22 (only after a screen clear), 23 and 24 from the player record.
void DrawStatusPanel();
