// The twelve ailments count down once per turn; while they last some of them hurt.
#include "items/worn_properties.h"
#include "player/surroundings.h"
#include "player/worn_gear.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"
#include "toolkit/terminal.h"
#include "world/floor.h"
#include "world/player.h"

namespace {

// A draw from 0 to n-1; 0 without a draw when the range is empty.
int32_t RollBelow(int32_t n) { return n >= 1 ? rng.Random(n) : 0; }

// Takes the tick's 1 and the extra drop off a counter that is above 0; true
// when the ailment ended in this tick.
bool CountDown(int32_t& counter, int32_t extraDrop) {
    counter -= 1 + extraDrop;
    if (counter < 0) counter = 0;
    return counter == 0;
}

// The extra drop a helping amulet gives, announced as it works.
int32_t AmuletDrop(int32_t property, int32_t amount) {
    if (!AmuletHas(property)) return 0;
    PrintWords("Your amulet glows. ");
    return amount;
}

// Hurts the character by a share of its maximum hit points.
void TakeAilmentDamage(double share) {
    int32_t base = static_cast<int32_t>(player.maxHp * share);
    if (base == 0) base = 1;
    const int32_t roll = RollBelow(base / 3 + 1);
    int32_t damage = roll + static_cast<int32_t>(base / 1.5);
    if (damage < 1) damage = 1;
    player.hp -= damage;
}

// One chance in odds that the ailment hurts this turn.
void MaybeHurt(int32_t odds, double share, const char* message, const char* cause) {
    if (rng.Random(odds) != 0) return;
    TakeAilmentDamage(share);
    PrintWords(message);
    player.CheckPlayerDeath(cause, kDungeonKiller);
}

void WaitAfterPressSpace() {
    messageLog.FlushMessages(false);
    WaitForSpaceKey();
}

}  // namespace

void Player::TickPoison() {
    if (poison <= 0) return;
    if (CountDown(poison, RingHas(kPropertyPoisonRecovery) ? 3 : 0)) {
        PrintWords("You aren't poisoned anymore. ");
        return;
    }
    MaybeHurt(5, 0.06, "The poison burns in your veins. ", "HE was killed by a fatal blood poisoning.");
}

void Player::TickBleeding() {
    if (bleeding <= 0) return;
    if (CountDown(bleeding, 0)) {
        PrintWords("The bleeding stops. ");
        return;
    }
    if (rng.Random(2) == 0) {
        TakeAilmentDamage(0.013);
        PrintWords("You are bleeding. ");
        Tile* tile = PlayerTile();
        if (tile && tile->glyph == kFloorGlyph) {
            const int32_t shade = rng.Random(2);
            tile->colour = shade == 0 ? 12 : 4;
        }
        CheckPlayerDeath("HE died of heavy blood loss.", kDungeonKiller);
    }
}

void Player::TickFever() {
    if (fever <= 0) return;
    if (CountDown(fever, RingHas(kPropertyHealthyBody) ? 5 : 0)) {
        PrintWords("You are no longer feverish and feel your core temperature again. ");
        RecomputePlayerStats();
        return;
    }
    if (rng.Random(250) == 0 && WetClothes(50, 2)) {
        PrintWords("You are so drenched in sweat from the fever that even your clothes get wet. ");
    }
}

void Player::TickSickness() {
    if (sickness <= 0) return;
    if (CountDown(sickness, RingHas(kPropertyHealthyBody) ? 5 : 0)) {
        PrintWords("You feel healthier. ");
        return;
    }
    MaybeHurt(20, 0.115, "You feel very sick. ", "HE died of sickness.");
}

void Player::TickDizziness() {
    if (RingHas(kPropertyConfusion) && !AmuletHas(kPropertyCalmMind)) {
        if (rng.Random(500) == 0 && dizziness == 0) {
            PrintWords("For some reason you feel dizzy. Very dizzy. Press space. ");
            WaitAfterPressSpace();
            dizziness = 10 + rng.Random(15);
        }
    }
    if (dizziness <= 0) return;
    if (CountDown(dizziness, AmuletDrop(kPropertyCalmMind, 1))) PrintWords("Your head is clear again. ");
}

void Player::TickSleep() {
    if (AmuletHas(kPropertySleepiness) && sleep == 0 && paralysis == 0 && rng.Random(500) == 0) {
        PrintWords("You feel very tired and drowsy. You slowly fall asleep. Press space. ");
        WaitAfterPressSpace();
        sleep = 50 + rng.Random(100);
    }
    if (sleep <= 0) return;
    if (CountDown(sleep, 0)) PrintWords("You wake up. ");
}

void Player::TickParalysis() {
    if (paralysis <= 0) return;
    if (CountDown(paralysis, AmuletDrop(kPropertyFreeMovement, paralysis))) {
        PrintWords("You aren't paralyzed anymore. ");
    }
}

void Player::TickClumsiness() {
    if (clumsiness <= 0) return;
    if (CountDown(clumsiness, AmuletDrop(kPropertyNimbleRecovery, 3))) {
        PrintWords("Your attacks are accurate again, you are no longer clumsy. ");
    }
}

void Player::TickFrostbite() {
    if (frostbite <= 0) return;
    // Below 1000 degrees the frostbite does not heal.
    frostbite -= bodyTemperature / 1000;
    if (frostbite > 0) return;
    frostbite = 0;
    PrintWords("You recover from the frostbite. ");
    maxHp += frostbiteMaxHpLoss;
    hp += frostbiteHpLoss;
    frostbiteMaxHpLoss = 0;
    frostbiteHpLoss = 0;
}

void Player::TickSlowness() {
    if (slowness <= 0) return;
    if (CountDown(slowness, AmuletDrop(kPropertyNimbleRecovery, 3))) PrintWords("Your movements aren't slow anymore. ");
}

void Player::TickImmobility() {
    if (immobility <= 0) return;
    const bool freed = CountDown(immobility, AmuletDrop(kPropertyFreeMovement, immobility));
    PrintWords("You struggle to free yourself. ");
    if (freed) PrintWords("You aren't immobilized anymore. ");
}

void Player::TickHorror() {
    if (horror <= 0) return;
    if (CountDown(horror, AmuletDrop(kPropertyCalmMind, 1))) PrintWords("You aren't horrified anymore. ");
}
