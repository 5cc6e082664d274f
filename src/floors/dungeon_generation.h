#pragma once
// Builds and populates all 35 floors of a new game.

void GenerateDungeon();
