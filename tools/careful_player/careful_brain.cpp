#include "careful_brain.h"

#include <curses.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "careful_paths.h"
#include "careful_sight.h"
#include "items/equip_chooser.h"
#include "skills/skill_def.h"
#include "toolkit/drawing.h"
#include "toolkit/terminal.h"
#include "world/command_keys.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

constexpr CarefulTraining kTrainings[] = {
    // A dwarf warrior with a one-handed weapon and a shield, trained in vitality.
    {"warrior", '1', '1', '2', '2', false},
    // A human ranger with a one-handed weapon and a bow, trained in dexterity.
    {"ranger", '2', '2', '2', '3', false},
    // An elf archer with a bow and a one-handed weapon, trained in dexterity; its bow is its
    // better weapon even at arm's length.
    {"archer", '3', '3', '2', '3', true},
};

// The name typed at creation; its save would be "Careful.hmd", which no game writes.
constexpr const char* kName = "Careful";

// Hit points as a share of the most, in percent.
int32_t HealthPercent() { return player.maxHp > 0 ? player.hp * 100 / player.maxHp : 0; }

// Below this share the character leaves a fight it can leave, and drinks healing in one it cannot.
constexpr int32_t kFleePercent = 40;
constexpr int32_t kDrinkPercent = 30;
// Rests when no monster is in view and hit points are below this share; when chilly, below
// the second, and it descends with the third.
constexpr int32_t kRestPercent = 70;
constexpr int32_t kChillyRestPercent = 40;
constexpr int32_t kChillyDescendPercent = 60;
// Body temperatures: below the first the character seeks warmth and eats what fits under the
// last; below the second it stops resting to full and makes for the stairs; below the third it
// eats anything. Between 6000 and 8000 it is quickest.
constexpr int32_t kColdTemperature = 5000;
constexpr int32_t kChillyTemperature = 3500;
constexpr int32_t kFreezingTemperature = 1500;
constexpr int32_t kWarmTemperature = 8000;
// Above this a warm floor is boiling the character: it leaves as it would leave a cold one.
constexpr int32_t kHotTemperature = 9200;
// Turns the character waits for a seen monster to come before going to it.
constexpr int32_t kWaitForApproach = 6;
// Keys the character gives at one turn before it stops trying what it planned.
constexpr int32_t kPromptsBeforeFallback = 24;
// Keys at one turn before the character stops pressing a fight the game refuses.
constexpr int32_t kPromptsBeforeRetreat = 6;

const ItemKind* KindOfItem(const ItemData& item) {
    if (item.kind < 0 || item.kind >= kItemKindCount) return nullptr;
    return &itemKinds[item.kind];
}

bool NameHas(const ItemKind& kind, const char* word) { return std::strstr(kind.name, word) != nullptr; }

const ItemData* Worn(int32_t slot) {
    const int32_t index = player.equipSlots[slot];
    if (index < 0 || index >= static_cast<int32_t>(player.inventory.size())) return nullptr;
    return &player.inventory[static_cast<size_t>(index)];
}

bool MainWeaponIsBow() {
    const ItemData* weapon = Worn(kSlotMainWeapon);
    const ItemKind* kind = weapon != nullptr ? KindOfItem(*weapon) : nullptr;
    return kind != nullptr && kind->type == kItemWeapon && kind->subtype == kSubtypeRanged;
}

bool ReadiedIsBow() {
    const ItemData* weapon = Worn(kSlotMainHandSwap);
    const ItemKind* kind = weapon != nullptr ? KindOfItem(*weapon) : nullptr;
    return kind != nullptr && kind->type == kItemWeapon && kind->subtype == kSubtypeRanged;
}

bool ReadiedIsMelee() {
    const ItemData* weapon = Worn(kSlotMainHandSwap);
    const ItemKind* kind = weapon != nullptr ? KindOfItem(*weapon) : nullptr;
    return kind != nullptr && kind->type == kItemWeapon && kind->subtype != kSubtypeRanged;
}

