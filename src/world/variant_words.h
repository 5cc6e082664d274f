#pragma once
// The five variants of a monster kind and the words that make a kind's name a
// variant's name, in front of it.
#include <cstdint>

enum MonsterVariant : int32_t { kSuperior, kQuick, kFierce, kTough, kAgile };
constexpr int32_t kMonsterVariantCount = 5;
constexpr const char* kMonsterVariantWords[kMonsterVariantCount] = {
    "superior ", "quick ", "fierce ", "tough ", "agile ",
};

// What SpawnMonster and ChooseMonsterKind are asked for.
constexpr int32_t kVariantNever = -1;
constexpr int32_t kVariantRarely = 0;  // one time in 80
constexpr int32_t kVariantAlways = 1;  // a random variant
constexpr int32_t kVariantSuperior = 2;
