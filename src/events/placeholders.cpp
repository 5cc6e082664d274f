// placeholder: the world update and tile events until they are built.
#include "player/player.h"
#include "shell/message_log.h"

// placeholder: only the character's own upkeep of a turn runs for now: body
// temperature, drying, the twelve ailments and, last, the berserk state. The
// wandering monsters, campfires, boosts, melting, slush and weather come with
// the world update itself.
void MessageLog::UpdateWorld() {
    player.UpdateBodyTemperature();
    player.DryClothes(0);
    player.TickPoison();
    player.TickBleeding();
    player.TickFever();
    player.TickSickness();
    player.TickDizziness();
    player.TickSleep();
    player.TickParalysis();
    player.TickClumsiness();
    player.TickFrostbite();
    player.TickSlowness();
    player.TickImmobility();
    player.TickHorror();
    player.TickBerserk();
}
// placeholder
int MessageLog::StepOnTile() { return 0; }
// placeholder: nothing is said about what lies here yet.
void MessageLog::DescribeItemsHere() {}
// placeholder: nothing is picked up by itself yet.
void MessageLog::PickUpMoneyAndAmmo() {}
