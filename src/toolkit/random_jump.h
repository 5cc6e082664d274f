#pragma once
// Jumping the generator ahead without drawing the numbers in between.
//
// The four-lag multiply-with-carry generator is a multiplicative congruential
// generator in disguise: with b = 2^32 and the modulus
//     m = 2111111111 b^4 + 1492 b^3 + 1776 b^2 + 5115 b - 1,
// the state (x[0..3], carry) after draw n stands for one number
//     V = x0 + b (carry + 1776 x1 + 1492 x2 + 2111111111 x3)
//           + b^2 (1492 x1 + 2111111111 x2) + b^3 2111111111 x1,
// each draw takes V to V / b mod m (that is (V + m x0) / b exactly), and the
// draw's output is V mod b. So k draws ahead is one multiplication by b^-k mod m,
// and the lanes that fill the block of draws can each start far ahead.
#include <cstdint>

// A number below 2^160 as five base-2^32 digits, lowest first.
struct WideNumber {
    uint32_t digit[5] = {0, 0, 0, 0, 0};
};

// Keeps the optimiser from moving a computation across this point (it may
// neither fold the value into later sums nor rewrite how it was made).
template <class T>
inline void KeepAsComputed(T& value) {
#if defined(__GNUC__)
    asm("" : "+r"(value));
#else
    (void)value;
#endif
}

// One draw of the generator, one at a time: moves the state on and returns the
// whole sum, the new carry in the high word and the new output in the low one.
// A serial draw's time is the time from the last output to the next, so only
// the newest output's product waits for the last draw: the older terms and the
// carry are summed first, and the sums are kept in that order.
inline uint64_t DrawOnce(uint32_t (&x)[4], uint32_t& carry) {
    uint64_t older = 2111111111ull * x[3] + 1492ull * x[2] + 1776ull * x[1];
    uint64_t newestFactor = 5115;
    KeepAsComputed(older);
    KeepAsComputed(newestFactor);  // one multiply is quicker than the shifts it would become
    uint64_t withCarry = older + carry;
    KeepAsComputed(withCarry);
    const uint64_t sum = withCarry + newestFactor * x[0];
    x[3] = x[2];
    x[2] = x[1];
    x[1] = x[0];
    carry = static_cast<uint32_t>(sum >> 32);
    x[0] = static_cast<uint32_t>(sum);
    return sum;
}

// The generator's state words, as RandomMother holds them.
struct GeneratorState {
    uint32_t x[4] = {0, 0, 0, 0};  // x[0] the newest output
    uint32_t carry = 0;
};

// The multiplier that takes a state's number `steps` draws ahead, kept ready
// for JumpAhead (in the form its multiplication wants). steps >= 3.
WideNumber JumpMultiplier(uint32_t steps);

// The state `steps` draws after `from`, where `multiplier` is JumpMultiplier(steps).
// False, with `to` unchanged, for a state outside the generator's cycle (a carry
// so large its number reaches the modulus): such a state is only ever drawn from one step at a time.
bool JumpAhead(const GeneratorState& from, const WideNumber& multiplier, GeneratorState& to);
