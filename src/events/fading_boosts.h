#pragma once
// The temporary boosts of the skills run down by one every turn.

// Lowers the agility, strength, dexterity and speed boosts and the stone skin by
// one turn each, warning when one is about to end.
void WarnBoostsFading();
