// Where a shot arrow or a thrown weapon ends up: on the square it was aimed at,
// where the character may pick it up again, unless it broke.
#include <vector>

#include "item_use/missiles.h"
#include "items/inventory.h"
#include "items/worn_properties.h"
#include "skills/skill_def.h"
#include "toolkit/random_mother.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/player.h"

void Player::LandMissile(int32_t landX, int32_t landY, int32_t kind, bool keep) {
    // A penetrating shot flies on through the monster and is gone for good.
    if (preparedSkill == kSkillPenetratingShot) return;
    const int32_t chances = GetWornAccessoryProperty(kWornAmulet) == kPropertyLastingArrows ? 15 : 10;
    // The roll is made even for a missile that cannot break, to keep the draws in step.
    const int32_t roll = rng.Random(chances);
    if (roll <= 1 && !keep) return;
    if (!IsFloorNumber(currentFloor) || !Floor::OnMap(landX, landY)) return;
    std::vector<ItemData>& items = floorArray[currentFloor].At(landX, landY).items;
    if (static_cast<int32_t>(items.size()) >= kMaxTileItems) return;
    for (ItemData& item : items) {
        if (item.kind == kind) {
            ++item.quantity;
            return;
        }
    }
    // A landed missile keeps only its kind: no durability, blessing or prefix.
    ItemData landed;
    landed.kind = kind;
    items.push_back(landed);
}

void SpendOneArrow(Player& p) {
    // The entries to erase are chosen before any quantity changes; they go from the
    // highest index down, so that every index still to erase stays valid.
    std::vector<int32_t> spent;
    for (int32_t index = 0; index < static_cast<int32_t>(p.inventory.size()); ++index) {
        ItemData& item = p.inventory[index];
        if (item.kind != arrowKindIndex) continue;
        if (item.quantity < 2) {
            spent.push_back(index);
        } else {
            --item.quantity;
        }
    }
    for (auto it = spent.rbegin(); it != spent.rend(); ++it) RemoveInventoryEntry(*it);
    if (spent.empty()) return;
    p.SortInventory();
    p.RecomputePlayerStats();
}
