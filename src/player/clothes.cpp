// Worn cloth keeps the cold out; wet cloth keeps it out less, and dries slowly.
#include "items/item_names.h"
#include "items/worn_properties.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "toolkit/bounded_draw.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/text_format.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

constexpr int32_t kDry = kNoPrefix;

// The cloth slots in the order their warmth is added up.
constexpr int32_t kWarmthOrder[] = {kSlotClothShirt, kSlotClothTrousers, kSlotClothGloves, kSlotClothCap,
                                    kSlotClothSocks};
// The cloth slots by the piece numbers that a random wetting draws.
constexpr int32_t kPieceSlots[] = {kSlotClothShirt, kSlotClothTrousers, kSlotClothCap, kSlotClothGloves,
                                   kSlotClothSocks};
constexpr int32_t kPieceCount = 5;

bool IsCloth(const ItemData& item) {
    return item.kind >= 0 && item.kind < kItemKindCount && itemKinds[item.kind].type == kItemCloth;
}

bool IsWornCloth(int32_t inventoryIndex) {
    for (int32_t slot = kSlotClothShirt; slot <= kSlotClothGloves; ++slot) {
        if (player.equipSlots[slot] == inventoryIndex) return true;
    }
    return false;
}

// A random order of the five pieces: each draw that repeats an earlier one is drawn again.
void DrawPieceOrder(int32_t (&order)[kPieceCount]) {
    bool taken[kPieceCount] = {};
    for (int32_t k = 0; k < kPieceCount; ++k) {
        const int32_t piece = DrawUntilFits(kPieceCount, [&taken](int32_t v) { return !taken[v]; });
        taken[piece] = true;
        order[k] = piece;
    }
}

// The sentence goes to the log in one piece, as every sentence with a name in it does.
void PrintWithItemName(const char* format, const ItemData& item) {
    messageLog.PrintMessage(FormatText(format, ItemKindDisplayName(item.kind, item.prefix, item.identified)));
}

}  // namespace

int32_t Player::SumClothWarmth() {
    float warmth = 0.0f;
    for (int32_t slot : kWarmthOrder) {
        const ItemData* piece = EquippedItem(slot);
        if (!piece || piece->kind < 0 || piece->kind >= kItemKindCount) continue;
        warmth += static_cast<float>(itemKinds[piece->kind].power);
        if (piece->blessing == kBlessed) warmth += 1.0f;
        if (piece->blessing == kCursed) warmth -= 1.0f;
        if (piece->prefix >= 0) warmth -= 0.5f;
    }
    const int32_t total = static_cast<int32_t>(warmth);
    return total < 0 ? 0 : total;
}

bool Player::WetClothes(int32_t amount, int32_t pieces) {
    int32_t order[kPieceCount];
    DrawPieceOrder(order);
    int32_t wetted = 0;
    for (int32_t k = 0; k < kPieceCount && wetted < pieces; ++k) {
        ItemData* piece = EquippedItem(kPieceSlots[order[k]]);
        if (!piece) continue;
        piece->prefix += amount;
        const int32_t range = 2 * amount;
        piece->prefix += range >= 1 ? rng.Random(range) : 0;
        ++wetted;
    }
    return wetted > 0;
}

void Player::DryClothes(int32_t heat) {
    const bool campfire = heat == 0 && OnBurningCampfire();
    for (int32_t index = 0; index < static_cast<int32_t>(inventory.size()); ++index) {
        ItemData& item = inventory[index];
        if (!IsCloth(item) || item.prefix < 0) continue;
        const bool worn = IsWornCloth(index);
        if (heat > 0) {
            if (!worn) continue;
            item.prefix -= heat;
            if (item.prefix < 0) {
                item.prefix = kDry;
                PrintWithItemName("The wave of warmth dries out your %s. ", item);
                return;
            }
            continue;
        }
        if (heat < 0) continue;
        if (item.prefix > 0) {
            if (worn) {
                item.prefix -= 1;
            } else if (rng.Random(100) < 45) {
                item.prefix -= 1;
            }
            if (campfire && item.prefix > 2) item.prefix -= 3;
            if (AmuletHas(kPropertyQuickDrying) && item.prefix > 4) item.prefix -= 5;
        } else if (!IsHostileMonsterInSight() && paralysis == 0 && dizziness == 0 && sleep == 0 && horror == 0) {
            item.prefix = kDry;
            PrintWithItemName("You manage to wring your %s dry. ", item);
        }
    }
}
