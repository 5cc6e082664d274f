// placeholder: shooting, throwing, targeting and looking until they are built.
#include <cstddef>

#include "items/item_kind.h"
#include "player/player.h"
#include "skills/skill_def.h"

// placeholder: no shot is made.
int32_t Player::Shoot() { return 0; }
// placeholder: nothing is thrown.
int32_t Player::Throw() { return 0; }
// placeholder: the arrow is spent (not by a penetrating shot) and misses.
void Player::ResolveShot(Monster*) {
    if (preparedSkill == kSkillPenetratingShot) return;
    for (std::size_t index = 0; index < inventory.size(); ++index) {
        if (inventory[index].kind != arrowKindIndex) continue;
        if (inventory[index].quantity >= 2) {
            --inventory[index].quantity;
        } else {
            FixSlotsAfterErase(static_cast<int32_t>(index));
            inventory.erase(inventory.begin() + static_cast<std::ptrdiff_t>(index));
        }
        return;
    }
}
// placeholder
void Player::ChooseTarget() {}
// placeholder
void Player::Look() {}
// placeholder: nothing is drunk, zapped or eaten.
void Player::UseItem(int32_t) {}
