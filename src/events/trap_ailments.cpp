// The traps that bring on an ailment, drain energy, soak the character or wake the floor.
#include "events/frostbite_onset.h"
#include "events/trap_effects.h"
#include "items/item_prefixes.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/monster.h"
#include "world/player.h"

namespace {

// The message already ends with "Press space.", so the lines are drawn without another prompt.
void ShowAndWaitForSpace() {
    messageLog.FlushMessages(true);
    WaitForSpaceKey();
}

bool FinalDemonSlain() { return player.demonSlainFlags[kFinalDemon] != 0; }

}  // namespace

void RingAlarmBell() {
    SayTrapStepped("A huge bell rings above you, waking up all monsters on this floor. ");
    for (Monster* monster = monsterListHead; monster != nullptr; monster = monster->next) {
        if (monster->floor != player.currentFloor) continue;
        monster->awake = 1;
        monster->hunting = 1;
    }
}

void DrainEnergy() {
    SayTrapStepped("The magical trap sucks your energy away. ");
    player.sp = 0;
}

void GiveElectricShock() {
    SayTrapStepped("You receive an electric shock. You are paralyzed! Press space. ");
    ShowAndWaitForSpace();
    const int32_t turns = rng.Random(15);
    player.paralysis += 15 + turns;
}

void ReleaseSleepingGas() {
    SayTrapStepped("A sweet yellow gas surrounds you. You fall asleep. Press space. ");
    ShowAndWaitForSpace();
    const int32_t turns = rng.Random(600);
    player.sleep += 200 + turns;
}

void StabWithSpear() {
    SayTrapStepped("A blunt spear hits you, but only slightly wounds you. ");
    if (player.WearsArmourProperty(kPrefixPoisonProof)) {
        PrintWords("Luckily your armor prevents the poison from entering your system. ");
        return;
    }
    PrintWords("The wound burns. The spear was poisoned. ");
    const int32_t turns = rng.Random(25);
    player.poison += 25 + turns;
}

void SprayBlowpipePowder() {
    SayTrapStepped(
        "A blowpipe sprays your face with a cloud of glittering powder, nearly blinding you. You feel clumsy. ");
    const int32_t turns = rng.Random(12);
    player.clumsiness += 16 + turns;
}

void CrackFloorIntoWater() {
    Player& p = player;
    const bool slain = FinalDemonSlain();
    SayTrapStepped(std::string("The floor below you cracks. You fall into a small pool of ") +
                   (slain ? "almost warm" : "chilling") + " water. ");
    if (p.WetClothes(125, 5)) PrintWords("Your clothes get wet. ");
    if (RingHas(kPropertyColdImmunity)) return;
    const int32_t depth = DepthStep(p.currentFloor);
    p.bodyTemperature -= slain ? 3 * depth : 15 * depth;
    const int32_t frost = rng.Random(5);
    if (frost != 0 || p.frostbite != 0 || slain) return;
    PrintWords("You get a frostbite. ");
    BeginFrostbite(250);
}
