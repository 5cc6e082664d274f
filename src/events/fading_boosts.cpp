// Temporary boosts count their own turns; the player hears when one is nearly gone.
#include "events/fading_boosts.h"

#include <cstdint>
#include <string>

#include "toolkit/message_log.h"
#include "world/player.h"

namespace {

// A boost warns this many turns before it ends.
constexpr int32_t kBoostWarning = 10;
constexpr int32_t kStoneSkinWarning = 5;

void RunDown(int32_t& counter, int32_t warnAt, const std::string& warning) {
    if (counter <= 0) return;
    --counter;
    if (counter == warnAt) PrintWords(warning);
}

}  // namespace

void WarnBoostsFading() {
    RunDown(player.agilityBoost, kBoostWarning, "Your temporary agility boost is quickly fading away. ");
    RunDown(player.strengthBoost, kBoostWarning, "Your temporary strength boost is quickly fading away. ");
    RunDown(player.dexterityBoost, kBoostWarning, "Your temporary dexterity boost is quickly fading away. ");
    RunDown(player.speedBoost, kBoostWarning, "Your temporary speed boost is quickly fading away. ");
    RunDown(player.stoneSkinTurns, kStoneSkinWarning, "Your temporary stone skin is quickly fading away. ");
}