// The equipment screen's key of a slot and the chooser's arguments for it.
struct SlotChoice {
    int32_t slot;
    char key;
    int32_t selector;
    bool alternate;
    int32_t itemType;
};
constexpr SlotChoice kWornSlots[] = {
    {kSlotShield, 'd', kSubtypeShield, false, kItemArmour},
    {kSlotChest, 'e', kSubtypeChest, false, kItemArmour},
    {kSlotLeggings, 'f', kSubtypeLeggings, false, kItemArmour},
    {kSlotGauntlets, 'g', kSubtypeGauntlets, false, kItemArmour},
    {kSlotBoots, 'h', kSubtypeBoots, false, kItemArmour},
    {kSlotHelmet, 'i', kSubtypeHelmet, false, kItemArmour},
    {kSlotClothShirt, 'm', kSubtypeChest, true, kItemCloth},
    {kSlotClothTrousers, 'n', kSubtypeLeggings, true, kItemCloth},
    {kSlotClothGloves, 'o', kSubtypeGauntlets, true, kItemCloth},
    {kSlotClothSocks, 'p', kSubtypeBoots, true, kItemCloth},
    {kSlotClothCap, 'q', kSubtypeHelmet, true, kItemCloth},
};

// What a piece is worth in its slot: armour by its armour, clothes by their warmth.
int32_t PieceWorth(const ItemData& item) {
    const ItemKind* kind = KindOfItem(item);
    if (kind == nullptr) return -1;
    if (item.blessing == kCursed && item.identified != 0) return -1;
    return kind->power * 10 + (item.blessing == kBlessed && item.identified != 0 ? 5 : 0);
}

// The worth of what the slot holds now (-1 when empty).
int32_t WornWorth(int32_t slot) {
    const ItemData* item = Worn(slot);
    return item == nullptr ? -1 : PieceWorth(*item);
}

// The shield slot is taken only by a character whose hands allow it.
bool SlotUsable(int32_t slot) {
    if (slot != kSlotShield) return true;
    const ItemData* weapon = Worn(kSlotMainWeapon);
    const ItemKind* kind = weapon != nullptr ? KindOfItem(*weapon) : nullptr;
    if (kind == nullptr || kind->subtype != kSubtypeOneHanded) return false;
    return Worn(kSlotSecondWeapon) == nullptr;
}

// A slot whose piece the character knows to be cursed: it cannot be taken off.
bool KnownCursed(int32_t slot) {
    const ItemData* item = Worn(slot);
    return item != nullptr && item->blessing == kCursed && item->identified != 0;
}

// The armour slot worn over a cloth slot's choice.
int32_t ArmourOver(const SlotChoice& cloth) {
    for (const SlotChoice& choice : kWornSlots) {
        if (!choice.alternate && choice.selector == cloth.selector) return choice.slot;
    }
    return cloth.slot;
}

bool IsEquipped(int32_t index) {
    for (int32_t slot = 0; slot < kEquipSlotCount; ++slot) {
        if (player.equipSlots[slot] == index) return true;
    }
    return false;
}

// A weapon's worth: its mean damage; a cursed one it knows of is worth nothing.
int32_t WeaponWorth(const ItemData& item) {
    const ItemKind* kind = KindOfItem(item);
    if (kind == nullptr || kind->type != kItemWeapon) return -1;
    if (item.blessing == kCursed && item.identified != 0) return -1;
    return kind->power + kind->secondValue;
}

// The subtype the character fights with: what it holds, else what it started with.
int32_t MainWeaponSubtype(int32_t trainingSubtype) {
    const ItemData* weapon = Worn(kSlotMainWeapon);
    const ItemKind* kind = weapon != nullptr ? KindOfItem(*weapon) : nullptr;
    return kind != nullptr ? kind->subtype : trainingSubtype;
}

// The subtype of main weapon each training keeps to (the kit it chose).
int32_t keptWeaponSubtype = kSubtypeOneHanded;

// The kinds of gear the character left behind to lighten its load: it does not take them up again.
std::set<int32_t> leftBehind;

