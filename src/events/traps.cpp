// A trap goes off at most once per visit of its tile: the lock set here is
// cleared only by the character's next ordinary step. Each kind's effect is a
// row of a table; the effects live beside it, grouped by what they do.
#include "events/trap_effects.h"
#include "events/traps.h"
#include "events/world_events.h"
#include "toolkit/id_rows.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "world/player.h"

namespace {

// True when the character gets past the trap. Hidden traps are hard to see,
// found ones easy to step around.
bool AvoidsTrap(const Tile& tile) {
    const int32_t roll = rng.Random(4);
    if (tile.glyph == kFloorGlyph) {
        if (roll != 0) return false;
        PrintWords("You avoid the hidden trap! ");
        return true;
    }
    if (roll == 0) return false;
    PrintWords("You avoid the trap. ");
    return true;
}

// Most effects need nothing of the trap's tile; the ones that use the trap up do.
template <void (*effect)()>
void Spring(Tile& /*trap*/) {
    effect();
}

struct TrapEffectRow {
    int32_t kind;
    void (*spring)(Tile& trap);
};

// In kind order, from kTrapStoneBlock on.
constexpr TrapEffectRow kTrapEffects[] = {
    {kTrapStoneBlock, Spring<DropStoneBlock>},
    {kTrapAlarmBell, Spring<RingAlarmBell>},
    {kTrapEnergyDrain, Spring<DrainEnergy>},
    {kTrapElectricShock, Spring<GiveElectricShock>},
    {kTrapSleepingGas, Spring<ReleaseSleepingGas>},
    {kTrapTeleport, Spring<TeleportPlayer>},
    {kTrapPoisonedSpear, Spring<StabWithSpear>},
    {kTrapColdWater, Spring<CrackFloorIntoWater>},
    {kTrapLava, Spring<EruptLava>},
    {kTrapFallingIce, Spring<DropIceAndSnow>},
    {kTrapFallThrough, Spring<FallThroughFloor>},
    {kTrapCrushingStones, Spring<CrushEquipment>},
    {kTrapBagExplosion, ExplodeAtBag},
    {kTrapSpikePit, Spring<ShootSpikePit>},
    {kTrapIceDart, Spring<ShootIceDart>},
    {kTrapCurseRay, FlashCurseRay},
    {kTrapBlowpipe, Spring<SprayBlowpipePowder>},
    {kTrapPurseRay, FirePurseRay},
};

static_assert(OneRowPerIdInOrder(kTrapEffects, &TrapEffectRow::kind, kTrapStoneBlock, kTrapKindCount),
              "one row per trap kind, in kind order");

}  // namespace

void TriggerTrap() {
    Player& p = player;
    if (p.trapLock != 0) return;
    if (!IsFloorNumber(p.currentFloor) || !Floor::OnMap(p.x, p.y)) return;
    Tile& tile = TrapFloor().At(p.x, p.y);
    // A kind the table does not know is no trap; it must not read past the colours.
    if (tile.trapKind < 1 || tile.trapKind > kTrapKindCount) return;
    p.trapLock = 1;
    const bool avoided = AvoidsTrap(tile);
    RevealTrap(tile);
    if (!avoided) kTrapEffects[tile.trapKind - kTrapStoneBlock].spring(tile);
}
