#pragma once
// The chooser's lists: which inventory items the list of a slot offers, and
// which of them are worn in one of the list's slots (their letters red).
#include <cstdint>
#include <vector>

// The chooser's selector: weapons, or the subtype of the armour, clothes,
// rings or amulets listed. The thrown-weapon list is asked for with its own flag.
constexpr int32_t kChooseWeapons = 1;
constexpr int32_t kChooseThrown = 4;

enum class ChooserListKind { kArmour, kCloth, kThrown, kAccessories, kWeapons };

struct ChooserEntry {
    int32_t index;  // in the inventory
    bool equipped;
};

struct ChooserList {
    ChooserListKind kind;
    std::vector<ChooserEntry> entries;
};

// The lists that the arguments ask for, in the order they are shown.
std::vector<ChooserList> ChooserLists(int32_t selector, bool alternate, bool thrown, bool second);
