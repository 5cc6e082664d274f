// What the look cursor tells of one square on the three message rows: the
// ground, who stands there, and what lies there.
#include <string>

#include "item_use/aiming.h"
#include "items/item_names.h"
#include "player/commands.h"
#include "toolkit/drawing.h"
#include "toolkit/message_log.h"
#include "world/floor.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

constexpr int32_t kItemRow = 21;
// Each text covers a longer one drawn before it on its row.
constexpr size_t kFixedTextWidth = 59;
constexpr size_t kOwnSquareWidth = 69;
constexpr size_t kBuiltLineWidth = 70;

void DrawPadded(std::string text, size_t width, int32_t row) {
    if (text.size() < width) text.resize(width, ' ');
    DrawText(text, 0, row, kLightCyan);
}

void ClearRow(int32_t row) { DrawText(messageLog.blank, 0, row, kBlack); }

// A found trap by its colour; two colours are shared, and then the kind tells.
const char* TrapText(const Tile& tile) {
    switch (tile.colour) {
        case kBlue: return "a freezing trap";
        case kGreen: return "a trap of durability reduction";
        case kCyan: return "a cursing trap";
        case kRed: return "an alarm trap";
        case kMagenta: return "a teleport trap";
        case kBrown: return tile.trapKind == kTrapPurseRay ? "a trap of money destruction" : "a damage trap";
        case kGrey: return "a paralyzing trap";
        case kDarkGrey: return "an iceblock trap";
        case kLightBlue: return "a trap of item destruction";
        case kLightGreen: return "a poison trap";
        case kLightCyan: return "a damage trap";
        case kLightRed: return "a fire trap";
        case kLightMagenta: return "an energy drain trap";
        case kYellow: return tile.trapKind == kTrapBlowpipe ? "a blinding trap" : "a sleep trap";
        case kWhite: return "a trapdoor";
        default: return nullptr;
    }
}

// The ground under the cursor; null for a square the look says nothing of.
const char* GroundText(const Tile& tile) {
    switch (tile.glyph) {
        case kFloorGlyph:
            if (tile.colour == kFreshBlood || tile.colour == kDriedBlood) return "bloodstained floor";
            if (tile.colour == kWhite) return "snowy floor";
            if (tile.colour == kLightCyan) return "icy floor";
            if (tile.colour == kMagenta) return nullptr;
            return "floor";
        case kWallGlyph:
            if (tile.colour == kFreshBlood || tile.colour == kDriedBlood) return "bloodstained wall";
            if (tile.colour == kCyan) return "icy wall";
            return "wall";
        case kIceBlockGlyph: return "an iceblock";
        case kSlushGlyph: return "sticky slush";
        case kMirrorGlyph: return tile.colour == kMirrorColour ? "an ice mirror" : "a bloody stand";
        case kVeilSpiritGlyph: return "a spirit veil";
        case kPoolGlyph: return tile.featureState == 0 ? "the frozen surface of a pool" : "a hole in the ice";
        case kSnowmanGlyph: return tile.featureState == 1 ? "a snowman" : "a heap of snow";
        case kMaskGlyph: return "a mask, rotating aimlessly on the ground";
        case kUpStairsGlyph: return "stairs up";
        case kDownStairsGlyph: return "stairs down";
        case kWritingGlyph: return "a pedestal with a scroll";
        case kAltarGlyph: return "an altar of the Goddess";
        case kLightBallGlyph: return "a strange hovering light";
        case kBagGlyph: return "a frozen body of an adventurer";
        case kCampfireGlyph: return "an abandoned camp";
        case kFoundTrapGlyph: return TrapText(tile);
        default: return nullptr;
    }
}

void DrawGround(const Tile& tile) {
    const char* text = GroundText(tile);
    if (text == nullptr) return;
    const std::string ground = text;
    // The two ice block texts are a character wider than the rest.
    DrawPadded(ground, ground.find("iceblock") != std::string::npos ? kFixedTextWidth + 1 : kFixedTextWidth, kPromptRow);
}

std::string MonsterLine(const Monster& monster) {
    const int32_t hp = monster.hp;
    const int32_t max = monster.maxHp;
    std::string line = std::string("a hostile ") + monster.name;
    if (hp < max) {
        if (hp >= static_cast<int32_t>(max / 1.5)) {
            line += ", barely injured";
        } else if (hp >= max / 2) {
            line += ", injured";
        } else if (hp >= max / 3) {
            line += ", badly injured";
        } else {
            line += monster.living == 1 ? ", almost dead" : ", almost destroyed";
        }
    }
    // A unique demon goes by its name alone.
    if (IsUniqueDemon(monster.name)) line.erase(0, 10);
    return line + " (l = look at details)";
}

void DrawItems(const Tile& tile) {
    if (tile.items.empty()) {
        if (tile.gold > 0) {
            DrawPadded("some money", kFixedTextWidth, kItemRow);
        } else {
            ClearRow(kItemRow);
        }
        return;
    }
    if (tile.items.size() >= 2) {
        DrawPadded(tile.gold > 0 ? "several objects and some money" : "several objects", kFixedTextWidth, kItemRow);
        return;
    }
    const ItemData& item = tile.items.front();
    const std::string name = ShownItemName(item);
    std::string line = item.quantity == 1 ? ItemNameWithArticle(name) : PluralItemName(name);
    if (tile.gold > 0) line += "and some money";
    DrawPadded(line, kBuiltLineWidth, kItemRow);
}

}  // namespace

Monster* Player::DescribeSquare(int32_t squareX, int32_t squareY) {
    if (squareX == -1) {
        if (squareY == -1) BlankMessageRows(kPromptRow, kItemRow);
        return nullptr;
    }
    if (!Floor::OnMap(squareX, squareY) || !IsFloorNumber(currentFloor)) return nullptr;
    const Tile& tile = floorArray[currentFloor].At(squareX, squareY);
    if (tile.visibleNow == 0) {
        DrawPadded("You can't see there", kFixedTextWidth, kPromptRow);
        BlankMessageRows(kNameRow, kItemRow);
        return nullptr;
    }
    DrawGround(tile);
    bool creatureDrawn = false;
    for (const cSage& sage : sages) {
        if (sage.x == squareX && sage.y == squareY && sage.floor == currentFloor) {
            DrawPadded("a sage", kFixedTextWidth, kNameRow);
            creatureDrawn = true;
        }
    }
    if (tile.glyph == kDeepSmithGlyph) {
        DrawPadded("floor", kFixedTextWidth, kPromptRow);
        DrawPadded("a deep smith", kFixedTextWidth, kNameRow);
        creatureDrawn = true;
    }
    Monster* monster = FindMonsterAt(squareX, squareY, currentFloor);
    if (monster != nullptr) {
        DrawPadded(MonsterLine(*monster), kBuiltLineWidth, kNameRow);
        creatureDrawn = true;
    }
    if (squareX == x && squareY == y) {
        DrawPadded("you (l = look at details)", kOwnSquareWidth, kNameRow);
        creatureDrawn = true;
    }
    if (!creatureDrawn) ClearRow(kNameRow);
    DrawItems(tile);
    return monster;
}
