#pragma once
// The five unique demons, in the order of their floors. They are not monster
// kinds: their statistics are fixed and their names are kept apart from the kinds'.
#include <cstdint>

constexpr int32_t kUniqueDemonCount = 5;
constexpr const char* kUniqueDemonNames[kUniqueDemonCount] = {"Vir've", "Ikuazz", "Omuerp", "Nonehes", "Uramesiel"};
// Indices into kUniqueDemonNames (and the demon-slain flags).
enum UniqueDemon : int32_t { kVirve = 0, kIkuazz = 1, kOmuerp = 2, kNonehes = 3, kUramesiel = 4 };
// The final demon, whose copies (splits and mirror images) fight beside it.
constexpr int32_t kFinalDemon = kUramesiel;

// Every unique demon shows as this glyph.
constexpr char kDemonGlyph = '&';

// CreateUniqueDemon's copy kind: the floor's own demon, or 1 to 4 a copy of the final demon.
constexpr int32_t kFloorsOwnDemon = 0;
