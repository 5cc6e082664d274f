// Field of view: eight straight rays first, then recursive shadowcasting over
// the eight octants between them. Each octant scans lines at growing depth from
// its diagonal toward its axis; the slope constants differ slightly from octant
// to octant, and what the player sees depends on them, so each octant keeps its own.
#include "floors/field_of_view.h"

#include "world/floor.h"

ShadowCaster shadowCaster;

namespace {

double Slope(double numerator, double denominator) { return denominator == 0.0 ? 0.0 : numerator / denominator; }
int32_t Trunc(double value) { return static_cast<int32_t>(value); }

// Octants whose lines are columns (D = x +- d) and run along rows.
struct EastNorth {
    static constexpr bool kColumns = true;
    static constexpr int32_t kStep = 1;
    static int32_t Line(int32_t x, int32_t, int32_t d) { return x + d; }
    static int32_t Along(double, double cy, int32_t d, double slope) { return Trunc(cy + d * slope); }
    static int32_t Diagonal(int32_t, int32_t y, int32_t d) { return y - d; }
    static double NewStart(double cx, double cy, int32_t D, int32_t c) { return Slope(cy - c, cx - (D + 0.99999)); }
    static double NextEnd(double cx, double cy, int32_t D, int32_t c) { return Slope(cy - (c - 0.00001), cx - D); }
};
struct WestNorth {
    static constexpr bool kColumns = true;
    static constexpr int32_t kStep = 1;
    static int32_t Line(int32_t x, int32_t, int32_t d) { return x - d; }
    static int32_t Along(double, double cy, int32_t d, double slope) { return Trunc(cy - d * slope); }
    static int32_t Diagonal(int32_t, int32_t y, int32_t d) { return y - d; }
    static double NewStart(double cx, double cy, int32_t D, int32_t c) { return Slope(cy - c, cx - D); }
    static double NextEnd(double cx, double cy, int32_t D, int32_t c) {
        return Slope(cy - (c - 0.00001), cx - (D + 0.99999));
    }
};
struct EastSouth {
    static constexpr bool kColumns = true;
    static constexpr int32_t kStep = -1;
    static int32_t Line(int32_t x, int32_t, int32_t d) { return x + d; }
    static int32_t Along(double, double cy, int32_t d, double slope) { return Trunc(cy + d * slope); }
    static int32_t Diagonal(int32_t, int32_t y, int32_t d) { return y + d; }
    static double NewStart(double cx, double cy, int32_t D, int32_t c) {
        return Slope(cy - (c + 0.99999), cx - (D + 0.99999));
    }
    static double NextEnd(double cx, double cy, int32_t D, int32_t c) { return Slope(cy - (c + 1), cx - D); }
};
struct WestSouth {
    static constexpr bool kColumns = true;
    static constexpr int32_t kStep = -1;
    static int32_t Line(int32_t x, int32_t, int32_t d) { return x - d; }
    static int32_t Along(double, double cy, int32_t d, double slope) { return Trunc(cy - d * slope); }
    static int32_t Diagonal(int32_t, int32_t y, int32_t d) { return y + d; }
    static double NewStart(double cx, double cy, int32_t D, int32_t c) { return Slope(cy - (c + 0.99999), cx - D); }
    static double NextEnd(double cx, double cy, int32_t D, int32_t c) {
        return Slope(cy - (c + 1), cx - (D + 0.99999));
    }
};

// Octants whose lines are rows (R = y +- d) and run along columns.
struct NorthEast {
    static constexpr bool kColumns = false;
    static constexpr int32_t kStep = -1;
    static int32_t Line(int32_t, int32_t y, int32_t d) { return y - d; }
    static int32_t Along(double cx, double, int32_t d, double slope) { return Trunc(cx - d * slope); }
    static int32_t Diagonal(int32_t x, int32_t, int32_t d) { return x + d; }
    static double NewStart(double cx, double cy, int32_t R, int32_t c) { return Slope(cx - (c + 0.9999999), cy - R); }
    static double NextEnd(double cx, double cy, int32_t R, int32_t c) {
        return Slope(cx - (c + 1), cy - (R + 0.99999));
    }
};
struct NorthWest {
    static constexpr bool kColumns = false;
    static constexpr int32_t kStep = 1;
    static int32_t Line(int32_t, int32_t y, int32_t d) { return y - d; }
    static int32_t Along(double cx, double, int32_t d, double slope) { return Trunc(cx - d * slope); }
    static int32_t Diagonal(int32_t x, int32_t, int32_t d) { return x - d; }
    static double NewStart(double cx, double cy, int32_t R, int32_t c) { return Slope(cx - c, cy - R); }
    static double NextEnd(double cx, double cy, int32_t R, int32_t c) {
        return Slope(cx - (c - 0.000001), cy - (R + 0.999999));
    }
};
struct SouthEast {
    static constexpr bool kColumns = false;
    static constexpr int32_t kStep = -1;
    static int32_t Line(int32_t, int32_t y, int32_t d) { return y + d; }
    static int32_t Along(double cx, double, int32_t d, double slope) { return Trunc(cx + d * slope); }
    static int32_t Diagonal(int32_t x, int32_t, int32_t d) { return x + d; }
    static double NewStart(double cx, double cy, int32_t R, int32_t c) {
        return Slope(cx - (c + 0.99999), cy - (R + 0.99999));
    }
    static double NextEnd(double cx, double cy, int32_t R, int32_t c) { return Slope(cx - (c + 1), cy - R); }
};
struct SouthWest {
    static constexpr bool kColumns = false;
    static constexpr int32_t kStep = 1;
    static int32_t Line(int32_t, int32_t y, int32_t d) { return y + d; }
    static int32_t Along(double cx, double, int32_t d, double slope) { return Trunc(cx + d * slope); }
    static int32_t Diagonal(int32_t x, int32_t, int32_t d) { return x - d; }
    static double NewStart(double cx, double cy, int32_t R, int32_t c) { return Slope(cx - c, cy - (R + 0.99999)); }
    static double NextEnd(double cx, double cy, int32_t R, int32_t c) { return Slope(cx - (c - 0.00001), cy - R); }
};

template <class Octant>
void ScanOctant(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    const double cx = x + 0.5;
    const double cy = y + 0.5;
    const int32_t axis = Octant::kColumns ? y : x;
    auto cellX = [](int32_t line, int32_t c) { return Octant::kColumns ? line : c; };
    auto cellY = [](int32_t line, int32_t c) { return Octant::kColumns ? c : line; };

    for (int32_t d = d0; d <= r; ++d) {
        const int32_t line = Octant::Line(x, y, d);
        const int32_t first = Octant::Along(cx, cy, d, s);
        const int32_t last = Octant::Along(cx, cy, d, e);
        // The ray along the diagonal has already seen the diagonal cell.
        if (first != Octant::Diagonal(x, y, d)) floor->MarkSeen(cellX(line, first), cellY(line, first));
        bool blocked = floor->IsBlocked(cellX(line, first), cellY(line, first));
        for (int32_t c = first + Octant::kStep; Octant::kStep > 0 ? c <= last : c >= last; c += Octant::kStep) {
            if (c != axis) floor->MarkSeen(cellX(line, c), cellY(line, c));
            const bool opaque = floor->IsBlocked(cellX(line, c), cellY(line, c));
            if (!opaque && blocked) s = Octant::NewStart(cx, cy, line, c);
            if (opaque && !blocked) ScanOctant<Octant>(floor, x, y, d + 1, r, s, Octant::NextEnd(cx, cy, line, c));
            blocked = opaque;
        }
        if (blocked || d + 1 > r) return;
    }
}

enum Ray { kNorth, kNorthEast, kEast, kSouthEast, kSouth, kSouthWest, kWest, kNorthWest, kRayCount };

}  // namespace

