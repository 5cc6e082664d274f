#pragma once
// The map around the character: drawn back after a page that covered it, and
// the cursor put on the character.

// The remembered tiles of the character's floor drawn again and its field of
// view worked out anew. False, drawing nothing, when the character is on no floor.
bool RestoreMapView();
void MoveCursorToPlayer();
