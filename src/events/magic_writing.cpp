// Reading a magic writing: the first reading burns the words away with one of
// 23 effects; the blank scroll stays on its pedestal.
#include "events/feature_tile.h"
#include "events/magic_writing.h"
#include "shell/message_log.h"
#include "shell/random_mother.h"

namespace {

// The resurrection deal is never offered while one is already held.
int32_t DrawWritingEffect() {
    int32_t effect = rng.Random(kWritingEffectCount);
    while (effect == kWritingPredictionDeal && player.predictedKiller != kNoPredictedKiller) {
        effect = rng.Random(kWritingEffectCount);
    }
    return effect;
}

void ApplyWritingEffect(int32_t effect) {
    switch (effect) {
        case kWritingMapRevealed: RevealOrForgetMap(false); break;
        case kWritingMapForgotten: RevealOrForgetMap(true); break;
        case kWritingTrapsSensed: SenseTraps(); break;
        case kWritingMonstersSensed: SenseMonsters(); break;
        case kWritingItemsSensed: SenseItems(); break;
        case kWritingMoreTraps: AddTraps(); break;
        case kWritingMoreMonsters: AddMonsters(); break;
        case kWritingMoreItems: AddItems(); break;
        case kWritingKindIdentified: IdentifyRandomKind(); break;
        case kWritingKindForgotten: ForgetRandomKind(); break;
        case kWritingToxicGas: PoisonFloorWithGas(); break;
        case kWritingTrapsDestroyed: DestroyHiddenTraps(); break;
        case kWritingIceBlocksDestroyed: DestroyIceBlocks(); break;
        case kWritingMonstersAppear: SummonMonstersAround(); break;
        case kWritingCursesKnown: RevealCurses(); break;
        case kWritingPurseLighter: LightenPurse(); break;
        case kWritingPurseHeavier: HeavierPurse(); break;
        case kWritingExperienceUp: RaiseExperience(); break;
        case kWritingExperienceDown: LowerExperience(); break;
        case kWritingPietyUp: RaisePiety(); break;
        case kWritingPietyDown: LowerPiety(); break;
        case kWritingShockwave: SendShockwave(); break;
        default: OfferPredictionDeal(); break;
    }
}

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
    ApplyWritingEffect(DrawWritingEffect());
}
