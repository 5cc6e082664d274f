#pragma once
// The separator and the two status rows under the messages.

// Redraws rows 22 to 24 from the player's current state.
void DrawStatusPanel();
