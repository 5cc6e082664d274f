// The learning screen: the skill list in pages of 20, three sorts, and
// learning the highlighted skill for a skill point.
#include "skills/learning_screen.h"

#include <string>
#include <vector>

#include "player/map_view.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/list_frame.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/floor.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

constexpr int32_t kRowsPerPage = 20;
constexpr int32_t kLastPosition = kSkillCount - 1;
constexpr int32_t kLastPage = kLastPosition / kRowsPerPage;
constexpr int32_t kFirstListRow = 4;

bool InUse(int32_t position) {
    return position >= 0 && position < kSkillCount && skillTable[position].inUse != 0;
}

int32_t SortKey(const SkillDef& skill, int32_t mode) {
    switch (mode) {
        case kSortAttainability: return skill.CountMissingRequirementPoints();
        case kSortLevel: return skill.requirements[kReqLevel];
        default: return skill.orderIndex;
    }
}

int32_t HighestSortKey(int32_t mode) {
    switch (mode) {
        case kSortAttainability: return 74;
        case kSortLevel: return 19;
        default: return kLastPosition;
    }
}

}  // namespace

void SortSkillList(int32_t mode) {
    std::vector<SkillDef> sorted;
    sorted.reserve(kSkillCount);
    const int32_t highest = HighestSortKey(mode);
    for (int32_t key = 0; key <= highest; ++key) {
        for (const SkillDef& skill : skillTable) {
            if (skill.inUse != 0 && SortKey(skill, mode) == key) sorted.push_back(skill);
        }
    }
    // Keys outside the buckets (far-off requirements) still keep their records, after the last bucket.
    for (const SkillDef& skill : skillTable) {
        const int32_t key = SortKey(skill, mode);
        if (skill.inUse != 0 && (key < 0 || key > highest)) sorted.push_back(skill);
    }
    for (const SkillDef& skill : skillTable) {
        if (skill.inUse == 0) sorted.push_back(skill);
    }
    for (int32_t position = 0; position < kSkillCount; ++position) skillTable[position] = sorted[position];
}

void DrawSkillLearnRow(bool highlighted, int32_t screenRow, int32_t position) {
    const SkillDef& skill = skillTable[position];
    const char mark = skill.learned != 0 ? '*' : ' ';
    const char* nameColour = "@G";
    switch (skill.GetLearnStatus()) {
        case kAttributeShort: nameColour = "@R"; break;
        case kLevelShort: nameColour = "@P"; break;
        case kNoSkillPoint: nameColour = "@Y"; break;
        default: break;
    }
    std::string text = FormatText("@C%c       %s%s", mark, nameColour, skill.name);
    // 44 characters with the markup letters: 40 columns on the screen.
    if (text.size() < 44) text.append(44 - text.size(), ' ');
    DrawCodedText(text.c_str(), 0, screenRow, highlighted ? kOnWhite : kOnBlack);
    skill.DrawSkillInfo();
}

void Player::DrawLearnSkillsPage(int32_t page) {
    ClearScreen();
    DrawListFrame(" 8 = up    page down = next page    z = exit  | sort by:   D = default order",
                  " 2 = down  page up = previous page  l = learn | L = level  A = attainability", 1);
    DrawText("Known   Name", 0, 3, kCyan);
    DrawText("Skill points:", 33, 3, kLightCyan);
    DrawNumber(skillPoints, 47, 3, kWhite);
    DrawText("Page:  /3", 67, 3, kCyan);
    DrawNumber(page + 1, 73, 3, kCyan);
    for (int32_t row = 0; row < kRowsPerPage; ++row) {
        const int32_t position = page * kRowsPerPage + row;
        if (InUse(position)) DrawSkillLearnRow(false, kFirstListRow + row, position);
    }
    for (int32_t y = kFirstListRow; y <= 24; ++y) DrawChar('|', 40, y, kCyan);
}

int32_t Player::LearnSkill(bool browseOnly) {
    // Nothing can be learned from the level-up page, by the dead, or on the surface after the victory.
    const bool browsing = browseOnly || hp < 1 || currentFloor == -1;
    int32_t page = 0;
    int32_t row = 0;
    auto showPage = [&](int32_t newPage, int32_t newRow) {
        page = newPage;
        row = newRow;
        DrawLearnSkillsPage(page);
        DrawSkillLearnRow(true, kFirstListRow + row, page * kRowsPerPage + row);
    };
    auto moveHighlight = [&](int32_t newRow) {
        DrawSkillLearnRow(false, kFirstListRow + row, page * kRowsPerPage + row);
        row = newRow;
        DrawSkillLearnRow(true, kFirstListRow + row, page * kRowsPerPage + row);
    };
    showPage(0, 0);
    for (;;) {
        const int key = ReadKey();
        const int32_t position = page * kRowsPerPage + row;
        switch (key) {
            case '2':
            case kKeyDown:
                if (position == kLastPosition) {
                    showPage(0, 0);
                } else if (row < kRowsPerPage - 1) {
                    if (InUse(position + 1)) moveHighlight(row + 1);
                } else if (InUse(position + 1)) {
                    showPage(page + 1, 0);
                }
                break;
            case '8':
            case kKeyUp:
                if (row > 0) {
                    moveHighlight(row - 1);
                } else if (page > 0) {
                    showPage(page - 1, kRowsPerPage - 1);
                } else {
                    showPage(kLastPage, kLastPosition - kLastPage * kRowsPerPage);
                }
                break;
            case '+':
            case kKeyPageDown:
                if (kRowsPerPage * (page + 1) <= kLastPosition && InUse(kRowsPerPage * (page + 1))) {
                    showPage(page + 1, 0);
                }
                break;
            case '-':
            case kKeyPageUp:
                if (page >= 1) showPage(page - 1, 0);
                break;
            case 'D':
            case 'A':
            case 'L':
                SortSkillList(key == 'D' ? kSortDefault : key == 'A' ? kSortAttainability : kSortLevel);
                showPage(0, 0);
                break;
            case 'l':
            case kKeyEnter: {
                if (browsing) break;
                SkillDef& skill = skillTable[position];
                if (skill.GetLearnStatus() != kLearnable || skill.learned != 0) break;
                --skillPoints;
                skill.learned = 1;
                messageLog.PrintMessage(FormatText("You learn a new skill: %s. ", skill.name));
                ClearScreen();
                if (IsFloorNumber(currentFloor)) floorArray[currentFloor].RedrawSeenTiles();
                SortSkillList(kSortDefault);
                return 1;
            }
            case 'z':
            case 'Z':
            case kKeyEscape:
            case '`':
                if (!browsing) {
                    ClearScreen();
                    if (RestoreMapView()) RedrawScreen();
                }
                SortSkillList(kSortDefault);
                return 0;
            default:
                break;
        }
    }
}
