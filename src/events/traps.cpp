// A trap goes off at most once per visit of its tile: the lock set here is
// cleared only by the character's next ordinary step.
#include "events/trap_effects.h"
#include "events/traps.h"
#include "player/player.h"
#include "shell/message_log.h"
#include "shell/random_mother.h"

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

void ApplyTrapEffect(Tile& tile) {
    switch (tile.trapKind) {
        case kTrapStoneBlock: DropStoneBlock(); break;
        case kTrapAlarmBell: RingAlarmBell(); break;
        case kTrapEnergyDrain: DrainEnergy(); break;
        case kTrapElectricShock: GiveElectricShock(); break;
        case kTrapSleepingGas: ReleaseSleepingGas(); break;
        case kTrapTeleport: TeleportPlayer(); break;
        case kTrapPoisonedSpear: StabWithSpear(); break;
        case kTrapColdWater: CrackFloorIntoWater(); break;
        case kTrapLava: EruptLava(); break;
        case kTrapFallingIce: DropIceAndSnow(); break;
        case kTrapFallThrough: FallThroughFloor(); break;
        case kTrapCrushingStones: CrushEquipment(); break;
        case kTrapBagExplosion: ExplodeAtBag(tile); break;
        case kTrapSpikePit: ShootSpikePit(); break;
        case kTrapIceDart: ShootIceDart(); break;
        case kTrapCurseRay: FlashCurseRay(tile); break;
        case kTrapBlowpipe: SprayBlowpipePowder(); break;
        case kTrapPurseRay: FirePurseRay(tile); break;
        default: break;
    }
}

}  // namespace

void MessageLog::TriggerTrap() {
    Player& p = player;
    if (p.trapLock != 0) return;
    if (p.currentFloor < 0 || p.currentFloor >= kFloorCount || !Floor::OnMap(p.x, p.y)) return;
    Tile& tile = TrapFloor().At(p.x, p.y);
    // A kind the table does not know is no trap; it must not read past the colours.
    if (tile.trapKind < 1 || tile.trapKind > kTrapKindCount) return;
    p.trapLock = 1;
    const bool avoided = AvoidsTrap(tile);
    RevealTrap(tile);
    if (!avoided) ApplyTrapEffect(tile);
}
