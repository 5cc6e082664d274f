#pragma once
// What the character is told on arriving at stairs or a dungeon feature.

// "You see ... stairs leading upwards/downwards here." on a staircase.
void DescribeStairs();
// The campfire, altar, snowman, mirror, pool, veil, writing or frozen body here.
void DescribeFeatureHere();
