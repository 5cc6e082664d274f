// placeholder: shooting, throwing, targeting and looking until they are built.
#include <cstddef>

#include "items/item_kind.h"
#include "items/item_types.h"
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
// placeholder: only wands are used for now, by zapping; nothing is drunk or eaten.
void Player::UseItem(int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= inventory.size()) return;
    const int32_t kind = inventory[static_cast<std::size_t>(index)].kind;
    if (kind >= 0 && kind < kItemKindCount && itemKinds[kind].type == kItemWand) ZapWand(index);
}
