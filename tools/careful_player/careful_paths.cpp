#include "careful_paths.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>

#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"
#include "careful_sight.h"

namespace {

constexpr int kUnreached = -1;
using Distances = std::array<int, kFloorWidth * kFloorHeight>;

int Cell(int x, int y) { return x * kFloorHeight + y; }

// Whether a monster the character sees stands on the square; one out of its view is not
// in its way (it finds it when it bumps into it).
bool SeenMonsterAt(int x, int y) {
    // The squares, looked up again each turn and place of the character.
    static std::vector<XY> seen;
    static std::array<int, 4> seenAt{-1, -1, -1, -1};
    const std::array<int, 4> now{player.turns, player.x, player.y, player.currentFloor};
    if (now != seenAt) {
        seenAt = now;
        seen.clear();
        for (const Monster* monster : SeenMonsters()) seen.push_back({monster->x, monster->y});
    }
    for (const XY& at : seen) {
        if (at.x == x && at.y == y) return true;
    }
    return false;
}

const Floor& CharactersFloor() { return floorArray[player.currentFloor]; }

// The squares the character has seen, floor by floor, as a player keeps them in mind where
// the game's map forgets them (a confusing floor).
std::array<std::array<bool, kFloorWidth * kFloorHeight>, kFloorCount> seenSquares{};

bool Known(int x, int y) {
    const Tile& tile = CharactersFloor().At(x, y);
    return tile.remembered != 0 || tile.visibleNow != 0 || seenSquares[static_cast<size_t>(player.currentFloor)][static_cast<size_t>(Cell(x, y))];
}

// Squares the character walks over: seen, open, and no trap, pool or snowman it
// knows of. When no other way is left (bold), it crosses known traps and kicks
// its way through ice blocks.
bool bold = false;
bool Walkable(int x, int y) {
    if (!Floor::OnMap(x, y)) return false;
    const Tile& tile = CharactersFloor().At(x, y);
    if (!Known(x, y)) return false;
    if (bold && (tile.glyph == kFoundTrapGlyph || tile.glyph == kIceBlockGlyph)) return true;
    if (!IsWalkable(tile.glyph) || IsSageAt(x, y, 0, 0, player.currentFloor)) return false;
    return tile.glyph != kFoundTrapGlyph && tile.glyph != kPoolGlyph && tile.glyph != kSnowmanGlyph;
}

// Tries the careful ways first, then the bold ones.
template <class Search>
XY CarefullyThenBoldly(Search search, XY none) {
    bold = false;
    XY found = search();
    if (found.x != none.x || found.y != none.y) return found;
    bold = true;
    found = search();
    bold = false;
    return found;
}

// Steps from (x, y) over walkable squares free of monsters; the goal may hold one.
Distances DistancesFrom(int fromX, int fromY, int goalX, int goalY) {
    Distances distance;
    distance.fill(kUnreached);
    std::deque<XY> open;
    distance[static_cast<size_t>(Cell(fromX, fromY))] = 0;
    open.push_back({fromX, fromY});
    while (!open.empty()) {
        const XY at = open.front();
        open.pop_front();
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int x = at.x + dx;
                const int y = at.y + dy;
                if ((dx == 0 && dy == 0) || !Walkable(x, y)) continue;
                int& seen = distance[static_cast<size_t>(Cell(x, y))];
                if (seen != kUnreached) continue;
                const bool goal = x == goalX && y == goalY;
                if (!goal && SeenMonsterAt(x, y) && !(x == player.x && y == player.y)) continue;
                seen = distance[static_cast<size_t>(Cell(at.x, at.y))] + 1;
                open.push_back({x, y});
            }
        }
    }
    return distance;
}

}  // namespace

void RememberSeenSquares() {
    if (player.currentFloor < 0 || player.currentFloor >= kFloorCount) return;
    auto& seen = seenSquares[static_cast<size_t>(player.currentFloor)];
    const Floor& floor = CharactersFloor();
    for (int x = 0; x < kFloorWidth; ++x) {
        for (int y = 0; y < kFloorHeight; ++y) {
            if (floor.At(x, y).visibleNow != 0) seen[static_cast<size_t>(Cell(x, y))] = true;
        }
    }
}

bool KnownSquare(int x, int y) { return Floor::OnMap(x, y) && Known(x, y); }

XY NextStepTowardOnce(int x, int y);

XY NextStepToward(int x, int y) {
    return CarefullyThenBoldly([x, y] { return NextStepTowardOnce(x, y); }, XY{player.x, player.y});
}

