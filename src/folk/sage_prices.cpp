#include "folk/sage_prices.h"

#include "world/player.h"
#include "world/unique_demon_names.h"

int32_t HealingPrice(int32_t level) { return level / 2; }
int32_t UncursingPrice(int32_t level) { return static_cast<int32_t>(level * 0.9); }
int32_t PotionIdentificationPrice(int32_t level) { return level / 3; }
int32_t OtherIdentificationPrice(int32_t level) { return static_cast<int32_t>(level * 0.75); }
int32_t FiveArrowsPrice(int32_t level) { return level / 25; }
int32_t TwentyFiveArrowsPrice(int32_t level) { return level / 5; }
int32_t FiftyArrowsPrice(int32_t level) { return static_cast<int32_t>(static_cast<float>(level) * 0.4f); }

int32_t ResurrectionPrice() {
    if (player.demonSlainFlags[kFinalDemon] != 0) return 2000;
    return 250 * ((player.deepestFloor + 1) / 7 + 2);
}
