// Choosing the kind of a new monster near a wanted level, and turning it into one of
// the five variants.
#include <algorithm>
#include <cstring>
#include <string>

#include "toolkit/bounded_draw.h"
#include "toolkit/random_mother.h"
#include "world/monster.h"
#include "world/monster_kind.h"

namespace {

int32_t TopKindLevel() {
    int32_t top = 0;
    for (const MonsterKind& kind : monsterKinds.kinds) top = std::max(top, kind.level);
    return top;
}

bool SuitsFloorColour(const MonsterKind& kind, ColourCode wantedColour) {
    if (kind.ability == kAbilityTerrainSpecific) return kind.colour == wantedColour;
    if (kind.ability == kAbilityStalker) {
        if (kind.colour == kLightCyan) return wantedColour == kLightCyan;
        if (kind.colour == kWhite) return wantedColour != kLightCyan;
    }
    return true;
}

int32_t TimesSingle(int32_t value, float factor) { return static_cast<int32_t>(static_cast<float>(value) * factor); }
int32_t TimesDouble(int32_t value, double factor) { return static_cast<int32_t>(static_cast<double>(value) * factor); }
int64_t ExperienceTimesOneAndAHalf(int64_t experience) {
    return static_cast<int64_t>(static_cast<double>(experience) * 1.5);
}

// The kind's name; a name that fills all 64 bytes of the record ends there.
std::string KindName(const MonsterKind& kind) { return std::string(kind.name, strnlen(kind.name, sizeof kind.name)); }

void SetName(MonsterTemplate& result, const std::string& name) {
    const size_t length = std::min(name.size(), sizeof result.name - 1);
    std::memcpy(result.name, name.data(), length);
    result.name[length] = '\0';
}

MonsterTemplate TemplateOfKind(int32_t index, int32_t level) {
    const MonsterKind& kind = monsterKinds[index];
    MonsterTemplate result;
    result.kind = index;
    result.stats = kind;
    result.stats.level = level;
    SetName(result, KindName(kind));
    return result;
}

// f is the level factor: 1.5 up to level 9, 0.05 less for every further ten levels.
void ApplyVariant(MonsterTemplate& result, MonsterVariant variant, int32_t level, float f) {
    const MonsterKind& kind = monsterKinds[result.kind];
    SetName(result, kMonsterVariantWords[variant] + KindName(kind));
    switch (variant) {
        case kSuperior:
            result.stats.hitPoints = TimesSingle(result.stats.hitPoints, f);
            result.stats.damageBound1 = TimesSingle(result.stats.damageBound1, f);
            result.stats.damageBound2 = TimesSingle(result.stats.damageBound2, f);
            result.stats.dodge += 80;
            result.stats.toHitThreshold = TimesDouble(result.stats.toHitThreshold, 0.8);
            result.stats.experience *= 2;
            result.stats.regenerationAmount = TimesSingle(result.stats.regenerationAmount, f);
            result.stats.meleeArmour = TimesDouble(result.stats.meleeArmour, 1.125);
            result.stats.rangedArmour = TimesDouble(result.stats.rangedArmour, 1.125);
            result.stats.level = level + 10;
            break;
        case kQuick:
            result.stats.speed *= 2;
            result.stats.experience = ExperienceTimesOneAndAHalf(result.stats.experience);
            result.stats.level = level + 8;
            break;
        case kFierce: {
            const float fiercer = f + 0.2f;
            result.stats.damageBound1 = TimesSingle(result.stats.damageBound1, fiercer);
            result.stats.damageBound2 = TimesSingle(result.stats.damageBound2, fiercer);
            result.stats.experience = ExperienceTimesOneAndAHalf(result.stats.experience);
            result.stats.level = level + 8;
            break;
        }
        case kTough:
            result.stats.hitPoints = TimesSingle(result.stats.hitPoints, f + 0.2f);
            result.stats.experience = ExperienceTimesOneAndAHalf(result.stats.experience);
            result.stats.meleeArmour = TimesDouble(result.stats.meleeArmour, 1.25);
            result.stats.rangedArmour = TimesDouble(result.stats.rangedArmour, 1.25);
            result.stats.level = level + 8;
            break;
        case kAgile:
            result.stats.dodge += 150;
            result.stats.toHitThreshold = TimesDouble(result.stats.toHitThreshold, 0.7);
            result.stats.experience = ExperienceTimesOneAndAHalf(result.stats.experience);
            result.stats.level = level + 8;
            break;
    }
    // Stalkers hide in the floor's colours even as variants.
    if (kind.ability != kAbilityStalker) {
        result.stats.colour = kind.colour + ((kind.colour == kRed || kind.colour == kLightRed) ? kOnBlue : kOnRed);
    }
}

}  // namespace

MonsterTemplate ChooseMonsterKind(int32_t level, int32_t variant, ColourCode wantedColour) {
    if (variant > kVariantSuperior) variant = kVariantAlways;
    if (variant < kVariantNever) variant = kVariantNever;
    bool makeVariant = variant >= kVariantAlways;
    if (variant == kVariantRarely) {
        const int32_t roll = rng.Random(80);
        makeVariant = roll == 0;
    }

    const int64_t top = TopKindLevel();
    const int32_t matchLevel = static_cast<int32_t>(std::max<int64_t>(std::min<int64_t>(int64_t{level} + 1, top), 1));
    const float factor = 1.5f - 0.05f * static_cast<float>(matchLevel / 10);

    const int32_t index = DrawUntilFits(kMonsterKindCount, [&](int32_t k) {
        const MonsterKind& kind = monsterKinds[k];
        if (kind.hitPoints <= 0 || !SuitsFloorColour(kind, wantedColour)) return false;
        if (makeVariant && kind.ability == kAbilityPack) return false;
        return kind.level >= int64_t{matchLevel} - 2 && kind.level <= int64_t{matchLevel} + 2;
    });
    if (index < 0) return MonsterTemplate{};

    MonsterTemplate result = TemplateOfKind(index, matchLevel);
    if (makeVariant) {
        const int32_t roll = rng.Random(6);
        static const MonsterVariant kByRoll[] = {kSuperior, kQuick, kFierce, kTough, kAgile, kSuperior};
        ApplyVariant(result, variant == kVariantSuperior ? kSuperior : kByRoll[roll], matchLevel, factor);
    }
    return result;
}