// Whether an item lying on the floor is worth carrying.
bool Wanted(const ItemData& item) {
    const ItemKind* kind = KindOfItem(item);
    if (kind == nullptr || leftBehind.count(item.kind) != 0) return false;
    // Better gear takes the place of the worn piece, which is then left behind.
    const ItemData* replaced = nullptr;
    bool useful = false;
    switch (kind->type) {
        case kItemFood:
        case kItemPotion: useful = true; break;
        case kItemAmmunition: useful = item.kind == arrowKindIndex && (MainWeaponIsBow() || ReadiedIsBow()); break;
        case kItemWeapon:
            if (kind->subtype != MainWeaponSubtype(keptWeaponSubtype)) return false;
            replaced = Worn(kSlotMainWeapon);
            useful = WeaponWorth(item) > (replaced != nullptr ? WeaponWorth(*replaced) : -1);
            break;
        case kItemArmour:
        case kItemCloth:
            for (const SlotChoice& choice : kWornSlots) {
                if (choice.itemType != kind->type || choice.selector != kind->subtype || !SlotUsable(choice.slot)) continue;
                replaced = Worn(choice.slot);
                useful = PieceWorth(item) > WornWorth(choice.slot);
                break;
            }
            break;
        default: return false;
    }
    if (!useful) return false;
    // Burdened (above three quarters of the capacity) the character hits, dodges and moves worse.
    const ItemKind* replacedKind = replaced != nullptr ? KindOfItem(*replaced) : nullptr;
    const int32_t added = kind->weight * item.quantity - (replacedKind != nullptr ? replacedKind->weight : 0);
    return player.carryingCapacity <= 0 || (player.carriedWeight + added) * 4 <= player.carryingCapacity * 3;
}


// The cold (or, on a warm floor, the heat) is the bigger danger than wounds.
bool Chilly() { return player.bodyTemperature < kChillyTemperature || player.bodyTemperature > kHotTemperature; }

// A berserk character only steps toward a monster in view ("Ber" on the status row).
bool Berserk() { return player.berserkBoon >= kBoonStronger; }

char StepKey(int32_t dx, int32_t dy) {
    static const char kKeys[3][3] = {{'7', '8', '9'}, {'4', '5', '6'}, {'1', '2', '3'}};
    return kKeys[dy + 1][dx + 1];
}

}  // namespace

const CarefulTraining* FindCarefulTraining(const std::string& word) {
    for (const CarefulTraining& training : kTrainings) {
        if (word == training.word) return &training;
    }
    return nullptr;
}

CarefulBrain::CarefulBrain(const CarefulTraining& training) : training_(training) {
    // The title menu's new game, the main entrance, a specific character, then
    // race, training, weaponry and attribute, the name and the gender.
    Queue("111");
    queue_.push_back(training_.raceDigit);
    queue_.push_back(training_.trainingDigit);
    queue_.push_back(training_.weaponryDigit);
    queue_.push_back(training_.attributeDigit);
    Queue(kName);
    queue_.push_back(kKeyEnter);
    queue_.push_back('1');
}

bool CarefulBrain::Chose(const char* reason, bool chose) {
    if (chose) reason_ = reason;
    return chose;
}

void CarefulBrain::Queue(const std::string& keys) {
    for (const char key : keys) queue_.push_back(static_cast<unsigned char>(key));
}

std::string CarefulBrain::Row(int row) const {
    std::string text;
    int cursorRow = 0;
    int cursorColumn = 0;
    getyx(stdscr, cursorRow, cursorColumn);
    for (int column = 0; column < 80; ++column) text.push_back(static_cast<char>(mvwinch(stdscr, row, column) & A_CHARTEXT));
    wmove(stdscr, cursorRow, cursorColumn);
    return text;
}

bool CarefulBrain::ScreenHolds(const char* text) const {
    for (int row = 0; row < 25; ++row) {
        if (Row(row).find(text) != std::string::npos) return true;
    }
    return false;
}

// The message rows as they stood when the player last answered a page of them.
std::string CarefulBrain::MessageRows() const { return Row(19) + Row(20) + Row(21); }

