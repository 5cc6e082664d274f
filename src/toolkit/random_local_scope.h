#pragma once
// Tight loops of draws run on a scope of their own: it reads the game
// generator's block through a cursor of its own, which stays in a register,
// where each draw from the global one makes a round trip through memory. When
// the scope ends the game's generator moves on exactly as if it had drawn the
// numbers itself.
//
// While the scope lives the game's generator lags behind it: nothing inside the
// scope may draw from `rng`, nor open a second scope. Debug and sanitizer
// builds stop the program at such a draw (random_mother.h).
#include <climits>
#include <cstdint>

#include "toolkit/random_mother.h"

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
        rng.TakeLentState(state);
    }
    LocalRandom(const LocalRandom&) = delete;
    LocalRandom& operator=(const LocalRandom&) = delete;

    // As RandomMother::Random.
    int32_t Random(int32_t n) {
        if (n <= 0) return INT32_MIN;
        if (n == 1) return 0;
        return ScaleDraw(NextDraw(), n);
    }

    // As RandomMother::UpcomingDraws and SkipDraws.
    const uint32_t* UpcomingDraws(int32_t count) {
        if (serial) return nullptr;
        if (end - next < count) Relend(count);
        return next;
    }
    // How many draws from UpcomingDraws on the block holds: at least the count asked for.
    int32_t UpcomingInBlock() const { return static_cast<int32_t>(end - next); }
    void SkipDraws(int32_t count) { next += count; }
    // True on the serial path, where every draw is made one at a time.
    bool Serial() const { return serial; }

private:
    uint32_t NextDraw() {
        if (next == end) [[unlikely]] {
            if (serial) return static_cast<uint32_t>(DrawOnce(state.x, state.carry));
            Relend(1);
        }
        return *next++;
    }
    void Relend(int32_t count) {
        const RandomMother::LentDraws lent = rng.Relend(next, count);
        next = lent.next;
        end = lent.end;
    }

    const uint32_t* next = nullptr;
    const uint32_t* end = nullptr;
    // On the serial path the scope draws one at a time from a copy of the state.
    bool serial = false;
    GeneratorState state;
};
