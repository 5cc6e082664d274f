// The traps that only wound.
#include "events/trap_effects.h"

namespace {

void Wound(const char* words, const char* cause) {
    SayTrapStepped(words);
    TakeTrapDamage();
    CheckTrapDeath(cause);
}

}  // namespace

void DropStoneBlock() { Wound("An icy stone block hits your head! ", "A falling stone trap cracked HIS head."); }

void ShootSpikePit() { Wound("You fall into a pit full of icy spikes. ", "A trap full of icy spikes shred HIM."); }

void ShootIceDart() { Wound("A dart made of ice hits you. ", "An icy dart penetrated HIS vital organs."); }
