// Reading a magic writing: the first reading burns the words away with one of
// 23 effects; the blank scroll stays on its pedestal.
#include "events/feature_tile.h"
#include "events/magic_writing.h"
#include "toolkit/id_rows.h"
#include "toolkit/message_log.h"
#include "toolkit/random_mother.h"

namespace {

// The resurrection deal is never offered while one is already held.
int32_t DrawWritingEffect() {
    int32_t effect = rng.Random(kWritingEffectCount);
    while (effect == kWritingPredictionDeal && player.predictedKiller != kNoPredictedKiller) {
        effect = rng.Random(kWritingEffectCount);
    }
    return effect;
}

void RevealMap() { RevealOrForgetMap(false); }
void ForgetMap() { RevealOrForgetMap(true); }

struct WritingEffectRow {
    WritingEffect effect;
    void (*apply)();
};

// Indexed by effect.
constexpr WritingEffectRow kWritingEffects[] = {
    {kWritingMapRevealed, RevealMap},
    {kWritingMapForgotten, ForgetMap},
    {kWritingTrapsSensed, SenseTraps},
    {kWritingMonstersSensed, SenseMonsters},
    {kWritingItemsSensed, SenseItems},
    {kWritingMoreTraps, AddTraps},
    {kWritingMoreMonsters, AddMonsters},
    {kWritingMoreItems, AddItems},
    {kWritingKindIdentified, IdentifyRandomKind},
    {kWritingKindForgotten, ForgetRandomKind},
    {kWritingToxicGas, PoisonFloorWithGas},
    {kWritingTrapsDestroyed, DestroyHiddenTraps},
    {kWritingIceBlocksDestroyed, DestroyIceBlocks},
    {kWritingMonstersAppear, SummonMonstersAround},
    {kWritingCursesKnown, RevealCurses},
    {kWritingPurseLighter, LightenPurse},
    {kWritingPurseHeavier, HeavierPurse},
    {kWritingExperienceUp, RaiseExperience},
    {kWritingExperienceDown, LowerExperience},
    {kWritingPietyUp, RaisePiety},
    {kWritingPietyDown, LowerPiety},
    {kWritingShockwave, SendShockwave},
    {kWritingPredictionDeal, OfferPredictionDeal},
};

static_assert(OneRowPerIdInOrder(kWritingEffects, &WritingEffectRow::effect, kWritingMapRevealed,
                                 kWritingEffectCount),
              "one row per writing effect, in id order");

}  // namespace

void Player::ReadMagicWriting() {
    Tile* here = FeatureTile();
    if (here == nullptr) return;
    Tile& tile = *here;
    if (tile.featureState != kFeatureUnused) {
        PrintWords("This scroll is blank. ");
        return;
    }
    tile.featureState = kFeatureSpent;
    PrintWords(
        "As you read the last magical word, the writing bursts into flames and is consumed by the flames in "
        "seconds. Now there is only a blank scroll in front of you. ");
    kWritingEffects[DrawWritingEffect()].apply();
}
