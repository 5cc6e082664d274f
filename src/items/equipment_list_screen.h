#pragma once
// The paged inventory list that picks one item for an effect started
// elsewhere (blessing, repair, curse detection, the blood stand).
#include <cstdint>

#include "world/item_data.h"
#include "world/item_kind.h"

struct EquipmentListRules {
    const char* helpLine;        // row 0
    const char* secondHelpLine;  // row 1
    int chooseKey;               // chooses besides Enter
    // Whether the item may be chosen; other choices are ignored.
    bool (*accepts)(const ItemData& item, const ItemKind& kind);
    // Said when the inventory is empty; null: the screen returns at once, saying nothing.
    const char* emptyMessage;
    // Asked before leaving; null: the screen leaves at once.
    const char* leavePrompt;
    // After a choice the map is drawn again whole; else only its remembered tiles,
    // for a caller that reports and redraws itself.
    bool fullRedraw;
};

// Runs the list: the inventory index of the chosen item, or -1 when the
// inventory is empty or the player left.
int32_t ChooseFromEquipmentList(const EquipmentListRules& rules);
