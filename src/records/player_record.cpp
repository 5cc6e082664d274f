// The player's record in a save file: 736 bytes of fields in the file's own
// order (which is not the order of the fields in memory), then the inventory.
#include "records/item_record.h"
#include "skills/skill_def.h"
#include "toolkit/field_codec.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

// The equipment slots in the order the file keeps them.
constexpr EquipSlot kSlotFileOrder[kEquipSlotCount] = {
    kSlotMainWeapon, kSlotSecondWeapon, kSlotThrownWeapon, kSlotShield,     kSlotChest,
    kSlotLeggings,   kSlotHelmet,       kSlotBoots,        kSlotGauntlets,  kSlotRightRing,
    kSlotLeftRing,   kSlotAmulet,       kSlotClothShirt,   kSlotClothTrousers, kSlotClothCap,
    kSlotClothSocks, kSlotClothGloves,  kSlotMainHandSwap, kSlotSecondHandSwap,
};

// The traits in the order the file keeps them (the letters of the trait menu).
constexpr TraitIndex kTraitFileOrder[kTraitCount] = {
    kTraitExtraHp,          kTraitExtraSp,       kTraitExtraDodge,      kTraitExtraSpeed,
    kTraitSpRegeneration,   kTraitHpRegeneration, kTraitExtraSkillPoint, kTraitCarryingCapacity,
    kTraitMeleeCritical,    kTraitRangedCritical, kTraitMeleeToHit,      kTraitRangedToHit,
    kTraitThrownDamage,
};

// The pronoun has five bytes in memory and four in the file.
constexpr size_t kPronounFileWidth = 4;

template <typename Stream, typename Timer>
void TransferRegenTimer(Stream& stream, Timer& timer) {
    stream.Field(timer.count);
    stream.Field(timer.period);
    stream.Field(timer.amount);
}

template <typename Stream, typename Record>
void TransferPlayerFields(Stream& stream, Record& p) {
    stream.Text(p.name, sizeof p.name);
    stream.Text(p.pronoun, kPronounFileWidth);
    stream.Field(p.x, 0, kFloorWidth - 1);
    stream.Field(p.y, 0, kFloorHeight - 1);
    stream.Field(p.currentFloor, 0, kFloorCount - 1);
    stream.Field(p.deepestFloor, 0, kFloorCount - 1);
    stream.Field(p.gold);
    for (EquipSlot slot : kSlotFileOrder) stream.Field(p.equipSlots[slot]);
    stream.Field(p.carryingCapacity);
    stream.Field(p.carriedWeight);
    stream.Field(p.turns);
    stream.Field(p.level);
    stream.Bytes(p.identifiedKinds, sizeof p.identifiedKinds);
    stream.Bytes(p.demonSlainFlags, sizeof p.demonSlainFlags);
    stream.Field(p.dodge);
    stream.Field(p.burdened);
    stream.Field(p.hp);
    stream.Field(p.maxHp);
    stream.Field(p.sp);
    stream.Field(p.maxSp);
    stream.Field(p.sightRadius);
    stream.Field(p.bodyTemperature);
    stream.Field(p.glyphColour);
    stream.Field(p.piety);
    stream.Field(p.pendingDamageBonus);
    stream.Field(p.glyph);
    stream.Field(p.strength);
    stream.Field(p.dexterity);
    stream.Field(p.stamina);
    stream.Field(p.agility);
    stream.Field(p.vitality);
    stream.Field(p.speed);
    stream.Field(p.actThreshold);
    stream.Field(p.energy);
    TransferRegenTimer(stream, p.hpRegen);
    TransferRegenTimer(stream, p.spRegen);
    stream.Field(p.experience);
    stream.Field(p.levelThreshold);
    stream.Field(p.toHitThreshold);
    stream.Field(p.naturalArmour);
    stream.Field(p.race, kRaceHuman, kRaceDwarven);
    stream.Field(p.training, kTrainingWarrior, kTrainingRanger);
    stream.Field(p.runKey);
    stream.Field(p.quickRestCount);
    stream.Field(p.ammoAutoPickup);
    stream.Field(p.lowHpWarned);
    stream.Field(p.poison);
    stream.Field(p.bleeding);
    stream.Field(p.fever);
    stream.Field(p.sickness);
    stream.Field(p.dizziness);
    stream.Field(p.sleep);
    stream.Field(p.paralysis);
    stream.Field(p.clumsiness);
    stream.Field(p.frostbite);
    stream.Field(p.slowness);
    stream.Field(p.immobility);
    stream.Field(p.horror);
    stream.Field(p.berserkBoon, kBoonNone, kBoonSwifter);
    stream.Field(p.berserkTurns);
    stream.Field(p.profOneHanded);
    stream.Field(p.profTwoHanded);
    stream.Field(p.profShield);
    stream.Field(p.profThrown);
    stream.Field(p.profRanged);
    stream.Field(p.profTwoWeapon);
    stream.Field(p.fightingStyle, kStyleNormal, kStyleFast);
    stream.Field(p.kills);
    stream.Field(p.trapLock);
    stream.Field(p.preparedSkill);
    stream.Field(p.saveCount);
    stream.Field(p.skillPoints);
    stream.Field(p.strengthBoost);
    stream.Field(p.dexterityBoost);
    stream.Field(p.agilityBoost);
    stream.Field(p.speedBoost);
    stream.Field(p.stoneSkinTurns);
    stream.Field(p.quickSkill, -1, kSkillCount - 1);
    stream.Field(p.prayers);
    stream.Field(p.goldPaidToSages);
    stream.Field(p.predictedKiller);
    stream.Field(p.frostbiteHpLoss);
    stream.Field(p.frostbiteMaxHpLoss);
    stream.Field(p.insured);
    stream.Field(p.deathsAverted);
    stream.Field(p.goldPaidToSmiths);
    stream.Field(p.lastThrownKind, kNoItemKind, kItemKindCount - 1);
    for (TraitIndex trait : kTraitFileOrder) stream.Field(p.traits[trait]);
    stream.Field(p.startMode);
}

template <typename Stream, typename Record>
void TransferPlayerRecord(Stream& stream, Record& p) {
    TransferPlayerFields(stream, p);
    stream.List(p.inventory, INT32_MAX, kItemRecordSize,
                [](auto& itemStream, auto& item) { TransferItemRecord(itemStream, item); });
    // Every slot holds an entry of the inventory, or nothing.
    const int32_t carried = static_cast<int32_t>(p.inventory.size());
    for (int32_t index : p.equipSlots) stream.Check(index >= -1 && index < carried);
}

}  // namespace

void Player::WritePlayerRecord(FieldWriter& writer) const { TransferPlayerRecord(writer, *this); }
void Player::ReadPlayerRecord(FieldReader& reader) { TransferPlayerRecord(reader, *this); }
