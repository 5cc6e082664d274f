#include "duel_character.h"

#include <algorithm>
#include <array>

#include "duel_keys.h"
#include "game/game_state.h"
#include "items/equip_rules.h"
#include "items/inventory.h"
#include "world/item_kind.h"
#include "world/item_types.h"
#include "world/player.h"
#include "world/trait_rows.h"

namespace {

// How a training is played in the table: its creation answers (race,
// training, weaponry, attribute; the first screen takes the main entrance,
// the second a specific character), and the attribute and trait keys of its
// level-ups, taken in turn.
struct TrainingPlan {
    const char* name;
    const char* creationKeys;
    const char* attributeKeys;
    const char* traitKeys;
};
// A dwarf warrior with a two-handed weapon, a human ranger dual wielding, an
// elf archer with only a bow; each trains strength or dexterity and vitality,
// and takes hit points, its to-hit, dodge and criticals as traits.
constexpr TrainingPlan kPlans[] = {
    {"warrior", "1111", "12", "aicg"},
    {"ranger", "2213", "132", "aicg"},
    {"archer", "3313", "32", "ajch"},
};

const TrainingPlan& PlanOf(DuelTraining training) { return kPlans[static_cast<int>(training)]; }

bool IsPlainFind(const ItemKind& kind) { return kind.inUse != 0 && kind.special == 0; }

// The plain kind of the type and subtype with the highest depth up to the limit; -1 for none.
int32_t BestKind(int32_t type, int32_t subtype, int32_t depthLimit) {
    int32_t best = -1;
    for (int32_t k = 0; k < kItemKindCount; ++k) {
        const ItemKind& kind = itemKinds[k];
        if (!IsPlainFind(kind) || kind.type != type || kind.subtype != subtype || kind.depthLevel > depthLimit) continue;
        const auto rank = [](const ItemKind& item) {
            return std::array<int32_t, 2>{item.depthLevel, item.power + item.secondValue};
        };
        if (best < 0 || rank(kind) > rank(itemKinds[best])) best = k;
    }
    return best;
}

constexpr int32_t kBodyArmour[] = {kSubtypeHelmet, kSubtypeGauntlets, kSubtypeLeggings, kSubtypeBoots, kSubtypeChest};

// Arrows enough for any duel; the fight tops them up as well.
constexpr int32_t kArrows = 200;

// The inventory position of the n-th entry (from 0) of the kind; -1 when there is none.
int32_t PositionOf(int32_t kind, int32_t n) {
    for (size_t i = 0; i < player.inventory.size(); ++i) {
        if (player.inventory[i].kind == kind && n-- == 0) return static_cast<int32_t>(i);
    }
    return -1;
}

void WearKit(DuelTraining training, const std::vector<int32_t>& kit) {
    Player& p = player;
    p.inventory.clear();
    for (int32_t& slot : p.equipSlots) slot = -1;
    for (const int32_t kind : kit) p.inventory.push_back(FreshItem(kind, 1, itemKinds[kind].maxDurability));
    if (training == DuelTraining::kArcher) p.AddArrows(kArrows);
    p.SortInventory();
    int32_t weaponsWorn = 0;
    for (const int32_t kind : kit) {
        const ItemKind& item = itemKinds[kind];
        if (item.type == kItemWeapon) {
            // The ranger's second weapon is the second entry of the same kind.
            p.equipSlots[weaponsWorn == 0 ? kSlotMainWeapon : kSlotSecondWeapon] = PositionOf(kind, weaponsWorn);
            ++weaponsWorn;
        } else if (item.type == kItemArmour) {
            p.equipSlots[ArmourSlotOfSubtype(item.subtype)] = PositionOf(kind, 0);
        } else if (item.type == kItemCloth) {
            p.equipSlots[ClothSlotOfSubtype(item.subtype)] = PositionOf(kind, 0);
        }
    }
    p.RecomputePlayerStats();
    p.hp = p.maxHp;
    p.sp = p.maxSp;
}

bool TraitMaxed(char letter) {
    for (const TraitRow& row : kTraitRows) {
        if (row.letter == letter) return player.traits[row.index] >= kTraitMaximum;
    }
    return true;
}

// The trait a level-up raises: the plan's next one, or once a plan trait is
// maxed the next of the plan's that is not, and once all of them are (from
// about level 21 on) the first trait of the menu that is not; the menu would
// otherwise ask again and again.
char NextTrait(const std::string& traits, int32_t step) {
    for (size_t i = 0; i < traits.size(); ++i) {
        const char letter = traits[(static_cast<size_t>(step) + i) % traits.size()];
        if (!TraitMaxed(letter)) return letter;
    }
    for (const TraitRow& row : kTraitRows) {
        if (!TraitMaxed(row.letter)) return row.letter;
    }
    return ' ';
}

}  // namespace

const char* TrainingName(DuelTraining training) { return PlanOf(training).name; }

std::vector<int32_t> KitForFloor(DuelTraining training, int32_t floor) {
    const int32_t limit = static_cast<int32_t>(1.43 * floor);
    std::vector<int32_t> kit;
    auto add = [&kit](int32_t kind) {
        if (kind >= 0) kit.push_back(kind);
    };
    switch (training) {
        case DuelTraining::kWarrior: add(BestKind(kItemWeapon, kSubtypeTwoHanded, limit)); break;
        case DuelTraining::kRanger:
            add(BestKind(kItemWeapon, kSubtypeOneHanded, limit));
            add(BestKind(kItemWeapon, kSubtypeOneHanded, limit));
            break;
        case DuelTraining::kArcher: add(BestKind(kItemWeapon, kSubtypeRanged, limit)); break;
    }
    for (const int32_t subtype : kBodyArmour) add(BestKind(kItemArmour, subtype, limit));
    for (const int32_t subtype : kBodyArmour) add(BestKind(kItemCloth, subtype, limit));
    return kit;
}

std::string DescribeKit(const std::vector<int32_t>& kit) {
    std::string text;
    for (const int32_t kind : kit) {
        if (!text.empty()) text += ", ";
        text += itemKinds[kind].name;
    }
    return text;
}

void BuildCharacter(DuelTraining training, int32_t level, const std::vector<int32_t>& kit, uint32_t variant) {
    const TrainingPlan& plan = PlanOf(training);
    ResetGameState(variant);
    ClearKeys();
    // Creation: the main entrance, a specific character, the plan's answers, a name, a gender.
    QueueKeys(std::string("11") + plan.creationKeys + "Duel\n1");
    CreateCharacter();
    ClearKeys();
    const std::string attributes = plan.attributeKeys;
    const std::string traits = plan.traitKeys;
    for (int32_t step = 0; player.level < level; ++step) {
        // The attribute, the space after the bonus draw, the trait; the confirmation closes with a space.
        QueueKeys(std::string(1, attributes[step % attributes.size()]) + " " + NextTrait(traits, step));
        player.experience = player.levelThreshold;
        player.LevelUp(true, false);
        ClearKeys();
    }
    player.experience = 0;
    WearKit(training, kit);
}