// A page of messages that waits for a key: it ends in "-More-" or asks for the
// space bar, and the player has not answered it yet (the page stays on the
// rows after the answer, until the next page).
bool CarefulBrain::MorePending() const {
    const std::string rows = MessageRows();
    if (rows.find("-More-") == std::string::npos && rows.find("ress space") == std::string::npos && rows.find("ress Space") == std::string::npos) return false;
    if (rows != answeredRows_) return true;
    // The same page again (a hailstorm says the same each turn): when the keys since the
    // answer changed nothing, the game still waits for one.
    return keysSinceTurn_ - keysAtAnswer_ >= 3;
}

int CarefulBrain::AnswerMessages() {
    answeredRows_ = MessageRows();
    const size_t more = answeredRows_.find("-More-");
    const size_t press = answeredRows_.find("Press space.");
    spaceOwed_ = more != std::string::npos && press != std::string::npos && press < more;
    keysAtAnswer_ = keysSinceTurn_;
    return kKeySpace;
}

// The map with the status rows under it, and no question on the message rows.
bool CarefulBrain::AtCommandPrompt() const {
    if (Row(23).find("HP:") != 0 || MorePending()) return false;
    for (const char* question : {"(y/n)", "which direction", "Select a target", "In which"}) {
        if (MessageRows().find(question) != std::string::npos) return false;
    }
    return true;
}

int CarefulBrain::NextKey() {
    const int key = ChooseKey();
    if (std::getenv("CAREFUL_TRACE") != nullptr) {
        int cursorRow = 0;
        int cursorColumn = 0;
        getyx(stdscr, cursorRow, cursorColumn);
        std::fprintf(stderr, "turn %d temp %d at (%d, %d) cursor (%d, %d) key %d '%c' %s | %s\n", player.turns, player.bodyTemperature, player.x, player.y,
                     cursorColumn, cursorRow, key, key >= 32 && key < 127 ? key : '?', reason_,
                     std::strcmp(std::getenv("CAREFUL_TRACE"), "rows") == 0 ? MessageRows().c_str() : Row(19).c_str());
    }
    return key;
}

int CarefulBrain::ChooseKey() {
    if (player.turns != lastTurn_) {
        lastTurn_ = player.turns;
        keysSinceTurn_ = 0;
        keysAtAnswer_ = 0;
        promptsThisTurn_ = 0;
        unknownScreens_ = 0;
    }
    ++keysSinceTurn_;
    reason_ = "queued";
    if (!queue_.empty()) {
        // A page of messages in the middle of a plan is read first.
        if (MorePending()) return AnswerMessages();
        const int key = queue_.front();
        queue_.pop_front();
        return key;
    }
    reason_ = "screen";
    if (MorePending()) return AnswerMessages();
    if (spaceOwed_) {
        spaceOwed_ = false;
        return kKeySpace;
    }
    // The level-up pages: the attribute, then a trait (hit points first, then
    // regeneration, dodge and speed as each is maxed out), each page ended by space.
    if (Row(24).find("Press space to") != std::string::npos || ScreenHolds("   Press Space   ")) return kKeySpace;
    if (ScreenHolds("Select a trait to improve further")) {
        static const char kTraits[] = "aecdgi";
        return kTraits[static_cast<size_t>(unknownScreens_++) % (sizeof kTraits - 1)];
    }
    if (ScreenHolds("Select an attribute to train")) return training_.attributeDigit;
    if (AtCommandPrompt()) {
        reason_ = "command";
        DecideCommand();
        if (!queue_.empty()) {
            const int key = queue_.front();
            queue_.pop_front();
            return key;
        }
        return '5';
    }
    if (ScreenHolds("ress space") || ScreenHolds("Press a key") || ScreenHolds("Remember the items")) return kKeySpace;
    // A screen or a question the player did not plan for: leave it in the ways screens are left.
    reason_ = "unknown screen";
    static const int kWaysOut[] = {'z', kKeySpace, 'n', kKeyEnter, kKeyEscape, '1'};
    return kWaysOut[unknownScreens_++ % 6];
}

