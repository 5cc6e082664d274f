// The throw command: the item in the thrown-weapon slot at one monster, one of
// a stack at a time, landing where it was aimed.
#include <algorithm>
#include <string>

#include "item_use/ranged_attack.h"
#include "items/inventory.h"
#include "player/damage_terms.h"
#include "player/strike_effects.h"
#include "player/to_hit_result.h"
#include "player/worn_gear.h"
#include "skills/skill_def.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"

namespace {

int32_t ThrowCriticalChance(const Player& p) {
    int32_t chance = (p.agility + p.agilityBoost) / 4;
    if (IsSkillLearned(kSkillEnhancedDeadliness)) chance += 6;
    if (chance == 0) chance = 1;
    if (p.berserkBoon == kBoonDeadlier) chance += 30;
    return chance;
}

// One item of the thrown stack is gone; the last one empties the slot.
void SpendThrownItem(Player& p) {
    const int32_t slot = p.equipSlots[kSlotThrownWeapon];
    if (slot < 0 || slot >= static_cast<int32_t>(p.inventory.size())) return;
    ItemData& item = p.inventory[slot];
    if (item.quantity > 1) {
        --item.quantity;
        return;
    }
    p.lastThrownKind = item.kind;
    RemoveInventoryEntry(slot);
    p.equipSlots[kSlotThrownWeapon] = -1;
    p.SortInventory();
    p.RecomputePlayerStats();
}

}  // namespace

void Player::ResolveThrownProjectile(Monster& target) {
    const ItemData* thrown = EquippedItem(kSlotThrownWeapon);
    if (thrown == nullptr) return;
    const int32_t kind = thrown->kind;
    const int32_t crit = ThrowCriticalChance(*this);

    if (IsDeflected(*this, target)) {
        PrintWords("The monster deflects your projectile! ");
        LandMissile(target.x, target.y, kind, false);
        SpendThrownItem(*this);
        return;
    }
    const int32_t toHit = RollRangedToHit(*this, target, true);
    if (toHit != kToHitHit) {
        LandMissile(target.x, target.y, kind, false);
        ReportRangedMiss(target, toHit);
        SpendThrownItem(*this);
        return;
    }

    TrainWeaponProficiency(kProficiencyThrown);
    int32_t damage = RollMeleeDamage(1, true, false);
    if (preparedSkill == kSkillRangersRendingThrow) {
        int32_t high = 0;
        FormatRangedDamageRange(&high);
        UseRendingSkill(*this, target, high);
    }
    const int32_t criticalRoll = rng.Random(100);
    const bool critical = criticalRoll < crit;
    if (critical) damage = Trunc(damage * 1.8);
    damage -= target.rangedArmour;
    if (berserkBoon == kBoonPiercing) damage += target.rangedArmour / 2;
    damage = std::max(damage, 1);
    target.hp -= damage;

    std::string text = "@WYou ";
    if (critical) text += "@Ycritically@W ";
    text += damage > target.maxHp / 18 ? "hit " : "hit, but merely scratch ";
    const char* kindName = kind >= 0 && kind < kItemKindCount ? itemKinds[kind].name : "";
    PrintWords(text);
    PrintMonsterName("", target, false, " ");
    PrintWords("with a ");
    messageLog.PrintMessage(kindName + std::string(".@C "));
    target.ReportMonsterHealth();
    LandMissile(target.x, target.y, kind, false);
    if (critical && target.hp > 0) target.SpillMonsterBlood(true);
    target.KillMonster();
    SpendThrownItem(*this);
}

int32_t Player::Throw() {
    if (RingHas(kPropertyNoRangedWeapons)) return RefuseRanged("Your ring glows. Only melee combat feels like an option! ");
    if (EquippedItem(kSlotThrownWeapon) == nullptr) return RefuseRanged("Equip a thrown weapon. ");
    if (!AimRangedAttack(*this, "throw", false)) return 0;
    if (horror > 0 && target->ability == kAbilityFear) return RefuseRanged("You're too horrified to throw at that monster! ");
    ResolveThrownProjectile(*target);
    return 1;
}
