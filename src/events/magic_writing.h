#pragma once
// Magic writing: what reading a scroll does. The rules are in magic_writing.cpp
// and writing_*_effects.cpp; magic_writing_screen.cpp draws what is sensed.
#include <cstdint>

enum WritingEffect : int32_t {
    kWritingMapRevealed = 0,
    kWritingMapForgotten = 1,
    kWritingTrapsSensed = 2,
    kWritingMonstersSensed = 3,
    kWritingItemsSensed = 4,
    kWritingMoreTraps = 5,
    kWritingMoreMonsters = 6,
    kWritingMoreItems = 7,
    kWritingKindIdentified = 8,
    kWritingKindForgotten = 9,
    kWritingToxicGas = 10,
    kWritingTrapsDestroyed = 11,
    kWritingIceBlocksDestroyed = 12,
    kWritingMonstersAppear = 13,
    kWritingCursesKnown = 14,
    kWritingPurseLighter = 15,
    kWritingPurseHeavier = 16,
    kWritingExperienceUp = 17,
    kWritingExperienceDown = 18,
    kWritingPietyUp = 19,
    kWritingPietyDown = 20,
    kWritingShockwave = 21,
    kWritingPredictionDeal = 22,
    kWritingEffectCount = 23,
};

// The effects that change the floor (writing_floor_effects.cpp).
void RevealOrForgetMap(bool forget);
void AddTraps();
void AddMonsters();
void AddItems();
void PoisonFloorWithGas();
void DestroyHiddenTraps();
void DestroyIceBlocks();
void SummonMonstersAround();
void SendShockwave();
// The effects on the character (writing_character_effects.cpp).
void IdentifyRandomKind();
void ForgetRandomKind();
void RevealCurses();
void LightenPurse();
void HeavierPurse();
void RaiseExperience();
void LowerExperience();
void RaisePiety();
void LowerPiety();
void OfferPredictionDeal();
// The sensing effects: the floor's traps (made known as well), monsters or items
// shown on an empty screen until the space bar (magic_writing_screen.cpp).
void SenseTraps();
void SenseMonsters();
void SenseItems();