void CarefulBrain::DecideCommand() {
    ++promptsThisTurn_;
    RememberSeenSquares();
    if (player.currentFloor != lastFloor_) {
        lastFloor_ = player.currentFloor;
        waitedForApproach_ = 0;
    }
    // A plan that the game did not take as a turn many times over: only the plainest acts now.
    const bool fallback = promptsThisTurn_ > kPromptsBeforeFallback;
    if (!fallback) {
        if (Chose("LearnSkill", LearnSkill())) return;
        if (Chose("DrinkHealing", DrinkHealing())) return;
    }
    // A fight the game will not let the character fight (horror, a refused skill): away, or wait.
    // A berserk character may not step away: it waits.
    if (promptsThisTurn_ > kPromptsBeforeRetreat && !fallback) {
        reason_ = "refused";
        const XY away = StepAwayFrom(SeenMonsters());
        if (!Berserk() && (away.x != player.x || away.y != player.y)) {
            queue_.push_back(StepKey(away.x - player.x, away.y - player.y));
        } else {
            queue_.push_back('5');
        }
        return;
    }
    // Nothing planned counts as a turn: a turn's rest, then random steps.
    if (fallback) {
        reason_ = "fallback";
        if (promptsThisTurn_ <= kPromptsBeforeFallback + 4) {
            queue_.push_back('5');
        } else {
            queue_.push_back(StepKey(std::rand() % 3 - 1, std::rand() % 3 - 1));
        }
        return;
    }
    if (Chose("FightAdjacent", FightAdjacent())) return;
    if (Chose("FaceTheSeen", FaceTheSeen())) return;
    if (Chose("PickUpHere", PickUpHere())) return;
    if (Chose("EquipBetter", EquipBetter())) return;
    if (Chose("LightenLoad", LightenLoad())) return;
    if (Chose("KeepWarm", KeepWarm())) return;
    if (Chose("RestIfHurt", RestIfHurt())) return;
    if (Chose("Explore", Explore())) return;
    reason_ = "nothing to do";
    queue_.push_back('5');
}

bool CarefulBrain::LearnSkill() {
    if (player.skillPoints <= 0) return false;
    for (int32_t position = 0; position < kSkillCount; ++position) {
        const SkillDef& skill = skillTable[position];
        if (skill.learned != 0 || skill.GetLearnStatus() != kLearnable) continue;
        queue_.push_back('L');
        for (int32_t i = 0; i < position; ++i) queue_.push_back('2');
        queue_.push_back('l');
        return true;
    }
    return false;
}

void CarefulBrain::UseInventoryItem(int32_t index) {
    queue_.push_back('i');
    for (int32_t i = 0; i < index; ++i) queue_.push_back('2');
    queue_.push_back('u');
}

bool CarefulBrain::DrinkHealing() {
    if (HealthPercent() >= kDrinkPercent) return false;
    for (size_t i = 0; i < player.inventory.size(); ++i) {
        const ItemData& item = player.inventory[i];
        const ItemKind* kind = KindOfItem(item);
        if (kind == nullptr || kind->type != kItemPotion || player.identifiedKinds[item.kind] == 0) continue;
        if (!NameHas(*kind, "healing")) continue;
        UseInventoryItem(static_cast<int32_t>(i));
        return true;
    }
    return false;
}

bool CarefulBrain::FightAdjacent() {
    const std::vector<const Monster*> seen = SeenMonsters();
    const Monster* weakest = nullptr;
    for (const Monster* monster : seen) {
        if (std::max(std::abs(monster->x - player.x), std::abs(monster->y - player.y)) != 1) continue;
        if (weakest == nullptr || monster->hp < weakest->hp) weakest = monster;
    }
    if (weakest == nullptr) return false;
    // Hurt on the up stairs with a monster beside: up, to rest where it may not follow.
    const Floor& floor = floorArray[player.currentFloor];
    if (HealthPercent() < kFleePercent && floor.At(player.x, player.y).glyph == kUpStairsGlyph && player.currentFloor > 0) {
        queue_.push_back('<');
        return true;
    }
    if (MainWeaponIsBow() && training_.shootsAdjacent && player.ArrowCount() > 0 && promptsThisTurn_ <= 2) {
        Queue("ff");
        return true;
    }
    if (MainWeaponIsBow() && ReadiedIsMelee() && promptsThisTurn_ <= 2) {
        queue_.push_back('x');
        return true;
    }
    // The quick skill, while there are points for it and it has not been refused this turn.
    if (player.quickSkill >= 0 && player.preparedSkill == 0 && player.sp * 2 >= player.maxSp && promptsThisTurn_ <= 1) {
        queue_.push_back('q');
        return true;
    }
    queue_.push_back(StepKey(weakest->x - player.x, weakest->y - player.y));
    return true;
}

