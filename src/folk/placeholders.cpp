// placeholder: sages until the dungeon folk are built.
#include "folk/sage.h"

std::vector<cSage> sages;

void cSage::DrawSage() {}
bool IsSageAt(int32_t, int32_t, int32_t, int32_t, int32_t) { return false; }
bool IsSageNextToPlayer(int32_t, int32_t) { return false; }
void DrawSages() {}
