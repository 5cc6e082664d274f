// The use-skill screen: the learned skills in pages of 20 with what each costs
// now, choosing one to use, and marking one as the quick skill.
#include <string>
#include <vector>

#include "player/map_view.h"
#include "skills/skill_def.h"
#include "skills/skill_use.h"
#include "toolkit/drawing.h"
#include "toolkit/list_frame.h"
#include "toolkit/message_log.h"
#include "toolkit/terminal.h"
#include "toolkit/text_format.h"
#include "world/game_hooks.h"
#include "world/player.h"

namespace {

constexpr int32_t kRowsPerPage = 20;
constexpr int32_t kFirstListRow = 4;
// Rows are padded far past the screen's edge so that a highlight covers the whole line.
constexpr std::size_t kRowTextLength = 120;

// A skill can be chosen from the list only when it is paid for and not under way already.
bool CanUseFromList(const Player& p, int32_t position) {
    const SkillDef& skill = skillTable[position];
    if (skill.spCost == kSkillCostPassive || skill.spCost > p.sp) return false;
    if (skill.effect == p.preparedSkill || skill.effect == p.activeSkill) return false;
    return !(skill.effect == kSkillDash && p.immobility >= 1);
}

}  // namespace

void Player::DrawSkillRow(bool highlighted, int32_t screenRow, int32_t position) {
    const SkillDef& skill = skillTable[position];
    const int32_t cost = ShownSkillCost(*this, position);
    // Two-digit costs take the pad's column, so the marks and names stay aligned.
    const char* pad = cost <= 9 ? " " : "";
    const char mark = position == quickSkill ? '*' : ' ';
    std::string text;
    if (cost == kSkillCostPassive) {
        text = FormatText("@C                            @B%s", skill.name);
    } else if (cost <= sp) {
        text = FormatText("@C%d  %s      %c                 @G%s", cost, pad, mark, skill.name);
    } else {
        text = FormatText("@C%d    %s    %c                 @R%s", cost, pad, mark, skill.name);
    }
    if (text.size() < kRowTextLength) text.append(kRowTextLength - text.size(), ' ');
    DrawCodedText(text.c_str(), 0, screenRow, highlighted ? kOnWhite : kOnBlack);
}

void Player::DrawUseSkillsPage(int32_t page, const std::vector<int32_t>& useList) {
    ClearScreen();
    DrawListFrame("SP now:        8 = up    page down = next page    d or enter = use skill",
                  "z = exit       2 = down  page up = previous page  s = set the quick skill", 2);
    DrawText("SP cost   Quick selection   Name", 0, 3, kCyan);
    DrawNumber(sp, 10, 0, kLightGreen);
    for (int32_t row = 0; row < kRowsPerPage; ++row) {
        const std::size_t entry = static_cast<std::size_t>(page * kRowsPerPage + row);
        if (entry >= useList.size()) break;
        DrawSkillRow(false, kFirstListRow + row, useList[entry]);
    }
}

int32_t Player::UseSkill() {
    if (IsSkillFreeFloor(*this)) {
        DrawSkillRefusal("You feel too stupid to use any skills on this floor!");
        return 0;
    }
    if (dizziness >= 1) {
        PrintWords("You are too confused to use your skills. ");
        messageLog.FlushMessages(false);
        return 0;
    }
    const std::vector<int32_t> useList = LearnedSkillPositions(true);
    if (useList.empty()) {
        PrintWords("You haven't learned any skills yet. ");
        messageLog.FlushMessages(false);
        return 0;
    }
    const int32_t count = static_cast<int32_t>(useList.size());
    const int32_t lastEntry = count - 1;
    int32_t page = 0;
    int32_t row = 0;
    auto entryOf = [&]() { return page * kRowsPerPage + row; };
    auto showEntry = [&](int32_t entry) {
        page = entry / kRowsPerPage;
        row = entry % kRowsPerPage;
        DrawUseSkillsPage(page, useList);
        DrawSkillRow(true, kFirstListRow + row, useList[static_cast<std::size_t>(entry)]);
    };
    // Within one page only the two rows concerned are drawn again.
    auto moveTo = [&](int32_t entry) {
        if (entry / kRowsPerPage != page) {
            showEntry(entry);
            return;
        }
        DrawSkillRow(false, kFirstListRow + row, useList[static_cast<std::size_t>(entryOf())]);
        row = entry % kRowsPerPage;
        DrawSkillRow(true, kFirstListRow + row, useList[static_cast<std::size_t>(entry)]);
    };
    showEntry(0);
    for (;;) {
        const int key = ReadKey();
        const int32_t entry = entryOf();
        const int32_t position = useList[static_cast<std::size_t>(entry)];
        switch (key) {
            case '8':
            case kKeyUp:
                if (entry > 0) {
                    moveTo(entry - 1);
                } else if (count >= 2) {
                    moveTo(lastEntry);
                }
                break;
            case '2':
            case kKeyDown:
                if (entry < lastEntry) {
                    moveTo(entry + 1);
                } else if (count >= 2) {
                    moveTo(0);
                }
                break;
            case '+':
            case kKeyPageDown:
                if (kRowsPerPage * (page + 1) < count) showEntry(kRowsPerPage * (page + 1));
                break;
            case '-':
            case kKeyPageUp:
                if (page > 0) showEntry(kRowsPerPage * (page - 1));
                break;
            case 'd':
            case kKeyEnter:
            case '\r':
                if (!CanUseFromList(*this, position)) break;
                // The map is back before the skill acts, so its flashes show on it.
                ClearScreen();
                if (RestoreMapView()) RedrawScreen();
                return PayAndPerformSkill(*this, position);
            case 's':
                if (skillTable[position].spCost == kSkillCostPassive || position == quickSkill) break;
                quickSkill = position;
                showEntry(entry);
                break;
            case 'z':
            case 'Z':
            case kKeyEscape:
            case '`':
                ClearScreen();
                if (RestoreMapView()) RedrawScreen();
                return 0;
            default:
                break;
        }
    }
}
