// placeholder: shooting, throwing, targeting and looking until they are built.
#include "monsters/monster.h"
#include "player/player.h"

// placeholder: no shot is made.
int32_t Player::Shoot() { return 0; }
// placeholder: nothing is thrown.
int32_t Player::Throw() { return 0; }
// placeholder
void Player::ChooseTarget() {}
// placeholder
void Player::Look() {}
// placeholder: nothing is drunk, zapped or eaten.
void Player::UseItem(int32_t) {}
// placeholder: no monster is found; the player's own square.
void Player::FindNearestVisibleMonster(int32_t& outX, int32_t& outY) {
    outX = x;
    outY = y;
}
// placeholder
bool Player::ShowTargetMonsterName(int32_t, int32_t) { return false; }
// placeholder: the aiming is always left.
Monster* Player::SelectTarget(bool, bool) { return nullptr; }
// placeholder: the missile is lost.
void Player::LandMissile(int32_t, int32_t, int32_t, bool) {}
// placeholder
void Player::ResolveShot(Monster*) {}
// placeholder
void Player::ResolveThrownProjectile(Monster&) {}
// placeholder
void Player::DrinkPotion(int32_t) {}
// placeholder: the wand does nothing.
void Player::ZapWand(int32_t) {}
