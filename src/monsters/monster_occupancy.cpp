#include "monsters/monster_occupancy.h"

#include <array>

#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/monster.h"

namespace {

constexpr int32_t kSquaresPerFloor = kFloorWidth * kFloorHeight;
constexpr int32_t kNotFiled = -1;

// The first record filed under each square of each floor.
std::array<Monster*, kFloorCount * kSquaresPerFloor> firstOnSquare{};

void Link(Monster& monster, int32_t square) {
    monster.filedSquare = square;
    if (square == kNotFiled) return;
    monster.nextOnSquare = firstOnSquare[static_cast<size_t>(square)];
    firstOnSquare[static_cast<size_t>(square)] = &monster;
}

void Unlink(Monster& monster) {
    if (monster.filedSquare != kNotFiled) {
        Monster** link = &firstOnSquare[static_cast<size_t>(monster.filedSquare)];
        while (*link != nullptr && *link != &monster) link = &(*link)->nextOnSquare;
        if (*link != nullptr) *link = monster.nextOnSquare;
    }
    monster.filedSquare = kNotFiled;
    monster.nextOnSquare = nullptr;
}

}  // namespace

int32_t FiledSquareOf(int32_t x, int32_t y, int32_t floor) {
    if (!IsFloorNumber(floor) || !Floor::OnMap(x, y)) return kNotFiled;
    return floor * kSquaresPerFloor + x * kFloorHeight + y;
}

Monster* FirstFiledAt(int32_t square) { return firstOnSquare[static_cast<size_t>(square)]; }

void FileMonster(Monster& monster) {
    monster.listed = true;
    Link(monster, FiledSquareOf(monster.x, monster.y, monster.floor));
}

void UnfileMonster(Monster& monster) {
    Unlink(monster);
    monster.listed = false;
}

void ForgetAllFiledMonsters() { firstOnSquare.fill(nullptr); }

// Unfiled from the square it was filed under, not the one its fields name: so
// a square written by hand is mended by the next move (and reported by the
// invariant check until then).
void PlaceMonster(Monster& monster, int32_t x, int32_t y, int32_t floor) {
    if (monster.listed) Unlink(monster);
    monster.x = x;
    monster.y = y;
    monster.floor = floor;
    if (monster.listed) Link(monster, FiledSquareOf(x, y, floor));
}

std::string MonsterIndexDisagreement() {
    int32_t listedOnSquares = 0;
    for (const Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        const int32_t square = FiledSquareOf(monster->x, monster->y, monster->floor);
        if (!monster->listed || monster->filedSquare != square) {
            return FormatText("the record '%s' at (%d, %d) on floor %d is filed under square %d, not %d", monster->name,
                              monster->x, monster->y, monster->floor, monster->filedSquare, square);
        }
        if (square == kNotFiled) continue;
        ++listedOnSquares;
        const Monster* filed = FirstFiledAt(square);
        while (filed != nullptr && filed != monster) filed = filed->nextOnSquare;
        if (filed == nullptr) {
            return FormatText("the record '%s' at (%d, %d) on floor %d is missing from its square", monster->name,
                              monster->x, monster->y, monster->floor);
        }
    }
    int32_t filed = 0;
    for (const Monster* first : firstOnSquare) {
        for (const Monster* monster = first; monster != nullptr; monster = monster->nextOnSquare) ++filed;
    }
    if (filed != listedOnSquares) {
        return FormatText("%d records are filed under squares but %d listed ones stand on them", filed, listedOnSquares);
    }
    return {};
}