bool CarefulBrain::FaceTheSeen() {
    const std::vector<const Monster*> seen = SeenMonsters();
    if (seen.empty()) {
        waitedForApproach_ = 0;
        return false;
    }
    const Monster* nearest = seen.front();
    auto distance = [](const Monster* monster) {
        return std::max(std::abs(monster->x - player.x), std::abs(monster->y - player.y));
    };
    for (const Monster* monster : seen) {
        if (distance(monster) < distance(nearest)) nearest = monster;
    }
    const bool hasArrows = player.ArrowCount() > 0;
    // A ranger takes the bow out while the monster is still far off.
    if (!MainWeaponIsBow() && ReadiedIsBow() && hasArrows && distance(nearest) >= 4 && promptsThisTurn_ <= 2) {
        queue_.push_back('x');
        return true;
    }
    if (MainWeaponIsBow() && hasArrows && promptsThisTurn_ <= 2) {
        Queue("ff");
        return true;
    }
    if (HealthPercent() < kFleePercent) {
        const XY away = StepAwayFrom(seen);
        if (away.x != player.x || away.y != player.y) {
            queue_.push_back(StepKey(away.x - player.x, away.y - player.y));
            return true;
        }
    }
    // Monsters come to the character: it waits a while where it stands, then goes to them.
    if (waitedForApproach_ < kWaitForApproach && distance(nearest) > 2) {
        ++waitedForApproach_;
        queue_.push_back('5');
        return true;
    }
    XY step = NextStepToward(nearest->x, nearest->y);
    if (Berserk()) step = StepCloserToAny(seen, step);
    if (step.x == player.x && step.y == player.y) {
        queue_.push_back('5');
        return true;
    }
    queue_.push_back(StepKey(step.x - player.x, step.y - player.y));
    return true;
}

bool CarefulBrain::LightenLoad() {
    if (player.carryingCapacity <= 0 || player.carriedWeight * 4 <= player.carryingCapacity * 3) return false;
    // What it can best do without: spare gear and valuables (the heaviest first), then potions, then food.
    int32_t best = -1;
    int32_t bestScore = 0;
    for (size_t i = 0; i < player.inventory.size(); ++i) {
        const ItemData& item = player.inventory[i];
        const ItemKind* kind = KindOfItem(item);
        if (kind == nullptr || IsEquipped(static_cast<int32_t>(i))) continue;
        const int32_t weight = kind->weight * item.quantity;
        if (weight <= 0) continue;
        int32_t score = 10000 + weight;
        if (kind->type == kItemPotion) score = 5000;
        // Of the food, the least warming goes first.
        if (kind->type == kItemFood) score = 4000 - kind->secondValue;
        if (score > bestScore) {
            bestScore = score;
            best = static_cast<int32_t>(i);
        }
    }
    if (best < 0) return false;
    const int32_t type = itemKinds[player.inventory[static_cast<size_t>(best)].kind].type;
    if (type == kItemWeapon || type == kItemArmour || type == kItemCloth) leftBehind.insert(player.inventory[static_cast<size_t>(best)].kind);
    queue_.push_back('i');
    for (int32_t i = 0; i < best; ++i) queue_.push_back('2');
    Queue("Dz");
    return true;
}