void ShadowCaster::ComputeFieldOfView(Floor* floor, int32_t x, int32_t y, int32_t r) {
    if (floor == nullptr) return;
    floor->MarkSeen(x, y);
    if (r < 1) return;

    static constexpr int32_t kRaySteps[kRayCount][2] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                                        {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
    int32_t stop[kRayCount];
    for (int32_t ray = 0; ray < kRayCount; ++ray) {
        stop[ray] = r + 1;
        for (int32_t d = 1; d <= r; ++d) {
            const int32_t tx = x + kRaySteps[ray][0] * d;
            const int32_t ty = y + kRaySteps[ray][1] * d;
            floor->MarkSeen(tx, ty);
            if (floor->IsBlocked(tx, ty)) {
                stop[ray] = d;
                break;
            }
        }
    }

    // An octant between two rays that both hit something next to the viewer is hidden.
    auto open = [&stop](Ray a, Ray b) { return stop[a] != 1 || stop[b] != 1; };
    if (open(kNorth, kNorthWest)) ScanOctantNorthWest(floor, x, y, 1, r, 1.0, 0.0);
    if (open(kNorth, kNorthEast)) ScanOctantNorthEast(floor, x, y, 1, r, -1.0, 0.0);
    if (open(kNorthWest, kWest)) ScanOctantWestNorth(floor, x, y, 1, r, 1.0, 0.0);
    if (open(kSouthWest, kWest)) ScanOctantWestSouth(floor, x, y, 1, r, -1.0, 0.0);
    if (open(kSouthWest, kSouth)) ScanOctantSouthWest(floor, x, y, 1, r, -1.0, 0.0);
    if (open(kSouthEast, kSouth)) ScanOctantSouthEast(floor, x, y, 1, r, 1.0, 0.0);
    if (open(kNorthEast, kEast)) ScanOctantEastNorth(floor, x, y, 1, r, -1.0, 0.0);
    if (open(kSouthEast, kEast)) ScanOctantEastSouth(floor, x, y, 1, r, 1.0, 0.0);
}

void ShadowCaster::ScanOctantEastNorth(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    ScanOctant<EastNorth>(floor, x, y, d0, r, s, e);
}
void ShadowCaster::ScanOctantNorthEast(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    ScanOctant<NorthEast>(floor, x, y, d0, r, s, e);
}
void ShadowCaster::ScanOctantNorthWest(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    ScanOctant<NorthWest>(floor, x, y, d0, r, s, e);
}
void ShadowCaster::ScanOctantWestNorth(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    ScanOctant<WestNorth>(floor, x, y, d0, r, s, e);
}
void ShadowCaster::ScanOctantEastSouth(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    ScanOctant<EastSouth>(floor, x, y, d0, r, s, e);
}
void ShadowCaster::ScanOctantSouthEast(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    ScanOctant<SouthEast>(floor, x, y, d0, r, s, e);
}
void ShadowCaster::ScanOctantSouthWest(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    ScanOctant<SouthWest>(floor, x, y, d0, r, s, e);
}
void ShadowCaster::ScanOctantWestSouth(Floor* floor, int32_t x, int32_t y, int32_t d0, int32_t r, double s, double e) {
    ScanOctant<WestSouth>(floor, x, y, d0, r, s, e);
}
