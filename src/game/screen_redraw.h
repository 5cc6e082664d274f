#pragma once
// The game screen's full redraws: the map with everything on it, the status
// panel and the message lines.

// The full redraw at the end of a turn, and the one without message flush and warning.
void RedrawScreen();
void RedrawScreenQuiet();
// After a page that covered the map: the remembered tiles of the player's floor
// drawn again and its field of view worked out anew. False, drawing nothing, when
// the player is on no floor.
bool RestoreMapView();
void MoveCursorToPlayer();
