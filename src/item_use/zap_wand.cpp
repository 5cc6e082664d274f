// Zapping a wand: the confused hand, the charges, the last charge that turns
// the wand to dust, and the choice of the effect.
#include "item_use/zap_wand.h"

#include <cstddef>
#include <string>

#include "items/appearances.h"
#include "items/inventory.h"
#include "shell/direction_prompt.h"
#include "toolkit/id_rows.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/item_kind.h"
#include "world/monster.h"
#include "world/monster_abilities.h"
#include "world/player.h"
#include "world/sage.h"

namespace {

// An effect that needs a direction: the map with the zap message first, the
// wand known at once for those whose bolt always shows, then the question.
char AskZapDirection(int32_t kind, bool identifyFirst) {
    FullRedraw();
    if (identifyFirst) IdentifyWand(kind);
    return AskDirection();
}

}  // namespace

char BoltGlyph(int32_t dx, int32_t dy) {
    if (dy == 0) return '-';
    if (dx == 0) return '|';
    return dx == dy ? '\\' : '/';
}

void IdentifyWand(int32_t kind) {
    if (kind >= 0 && kind < kItemKindCount) player.identifiedKinds[kind] = 1;
}

Floor& PlayersFloor() { return floorArray[player.currentFloor]; }

bool IsFreeSquare(int32_t x, int32_t y) {
    if (!Floor::OnMap(x, y)) return false;
    return PlayersFloor().At(x, y).glyph == kFloorGlyph && !IsMonsterAt(x, y, player.currentFloor) &&
           !IsSageAt(x, y, 0, 0, player.currentFloor);
}

int32_t LevelTimes(double factor) { return static_cast<int32_t>(static_cast<double>(player.level) * factor); }

void PrintMonsterPhrase(const Monster& monster) {
    if (!IsUniqueDemon(monster.name)) messageLog.PrintMessage("the ");
    messageLog.PrintMessage(std::string(monster.name) + ". ");
}

void AnnounceBoltHit(const Monster& monster) {
    PrintWords("The bolt hits ");
    PrintMonsterPhrase(monster);
}

void WoundMonster(Monster& monster, int32_t damage) {
    monster.hp -= damage;
    monster.KillMonster();
}

void ElementalHit(Monster& monster, ZapElement element) {
    const bool coldNatured = monster.ability == kAbilityColdTouch || monster.ability == kAbilityFrostbites;
    const bool warmNatured = monster.ability == kAbilityWarmTouch;
    const bool unharmed = (element == ZapElement::kCold && coldNatured) || (element == ZapElement::kHeat && warmNatured);
    const bool weak = (element == ZapElement::kCold && warmNatured) || (element == ZapElement::kHeat && coldNatured);
    if (unharmed) {
        PrintWords("Nothing happens to the monster. ");
    } else if (weak) {
        PrintWords("The monster shrieks in pain. ");
        WoundMonster(monster, 6 * player.level);
    } else {
        WoundMonster(monster, LevelTimes(IsUniqueDemon(monster.name) ? 2.5 : 3.5));
    }
}

void WoundZapper(int32_t damage, const char* cause) {
    player.hp -= damage;
    if (player.hp <= 0) player.CheckPlayerDeath(cause, kWandKiller);
}

void WaitForSpaceOnly() { WaitForSpaceKey(); }

void Player::ZapWand(int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= inventory.size()) return;
    if (dizziness > 0) {
        const int32_t steady = rng.Random(3);
        if (steady != 0) {
            PrintWords("You try to aim, but you are too confused to do it. ");
            QuietRedraw();
            return;
        }
    }
    ItemData& wand = inventory[static_cast<std::size_t>(index)];
    const int32_t kind = wand.kind;
    if (kind < 0 || kind >= kItemKindCount) return;
    const int32_t effect = itemKinds[kind].power;
    if (wand.durability > 0) {
        --wand.durability;
        PrintWords("You zap the ");
        const std::string name = identifiedKinds[kind] == 1 ? std::string(itemKinds[kind].name) : WandAppearanceName(kind);
        messageLog.PrintMessage(name + ". ");
    } else {
        const int32_t lastCharge = rng.Random(30);
        if (lastCharge != 0) {
            QuietRedraw();
            PrintWords("Nothing happens. ");
            wand.empty = 1;
            return;
        }
        RemoveInventoryEntry(index);
        SortInventory();
        RecomputePlayerStats();
        PrintWords("You manage to wrench one last charge before the wand turns into dust. ");
    }
    RunWandEffect(effect, kind);
}

