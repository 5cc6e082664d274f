#pragma once
// Special properties of weapons and armour, such as "frosty" or "heart seeking".
#include <cstdint>
#include <string>

constexpr int32_t kItemPrefixCount = 35;

// Prefix ids; a prefix's id is also its index in itemPrefixes.
enum PrefixId : int32_t {
    kPrefixDeflecting = 0,
    kPrefixTargetPainted = 1,
    kPrefixHygienic = 2,
    kPrefixPoisonProof = 3,
    kPrefixStanching = 4,
    kPrefixSpiky = 5,
    kPrefixPutrid = 6,
    kPrefixHeavy = 7,
    kPrefixAntiWeight = 8,
    kPrefixSturdy = 9,
    kPrefixFragile = 10,
    kPrefixHighQuality = 11,
    kPrefixPoorQuality = 12,
    kPrefixUnstable = 13,
    kPrefixVaporizing = 14,
    kPrefixRegenerating = 15,
    kPrefixDegenerating = 16,
    kPrefixAccurate = 17,
    kPrefixInaccurate = 18,
    kPrefixSwift = 19,
    kPrefixSlow = 20,
    kPrefixHeartSeeking = 21,
    kPrefixHarmless = 22,
    kPrefixPossessed = 23,
    kPrefixPiercing = 24,
    kPrefixFrosty = 25,
    kPrefixFiery = 26,
    kPrefixStunning = 27,
    kPrefixHeatDraining = 28,
    kPrefixColdDraining = 29,
    kPrefixSoullessBane = 30,
    kPrefixBloodBane = 31,
};

class ItemPrefix {
public:
    ItemPrefix();
    char name[72] = {};
    int32_t id = -1;
};

extern ItemPrefix itemPrefixes[kItemPrefixCount];

void InitPrefixTable();
// The prefix index of a new weapon or armour item, or -1 for none.
int32_t RollItemPrefix(int32_t itemType, std::string kindName, bool forced);
