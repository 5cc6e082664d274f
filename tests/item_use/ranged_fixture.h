#pragma once
// Shooting and throwing on an open floor in view: the character at (10, 10) of
// floor 0 with a bow, arrows and darts of hand-made kinds, and rats to aim at.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "monsters/monster_fight_fixture.h"
#include "support/hand_made_world.h"
#include "toolkit/message_log.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace ranged {

constexpr int32_t kArrowKind = 30;
constexpr int32_t kBowKind = 31;
constexpr int32_t kDartKind = 32;

inline void DefineRangedKinds() {
    conditions::DefineKind(kArrowKind, kItemAmmunition, 1, "arrow");
    itemKinds[kArrowKind].secondValue = 1;
    conditions::DefineWeapon(kBowKind, kSubtypeRanged, 4, 6);
    itemKinds[kBowKind].maxDurability = 100;
    conditions::DefineKind(kDartKind, kItemAmmunition, 2, "dart");
    itemKinds[kDartKind].secondValue = 3;
    arrowKindIndex = kArrowKind;
}

// A bow in the main hand and a stack of arrows; gives the arrows' inventory index.
inline int32_t ArmWithBow(int32_t arrows) {
    fight::WearSturdily(kSlotMainWeapon, kBowKind);
    const int32_t index = Carry(kArrowKind);
    player.inventory[static_cast<std::size_t>(index)].quantity = arrows;
    return index;
}

// The darts in the thrown-weapon slot.
inline void ArmWithDarts(int32_t darts) {
    const int32_t index = Wear(kSlotThrownWeapon, kDartKind);
    player.inventory[static_cast<std::size_t>(index)].quantity = darts;
}

// A plain item lying on a square.
inline ItemData Lying(int32_t kind, int32_t quantity) {
    ItemData item;
    item.kind = kind;
    item.quantity = quantity;
    return item;
}

// How many arrows the character carries in all.
inline int32_t CarriedArrows() {
    int32_t count = 0;
    for (const ItemData& item : player.inventory) count += item.kind == kArrowKind ? item.quantity : 0;
    return count;
}

// The quantity of the kind lying on (x, y) of floor 0.
inline int32_t LyingOn(int32_t x, int32_t y, int32_t kind) {
    int32_t count = 0;
    for (const ItemData& item : floorArray[0].At(x, y).items) count += item.kind == kind ? item.quantity : 0;
    return count;
}

// The message lines of the log, oldest first, without markup, "-More-" or trailing blanks.
inline std::vector<std::string> MessageLines() {
    std::vector<std::string> lines;
    auto add = [&lines](const std::string& line) {
        std::string plain = MessageLog::StripColourCodes(line);
        const size_t more = plain.rfind("-More-");
        if (more != std::string::npos) plain.erase(more);
        plain.erase(plain.find_last_not_of(' ') + 1);
        lines.push_back(plain);
    };
    for (int32_t i = kHistoryLines - 1; i >= 0; --i) {
        if (!messageLog.history[i].empty()) add(messageLog.history[i]);
    }
    for (int32_t k = 0; k < 3; ++k) {
        if (messageLog.used[k]) add(messageLog.line[k]);
    }
    return lines;
}

// True when the log parts a monster's name of two words at a line break: one line
// ends in its first word and the next begins with the rest (with what follows it,
// so that other messages naming the monster are told apart).
//
// WidthThatPartsAName runs the action once after each width of text already on the
// first message line (0 to 79), on an empty log each time, and gives the first
// width after which the name is parted; -1 when it never is.
inline bool NameParted(const std::string& firstWord, const std::string& restAndAfter) {
    const std::vector<std::string> lines = MessageLines();
    for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
        const std::string& line = lines[k];
        const bool endsInFirst = line.size() >= firstWord.size() &&
                                 line.compare(line.size() - firstWord.size(), firstWord.size(), firstWord) == 0;
        if (endsInFirst && lines[k + 1].rfind(restAndAfter, 0) == 0) return true;
    }
    return false;
}

inline int32_t WidthThatPartsAName(const std::function<void()>& action, const std::string& firstWord,
                                   const std::string& restAndAfter) {
    for (int32_t width = 0; width < 80; ++width) {
        messageLog = MessageLog();
        if (width > 0) messageLog.PrintMessage(std::string(static_cast<std::size_t>(width), 'x'));
        action();
        if (NameParted(firstWord, restAndAfter)) return width;
    }
    return -1;
}

}  // namespace ranged

// For the cursors and everything that flashes: type the keys first.
class RangedScreenTest : public FightScreenTest {
protected:
    void SetUp() override {
        FightScreenTest::SetUp();
        ranged::DefineRangedKinds();
    }
};
