// The ice mirror: one look changes an attribute by one point, mostly for the better.
#include "events/feature_tile.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"

namespace {

struct MirrorLook {
    int32_t Player::* attribute;
    const char* better;
    const char* worse;
};

constexpr MirrorLook kLooks[] = {
    {&Player::strength, "strong! ", "weak! "},
    {&Player::vitality, "healthy! ", "unhealthy! "},
    {&Player::agility, "agile! ", "slow! "},
    {&Player::dexterity, "dextrous! ", "clumsy! "},
    {&Player::stamina, "energetic! ", "tired! "},
};
constexpr int32_t kLookCount = static_cast<int32_t>(sizeof kLooks / sizeof kLooks[0]);

}  // namespace

void Player::UseMirror() {
    Tile* here = FeatureTile();
    if (here == nullptr) return;
    Tile& tile = *here;
    if (tile.featureState == kFeatureSpent) {
        PrintWords("You can't see your reflection. ");
        return;
    }
    tile.featureState = kFeatureSpent;
    PrintWords("You look at your twisted image. You look, and actually feel, ");
    const int32_t signRoll = rng.Random(3);
    const int32_t sign = signRoll == 0 ? -1 : 1;
    const MirrorLook& look = kLooks[rng.Random(kLookCount)];
    this->*look.attribute += sign;
    messageLog.PrintMessage(sign > 0 ? look.better : look.worse);
    PrintWords("You can't see yourself anymore in the mirror. ");
}
