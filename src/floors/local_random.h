#pragma once
// The generators' tight loops of draws run on a scope of their own: it reads
// the game generator's block through a cursor of its own, which stays in a
// register, where each draw from the global one makes a round trip through
// memory. When the scope ends the game's generator moves on exactly as if it
// had drawn the numbers itself. Nothing inside the scope may draw from the
// global generator.
#include <climits>
#include <cstdint>

#include "shell/random_mother.h"

class LocalRandom {
public:
    LocalRandom() {
        const RandomMother::LentDraws lent = rng.LendDraws();
        next = lent.next;
        end = lent.end;
        serial = next == nullptr;
        if (!serial) return;
        for (int32_t i = 0; i < 4; ++i) state.x[i] = rng.x[i];
        state.carry = rng.carry;
    }
    ~LocalRandom() {
        if (!serial) {
            rng.TakeLentDraws(next);
            return;
        }
        for (int32_t i = 0; i < 4; ++i) rng.x[i] = state.x[i];
        rng.carry = state.carry;
    }
    LocalRandom(const LocalRandom&) = delete;
    LocalRandom& operator=(const LocalRandom&) = delete;

    // As RandomMother::Random.
    int32_t Random(int32_t n) {
        if (n <= 0) return INT32_MIN;
        if (n == 1) return 0;
        const uint64_t product = static_cast<uint64_t>(static_cast<uint32_t>(n)) * NextDraw();
        return static_cast<int32_t>(product >> 32);
    }

    // As RandomMother::UpcomingDraws and SkipDraws.
    const uint64_t* UpcomingDraws(int32_t count) {
        if (serial) return nullptr;
        if (end - next < count) Relend(count);
        return next;
    }
    void SkipDraws(int32_t count) { next += count; }

private:
    uint32_t NextDraw() {
        if (next == end) [[unlikely]] {
            if (serial) return static_cast<uint32_t>(DrawOnce(state.x, state.carry));
            Relend(1);
        }
        return static_cast<uint32_t>(*next++);
    }
    void Relend(int32_t count) {
        const RandomMother::LentDraws lent = rng.Relend(next, count);
        next = lent.next;
        end = lent.end;
    }

    const uint64_t* next = nullptr;
    const uint64_t* end = nullptr;
    // On the serial path the scope draws one at a time from a copy of the state.
    bool serial = false;
    GeneratorState state;
};

// A digging direction from any generator: Random(4) gives 2 north, 3 south, 5 east, 4 west.
template <class Generator>
int32_t RandomDirection(Generator& generator) {
    static constexpr int32_t kDirections[4] = {2, 3, 5, 4};
    return kDirections[generator.Random(4)];
}
