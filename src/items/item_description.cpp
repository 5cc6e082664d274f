// What an item does beyond its numbers, told in one sentence after "It ".
#include "toolkit/message_log.h"
#include "world/item_kind.h"
#include "world/player.h"

namespace {

// By prefix index, for weapons and armour.
constexpr const char* kPrefixSentences[] = {
    "provides better protection against ranged attacks. ",
    "provides less protection against ranged attacks. ",
    "grants immunity against sickening attacks and events. ",
    "grants immunity against poisoning attacks and traps. ",
    "grants immunity against bleeding attacks. ",
    "cuts bleeding wounds on monsters that hit you in melee. ",
    "harms monsters that are in melee with you, but makes you fall ill when you equip it. ",
    "weighs more than a normal one. ",
    "increases carrying capacity. ",
    "loses durability slower than a normal one. ",
    "loses durability faster than a normal one. ",
    "provides a bigger bonus than a normal one. ",
    "provides a smaller bonus than a normal one. ",
    "causes you to teleport randomly. ",
    "immediately destroys all iceblocks it sees. ",
    "increases the amount of regeneration. ",
    "decreases the amount of regeneration. ",
    "increases your chance to hit. ",
    "decreases your chance to hit. ",
    "increases your movement speed. ",
    "decreases your movement speed. ",
    "increases your critical strike chance. ",
    "decreases your critical strike chance. ",
    "occasionally summons a hostile monster. ",
    "ignores some of the target's armor. ",
    "deals more damage to hot monsters and less to cold ones. ",
    "deals more damage to cold monsters and less to hot ones. ",
    "occasionally stuns targets. ",
    "drains heat from killed monsters. ",
    "drains coldness from killed monsters. ",
    "deals more damage to soulless monsters. ",
    "deals more damage to monsters that have blood in their veins, and makes you bleed when you equip it. ",
};

// By accessory property, from 1.
constexpr const char* kPropertySentences[] = {
    "makes you recover faster from confusion and fear. ",
    "makes you recover faster from clumsiness and slow. ",
    "cures paralysis and immobilization. ",
    "grants you another chance. ",
    "makes warmth reduction per turn bigger. ",
    "makes warmth reduction per turn smaller. ",
    "makes your equipment last longer. ",
    "makes you fall asleep occasionally. ",
    "confuses you occasionally. ",
    "reveals all traps around you every turn. ",
    "increases your carrying capacity. ",
    "makes you learn weapon skills faster. ",
    "decreases the range where monsters detect you. ",
    "increases your chance to hit. ",
    "grants immunity against cold attacks and traps. ",
    "grants immunity against hot attacks and traps. ",
    "increases your speed. ",
    "increases your chance to dodge. ",
    "increases your melee and ranged damage. ",
    "decreases your chance to hit and damage. ",
    "increases your armor. ",
    "decreases your armor and chance to dodge. ",
    "makes you recover faster from sickness and fever. ",
    "makes you recover faster from poison. ",
    "increases your piety when you slay monsters. ",
    "increases positive effects from fighting styles. ",
    "increases the amount of regeneration. ",
    "makes critical strikes against you deal more damage. ",
    "grants immunity against slipping. ",
    "makes monsters drop more gold at the cost of item drops. ",
    "prevents you, and occasionally anyone in your sight range, from using ranged weapons. ",
    "makes arrows last longer. ",
    "makes critical strikes against you deal less damage. ",
    "decreases the amount of regeneration. ",
    "increases the speed at which your clothes dry. ",
};

// By potion effect, from 1; the unlearning potion (21) has no sentence.
constexpr const char* kPotionSentences[] = {
    "can be thrown when it's identified, otherwise explodes, damaging you and everything surrounding you. ",
    "drops your HP to 1 and SP to 0. ",
    "heals 50% of your maximum HP. ",
    "heals you to full health. ",
    "restores 50% of your maximum SP. ",
    "recovers you to full energy. ",
    "restores 50% of your maximum HP and SP. ",
    "increases a random attribute. ",
    "heals all ailments. ",
    "paralyzes you. ",
    "gives a temporary speed boost, which weakens every turn. Also cures slow. ",
    "makes you sick, feverous and poisoned. ",
    "reveals the dungeon around you and puts you asleep. ",
    "heals poison, fever and sickness. ",
    "does a random potion effect. ",
    "allows you to bless an item. ",
    "damages and warms you. ",
    "damages and cools you. ",
    "stops the time for a few turns. ",
    "increases your highest weapon skill further, or a random one if there are two highest skills. ",
    "",
    "allows you to repair an item. ",
    "gives a temporary strength boost, which weakens every turn. ",
    "gives a temporary dexterity boost, which weakens every turn. ",
    "gives a temporary agility boost, which weakens every turn. ",
    "increases your armor for a few turns, at the cost of speed and dodging. ",
};

// By wand effect, from 1.
constexpr const char* kWandSentences[] = {
    "shoots a bouncing and damaging bolt. ",
    "shoots a bolt, which damages hot creatures more and cold ones less. Also decreases your temperature if shot at "
    "you. ",
    "shoots a bolt, which damages cold creatures more and hot ones less. Also increases your temperature if shot at "
    "you. ",
    "summons a fireball around you, which damages cold creatures more and hot ones less. ",
    "summons a snowstorm around you, which damages hot creatures more and cold ones less. ",
    "invokes a random wand effect. ",
    "damages everything around you. ",
    "summons a superior monster. ",
    "summons a monster. ",
    "teleports the target to a random location. ",
    "detects items, monsters and traps in the level. ",
    "digs a corridor through walls. Also damages your equipment if shot at you. ",
    "creates an iceblock if the target space is empty. Also cools you if shot at you. ",
    "allows you to wish for an item type. ",
    "drains warmth from a monster or coldness if the monster is cold. Also steals warmth from you if shot at self. ",
    "converts health into speed and energy. ",
    "removes a quarter of the target's current health. ",
    "damages the target and heals you. ",
    "creates a campfire if the target space is empty. Also summons burning wooden logs if shot at you. ",
    "paints everything in blood and gives a small temporary strength, dexterity, agility and speed boost. ",
    "shoots harmful bouncing bolts in 4 directions. ",
    "allows you to identify unidentified items and their effects. ",
    "can be used to lower a Sage's prices. ",
    "allows you to detect cursed items. ",
    "shoots a bolt, which slows its victims down. ",
    "ignites all visible blood in the dungeon, damaging anyone that stands near. It doesn't ignite coursing blood. ",
};

template <std::size_t N>
const char* Entry(const char* const (&table)[N], int32_t position) {
    return position >= 0 && position < static_cast<int32_t>(N) ? table[position] : "";
}

const char* Sentence(const ItemData& item) {
    if (item.kind < 0 || item.kind >= kItemKindCount) return "";
    const ItemKind& kind = itemKinds[item.kind];
    switch (kind.type) {
        case kItemArmour:
        case kItemWeapon: return Entry(kPrefixSentences, item.prefix);
        case kItemAccessory: return Entry(kPropertySentences, kind.power - 1);
        case kItemPotion: return Entry(kPotionSentences, kind.power - 1);
        case kItemWand: return Entry(kWandSentences, kind.power - 1);
        default: return "";
    }
}

}  // namespace

void Player::DescribeItem(int32_t index) {
    messageLog.PrintMessage("It ");
    if (index < 0 || index >= static_cast<int32_t>(inventory.size())) return;
    PrintWords(Sentence(inventory[static_cast<std::size_t>(index)]));
}
