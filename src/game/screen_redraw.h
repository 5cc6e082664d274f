#pragma once
// The game screen's full redraws: the map with everything on it, the status
// panel and the message lines. The rules ask for them through RedrawScreen and
// RedrawScreenQuiet (world/game_hooks.h).

// The full redraw at the end of a turn, and the one without message flush and warning.
void RedrawWholeScreen();
void RedrawWholeScreenQuiet();
