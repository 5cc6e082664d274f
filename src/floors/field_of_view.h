#pragma once
// What the player sees: marks the tiles in view from (x, y) within radius r,
// by eight straight rays and recursive shadowcasting over the eight octants.
#include <cstdint>

class Floor;

class ShadowCaster {
public:
    // Nothing happens without a floor. Reach is square: r columns and r rows each way.
    void ComputeFieldOfView(Floor* floor, int32_t x, int32_t y, int32_t r);

    // Each scans lines of its octant from depth d0 to r, between slopes s and e.
    void ScanOctantEastNorth(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e);
    void ScanOctantNorthEast(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e);
    void ScanOctantNorthWest(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e);
    void ScanOctantWestNorth(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e);
    void ScanOctantEastSouth(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e);
    void ScanOctantSouthEast(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e);
    void ScanOctantSouthWest(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e);
    void ScanOctantWestSouth(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e);
};

extern ShadowCaster shadowCaster;

// The game's callers use this: the shadow caster's field of view.
inline void ComputeFieldOfView(Floor* floor, int32_t x, int32_t y, int32_t r) {
    shadowCaster.ComputeFieldOfView(floor, x, y, r);
}