bool CarefulBrain::PickUpHere() {
    if (pickUpTurn_ == player.turns) return false;
    const Tile& tile = floorArray[player.currentFloor].At(player.x, player.y);
    if (tile.items.empty()) return false;
    std::vector<int32_t> wanted;
    for (size_t i = 0; i < tile.items.size(); ++i) {
        if (Wanted(tile.items[i])) wanted.push_back(static_cast<int32_t>(i));
    }
    if (wanted.empty()) return false;
    pickUpTurn_ = player.turns;
    queue_.push_back('g');
    if (tile.items.size() == 1) return true;
    // The list: the cursor starts on the first row; space marks, z takes the marked.
    int32_t at = 0;
    for (const int32_t row : wanted) {
        for (; at < row; ++at) queue_.push_back('2');
        queue_.push_back(kKeySpace);
    }
    queue_.push_back('z');
    return true;
}

bool CarefulBrain::EquipBetter() {
    if (equipTriedTurn_ == player.turns) return false;
    // A piece the game did not put on (a slot it holds shut) is not tried again.
    if (lastEquip_.first >= 0) {
        const ItemData* worn = Worn(lastEquip_.first);
        if (worn == nullptr || worn->kind != lastEquip_.second) refusedEquips_.insert(lastEquip_);
        lastEquip_ = {-1, -1};
    }
    // The main weapon: a better one of its sort, or any of its sort when it broke.
    {
        const ItemData* held = Worn(kSlotMainWeapon);
        if (held != nullptr) keptWeaponSubtype = KindOfItem(*held)->subtype;
        const std::vector<ChooserList> lists = ChooserLists(kChooseWeapons, false, false, false);
        int32_t row = 0;
        int32_t bestRow = -1;
        int32_t bestWorth = held != nullptr ? WeaponWorth(*held) : -1;
        int32_t bestKind = -1;
        for (const ChooserList& list : lists) {
            for (const ChooserEntry& entry : list.entries) {
                const ItemData& item = player.inventory[static_cast<size_t>(entry.index)];
                const ItemKind* kind = KindOfItem(item);
                if (!IsEquipped(entry.index) && kind != nullptr && kind->subtype == keptWeaponSubtype && WeaponWorth(item) > bestWorth &&
                    refusedEquips_.count({kSlotMainWeapon, item.kind}) == 0) {
                    bestWorth = WeaponWorth(item);
                    bestRow = row;
                    bestKind = item.kind;
                }
                ++row;
            }
        }
        if (bestRow >= 0 && bestRow < 20 && (held == nullptr || held->blessing != kCursed || held->identified == 0)) {
            equipTriedTurn_ = player.turns;
            lastEquip_ = {kSlotMainWeapon, bestKind};
            queue_.push_back('e');
            queue_.push_back('a');
            queue_.push_back('a' + bestRow);
            queue_.push_back('z');
            return true;
        }
    }
    for (const SlotChoice& choice : kWornSlots) {
        if (!SlotUsable(choice.slot) || KnownCursed(choice.slot) || (choice.alternate && KnownCursed(ArmourOver(choice)))) continue;
        const std::vector<ChooserList> lists = ChooserLists(choice.selector, choice.alternate, false, false);
        int32_t row = 0;
        int32_t bestRow = -1;
        int32_t bestWorth = WornWorth(choice.slot);
        int32_t bestKind = -1;
        for (const ChooserList& list : lists) {
            for (const ChooserEntry& entry : list.entries) {
                const ItemData& item = player.inventory[static_cast<size_t>(entry.index)];
                if (!entry.equipped && !IsEquipped(entry.index) && PieceWorth(item) > bestWorth &&
                    refusedEquips_.count({choice.slot, item.kind}) == 0) {
                    bestWorth = PieceWorth(item);
                    bestRow = row;
                    bestKind = item.kind;
                }
                ++row;
            }
        }
        // The chooser shows 20 rows a page and waits between pages; only the first is used.
        if (bestRow < 0 || bestRow >= 20) continue;
        equipTriedTurn_ = player.turns;
        lastEquip_ = {choice.slot, bestKind};
        queue_.push_back('e');
        queue_.push_back(choice.key);
        queue_.push_back('a' + bestRow);
        queue_.push_back('z');
        return true;
    }
    return false;
}

