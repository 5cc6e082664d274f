#pragma once
// The ending screens of a won game.

// "The End" and the story of the best ending (the final demon died on the
// deepest floor) or the second best one, and how to leave.
void DrawEndingScreen(bool best);