XY NextStepTowardOnce(int x, int y) {
    const XY here{player.x, player.y};
    if (!Floor::OnMap(x, y) || (x == here.x && y == here.y)) return here;
    // Distances from the goal: the character steps to the neighbour nearest it.
    const Distances distance = DistancesFrom(x, y, here.x, here.y);
    XY best = here;
    int bestDistance = kUnreached;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const int nx = here.x + dx;
            const int ny = here.y + dy;
            if ((dx == 0 && dy == 0) || !Floor::OnMap(nx, ny)) continue;
            const int d = distance[static_cast<size_t>(Cell(nx, ny))];
            if (d == kUnreached) continue;
            if (SeenMonsterAt(nx, ny) && !(nx == x && ny == y)) continue;
            if (bestDistance == kUnreached || d < bestDistance) {
                bestDistance = d;
                best = {nx, ny};
            }
        }
    }
    return best;
}

XY StepAwayFrom(const std::vector<const Monster*>& monsters) {
    const XY here{player.x, player.y};
    auto nearestMonster = [&monsters](int x, int y) {
        int nearest = 1000;
        for (const Monster* monster : monsters) nearest = std::min(nearest, std::max(std::abs(monster->x - x), std::abs(monster->y - y)));
        return nearest;
    };
    const XY stairs = FindKnownGlyph(kUpStairsGlyph);
    Distances toStairs;
    toStairs.fill(kUnreached);
    if (stairs.x >= 0) toStairs = DistancesFrom(stairs.x, stairs.y, here.x, here.y);
    XY best = here;
    int bestScore = nearestMonster(here.x, here.y) * 100 -
                    (toStairs[static_cast<size_t>(Cell(here.x, here.y))] == kUnreached ? 0 : toStairs[static_cast<size_t>(Cell(here.x, here.y))]);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const int x = here.x + dx;
            const int y = here.y + dy;
            if ((dx == 0 && dy == 0) || !Walkable(x, y) || SeenMonsterAt(x, y)) continue;
            const int toUp = toStairs[static_cast<size_t>(Cell(x, y))];
            const int score = nearestMonster(x, y) * 100 - (toUp == kUnreached ? 0 : toUp);
            if (score > bestScore) {
                bestScore = score;
                best = {x, y};
            }
        }
    }
    return best;
}

XY StepCloserToAny(const std::vector<const Monster*>& monsters, XY preferred) {
    auto rowsPlusColumns = [](int ax, int ay, int bx, int by) { return std::abs(ax - bx) + std::abs(ay - by); };
    auto closer = [&](int x, int y) {
        for (const Monster* monster : monsters) {
            if (rowsPlusColumns(x, y, monster->x, monster->y) < rowsPlusColumns(player.x, player.y, monster->x, monster->y)) return true;
        }
        return monsters.empty();
    };
    const XY here{player.x, player.y};
    if ((preferred.x != here.x || preferred.y != here.y) && closer(preferred.x, preferred.y)) return preferred;
    XY best = here;
    int bestDistance = 1000;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const int x = here.x + dx;
            const int y = here.y + dy;
            if ((dx == 0 && dy == 0) || !Walkable(x, y) || SeenMonsterAt(x, y) || !closer(x, y)) continue;
            for (const Monster* monster : monsters) {
                const int d = std::max(std::abs(monster->x - x), std::abs(monster->y - y));
                if (d < bestDistance) {
                    bestDistance = d;
                    best = {x, y};
                }
            }
        }
    }
    return best;
}

XY ExplorationTargetOnce(bool (*wanted)(const ItemData&));

XY ExplorationTarget(bool (*wanted)(const ItemData&)) {
    return CarefullyThenBoldly([wanted] { return ExplorationTargetOnce(wanted); }, XY{-1, -1});
}

XY ExplorationTargetOnce(bool (*wanted)(const ItemData&)) {
    const Distances distance = DistancesFrom(player.x, player.y, -1, -1);
    const Floor& floor = CharactersFloor();
    XY best{-1, -1};
    int bestDistance = kUnreached;
    for (int x = 0; x < kFloorWidth; ++x) {
        for (int y = 0; y < kFloorHeight; ++y) {
            const int d = distance[static_cast<size_t>(Cell(x, y))];
            if (d <= 0) continue;
            const Tile& tile = floor.At(x, y);
            bool worth = false;
            for (const ItemData& item : tile.items) worth = worth || wanted(item);
            for (int dx = -1; dx <= 1 && !worth; ++dx) {
                for (int dy = -1; dy <= 1 && !worth; ++dy) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (Floor::OnMap(nx, ny) && !Known(nx, ny)) worth = true;
                }
            }
            if (worth && (bestDistance == kUnreached || d < bestDistance)) {
                bestDistance = d;
                best = {x, y};
            }
        }
    }
    return best;
}

XY FindKnownGlyph(char glyph) {
    const Floor& floor = CharactersFloor();
    for (int x = 0; x < kFloorWidth; ++x) {
        for (int y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floor.At(x, y);
            if (tile.glyph == glyph && Known(x, y)) return {x, y};
        }
    }
    return {-1, -1};
}
