#pragma once
// The status panel: the separator on row 22 and the character's state on rows 23 and 24.
#include <string>
#include <vector>

// Rebuilds and draws rows 22 (only after a screen clear), 23 and 24 from the player record.
void DrawStatusPanel();

// A test seam, for checking the manual against the panel: every word and
// abbreviation the panel can show ("HP", "Str", "Norm", "Con", "Cold" ...),
// each once, without colour markup, numbers, colons or slashes.
std::vector<std::string> StatusPanelWords();