// A burning campfire the character has seen on its floor, (-1, -1) when none.
XY KnownFire() {
    const Floor& floor = floorArray[player.currentFloor];
    for (int32_t x = 0; x < kFloorWidth; ++x) {
        for (int32_t y = 0; y < kFloorHeight; ++y) {
            const Tile& tile = floor.At(x, y);
            if (tile.glyph == kCampfireGlyph && KnownSquare(x, y) && tile.colour != kDeadCampfireColour) return {x, y};
        }
    }
    return {-1, -1};
}

// A sage the character has seen on its floor whose heating it can pay for, or null.
const cSage* AffordableSage() {
    for (const cSage& sage : sages) {
        if (sage.floor == player.currentFloor && sage.seen != 0 && player.gold >= sage.priceLevel / 2) return &sage;
    }
    return nullptr;
}

bool CarefulBrain::StepToward(int32_t x, int32_t y) {
    const XY step = NextStepToward(x, y);
    if (step.x == player.x && step.y == player.y) return false;
    queue_.push_back(StepKey(step.x - player.x, step.y - player.y));
    return true;
}

bool CarefulBrain::KeepWarm() {
    // Once at a fire it stays until warm, one turn at a time (a fire too hot would boil it).
    const Tile& here = floorArray[player.currentFloor].At(player.x, player.y);
    const bool onFire = here.glyph == kCampfireGlyph && here.colour != kDeadCampfireColour;
    if (onFire && player.bodyTemperature < kWarmTemperature) {
        queue_.push_back('5');
        return true;
    }
    if (player.bodyTemperature >= kColdTemperature) return false;
    const XY fire = KnownFire();
    if (fire.x >= 0 && StepToward(fire.x, fire.y)) return true;
    // A sage heats for half his price level: beside him, the chat, heating, and yes.
    if (const cSage* sage = AffordableSage()) {
        if (std::max(std::abs(sage->x - player.x), std::abs(sage->y - player.y)) == 1) {
            Queue("chH");
            return true;
        }
        if (StepToward(sage->x, sage->y)) return true;
    }
    // Food warms: the warmest that leaves the character no hotter than warm, or any when freezing.
    int32_t best = -1;
    int32_t bestWarmth = 0;
    for (size_t i = 0; i < player.inventory.size(); ++i) {
        const ItemKind* kind = KindOfItem(player.inventory[i]);
        if (kind == nullptr || kind->type != kItemFood) continue;
        const int32_t warmth = kind->secondValue;
        const bool fits = player.bodyTemperature + warmth <= kWarmTemperature;
        if ((fits || player.bodyTemperature < kFreezingTemperature) && (best < 0 || warmth > bestWarmth)) {
            best = static_cast<int32_t>(i);
            bestWarmth = warmth;
        }
    }
    if (best < 0) return false;
    UseInventoryItem(best);
    return true;
}

bool CarefulBrain::RestIfHurt() {
    const bool chilly = Chilly();
    if (HealthPercent() >= (chilly ? kChillyRestPercent : kRestPercent) && (chilly || player.sp * 2 >= player.maxSp)) return false;
    // The quick rest: it stops by itself when a monster comes into view.
    Queue("w5");
    return true;
}

bool CarefulBrain::Explore() {
    // Chilly (or too hot), with the way down known, it leaves the rest of the floor unseen.
    const XY stairs = FindKnownGlyph(kDownStairsGlyph);
    const bool chilly = Chilly();
    if (!chilly || stairs.x < 0) {
        const XY target = ExplorationTarget(Wanted);
        if (target.x >= 0 && StepToward(target.x, target.y)) return true;
    }
    // Down at full health, or once it has most of it back when the cold presses.
    const Floor& floor = floorArray[player.currentFloor];
    if (floor.At(player.x, player.y).glyph == kDownStairsGlyph) {
        if (chilly ? HealthPercent() < kChillyDescendPercent : player.hp < player.maxHp) {
            Queue("w5");
            return true;
        }
        queue_.push_back('>');
        return true;
    }
    return stairs.x >= 0 && StepToward(stairs.x, stairs.y);
}