int32_t DrawWildEffect() {
    for (;;) {
        const int32_t roll = rng.Random(kWandEffectCount);
        const int32_t effect = roll + 1;
        if (effect != kWandWildMagic) return effect;
    }
}

namespace {

// Each effect gets its id, which tells apart the effects of a family that shares
// a handler, and the wand kind; the ones that need a direction ask for it first.

void CastLightningBolt(int32_t /*effect*/, int32_t kind) { ZapLightningBolt(AskZapDirection(kind, true)); }
void CastFrostBolt(int32_t /*effect*/, int32_t kind) { ZapFrostBolt(AskZapDirection(kind, true)); }
void CastFireBolt(int32_t /*effect*/, int32_t kind) { ZapFireBolt(AskZapDirection(kind, true)); }
void CastSlowBolt(int32_t /*effect*/, int32_t kind) { ZapSlowBolt(AskZapDirection(kind, true)); }
void CastFourRays(int32_t /*effect*/, int32_t kind) { ZapFourRays(kind); }

void CastWildMagic(int32_t /*effect*/, int32_t kind) {
    PrintWords("This wand starts casting an unknown spell that isn't its own. ");
    IdentifyWand(kind);
    RunWandEffect(DrawWildEffect(), kind);
}

void CastBloodRain(int32_t /*effect*/, int32_t kind) { ZapBloodRain(kind); }
void CastDemonicFlames(int32_t /*effect*/, int32_t kind) { ZapDemonicFlames(kind); }
void CastOnNextTile(int32_t effect, int32_t kind) { ZapAdjacentWand(effect, kind, AskZapDirection(kind, false)); }
void CastTeleport(int32_t /*effect*/, int32_t kind) { ZapTeleport(kind, AskZapDirection(kind, false)); }
void CastDetection(int32_t /*effect*/, int32_t kind) { ZapDetection(kind); }
void CastDigging(int32_t /*effect*/, int32_t kind) { ZapDigging(AskZapDirection(kind, true)); }
void CastCreation(int32_t /*effect*/, int32_t kind) { ZapCreation(kind); }
void CastIdentify(int32_t /*effect*/, int32_t kind) { ZapIdentify(kind); }
void CastPersuasion(int32_t /*effect*/, int32_t kind) { ZapPersuasion(kind, AskZapDirection(kind, false)); }
void CastDetectCurses(int32_t /*effect*/, int32_t kind) { ZapDetectCurses(kind); }

struct WandEffectRow {
    WandEffect effect;
    void (*zap)(int32_t effect, int32_t kind);
};

// In id order, from kWandLightningBolt on.
constexpr WandEffectRow kWandEffects[] = {
    {kWandLightningBolt, CastLightningBolt},
    {kWandFrostBolt, CastFrostBolt},
    {kWandFireBolt, CastFireBolt},
    {kWandSeaOfFire, ZapRingWand},
    {kWandBlizzard, ZapRingWand},
    {kWandWildMagic, CastWildMagic},
    {kWandAcidRain, ZapRingWand},
    {kWandSummonWildMonster, ZapSummon},
    {kWandSummonMonster, ZapSummon},
    {kWandTeleport, CastTeleport},
    {kWandDetection, CastDetection},
    {kWandDigging, CastDigging},
    {kWandColdRain, CastOnNextTile},
    {kWandCreation, CastCreation},
    {kWandWarmthDrain, CastOnNextTile},
    {kWandHealthToEnergy, CastOnNextTile},
    {kWandSqueeze, CastOnNextTile},
    {kWandLifeDrain, CastOnNextTile},
    {kWandCampfire, CastOnNextTile},
    {kWandBloodRain, CastBloodRain},
    {kWandFourRays, CastFourRays},
    {kWandIdentify, CastIdentify},
    {kWandPersuasion, CastPersuasion},
    {kWandDetectCurses, CastDetectCurses},
    {kWandSlowBolt, CastSlowBolt},
    {kWandDemonicFlames, CastDemonicFlames},
};

static_assert(OneRowPerIdInOrder(kWandEffects, &WandEffectRow::effect, kWandLightningBolt, kWandEffectCount),
              "one row per wand effect, in id order");

}  // namespace

void RunWandEffect(int32_t effect, int32_t kind) {
    // Every effect works on the character's floor; off the floors there is none.
    if (!IsFloorNumber(player.currentFloor)) return;
    if (effect < kWandLightningBolt || effect > kWandEffectCount) return;
    kWandEffects[effect - kWandLightningBolt].zap(effect, kind);
}
