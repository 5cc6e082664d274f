#include "toolkit/random_jump.h"

namespace {

constexpr uint64_t kBase = uint64_t{1} << 32;
constexpr uint32_t kFactorNewest = 5115;
constexpr uint32_t kFactor1 = 1776;
constexpr uint32_t kFactor2 = 1492;
constexpr uint32_t kFactor3 = 2111111111;

// m = kFactor3 b^4 + kFactor2 b^3 + kFactor1 b^2 + kFactorNewest b - 1.
constexpr WideNumber kModulus = {{0xFFFFFFFFu, kFactorNewest - 1, kFactor1, kFactor2, kFactor3}};
// b^-1 mod m is (m + 1) / b, because m + 1 is a multiple of b.
constexpr WideNumber kInverseBase = {{kFactorNewest, kFactor1, kFactor2, kFactor3, 0}};

__extension__ using Unsigned128 = unsigned __int128;
__extension__ using Signed128 = __int128;

bool IsBelowModulus(const WideNumber& value) {
    for (int32_t i = 4; i >= 0; --i) {
        if (value.digit[i] != kModulus.digit[i]) return value.digit[i] < kModulus.digit[i];
    }
    return false;
}

// value - m for m <= value < 2m, where value's top may carry one more digit.
WideNumber SubtractModulus(const uint64_t (&value)[6]) {
    WideNumber difference;
    int64_t borrow = 0;
    for (int32_t i = 0; i < 5; ++i) {
        const int64_t d = static_cast<int64_t>(value[i]) - kModulus.digit[i] - borrow;
        borrow = d < 0 ? 1 : 0;
        difference.digit[i] = static_cast<uint32_t>(d + (borrow ? static_cast<int64_t>(kBase) : 0));
    }
    return difference;
}

// Montgomery's product a b / b^5 mod m, for a and b below m. The low digit of m
// is b - 1, so the factor that clears each low digit is that digit itself.
WideNumber MontgomeryProduct(const WideNumber& a, const WideNumber& b) {
    uint64_t t[7] = {0, 0, 0, 0, 0, 0, 0};
    for (int32_t i = 0; i < 5; ++i) {
        uint64_t carry = 0;
        for (int32_t j = 0; j < 5; ++j) {
            const uint64_t sum = t[j] + uint64_t{a.digit[i]} * b.digit[j] + carry;
            t[j] = static_cast<uint32_t>(sum);
            carry = sum >> 32;
        }
        uint64_t sum = t[5] + carry;
        t[5] = static_cast<uint32_t>(sum);
        t[6] = sum >> 32;

        const uint64_t q = t[0];
        sum = t[0] + q * kModulus.digit[0];
        carry = sum >> 32;
        for (int32_t j = 1; j < 5; ++j) {
            sum = t[j] + q * kModulus.digit[j] + carry;
            t[j - 1] = static_cast<uint32_t>(sum);
            carry = sum >> 32;
        }
        sum = t[5] + carry;
        t[4] = static_cast<uint32_t>(sum);
        t[5] = t[6] + (sum >> 32);
        t[6] = 0;
    }
    const uint64_t result[6] = {t[0], t[1], t[2], t[3], t[4], t[5]};
    WideNumber product = {{static_cast<uint32_t>(t[0]), static_cast<uint32_t>(t[1]), static_cast<uint32_t>(t[2]),
                           static_cast<uint32_t>(t[3]), static_cast<uint32_t>(t[4])}};
    if (t[5] != 0 || !IsBelowModulus(product)) product = SubtractModulus(result);
    return product;
}

// 2^power mod m, by doubling.
WideNumber PowerOfTwo(int32_t power) {
    WideNumber value = {{1, 0, 0, 0, 0}};
    for (int32_t i = 0; i < power; ++i) {
        uint64_t doubled[6] = {};
        uint32_t carry = 0;
        for (int32_t d = 0; d < 5; ++d) {
            const uint64_t twice = (uint64_t{value.digit[d]} << 1) | carry;
            doubled[d] = static_cast<uint32_t>(twice);
            carry = static_cast<uint32_t>(twice >> 32);
        }
        doubled[5] = carry;
        WideNumber low = {{static_cast<uint32_t>(doubled[0]), static_cast<uint32_t>(doubled[1]),
                           static_cast<uint32_t>(doubled[2]), static_cast<uint32_t>(doubled[3]),
                           static_cast<uint32_t>(doubled[4])}};
        value = (carry != 0 || !IsBelowModulus(low)) ? SubtractModulus(doubled) : low;
    }
    return value;
}

// The state's number V (see the header); false when it is not below m.
bool StateNumber(const GeneratorState& state, WideNumber& number) {
    const uint64_t x1 = state.x[1];
    const uint64_t x2 = state.x[2];
    const uint64_t x3 = state.x[3];
    const uint64_t columns[4] = {state.x[0], state.carry + kFactor1 * x1 + kFactor2 * x2 + kFactor3 * x3,
                                 kFactor2 * x1 + kFactor3 * x2, kFactor3 * x1};
    uint64_t carry = 0;
    for (int32_t d = 0; d < 5; ++d) {
        const Unsigned128 sum = Unsigned128{d < 4 ? columns[d] : 0} + carry;
        number.digit[d] = static_cast<uint32_t>(sum);
        carry = static_cast<uint64_t>(sum >> 32);
    }
    return carry == 0 && IsBelowModulus(number);
}

// One draw on the number: (V + m x0) / b, where x0 = V mod b.
WideNumber StepNumber(const WideNumber& number) {
    const uint64_t x0 = number.digit[0];
    WideNumber next;
    uint64_t carry = (number.digit[0] + x0 * kModulus.digit[0]) >> 32;
    for (int32_t d = 1; d < 5; ++d) {
        const uint64_t sum = number.digit[d] + x0 * kModulus.digit[d] + carry;
        next.digit[d - 1] = static_cast<uint32_t>(sum);
        carry = sum >> 32;
    }
    next.digit[4] = static_cast<uint32_t>(carry);
    return next;
}

}  // namespace

WideNumber JumpMultiplier(uint32_t steps) {
    // Kept in Montgomery's form (times b^5), so that one Montgomery product with
    // a plain number gives a plain number.
    const WideNumber squareOfR = PowerOfTwo(320);
    WideNumber result = PowerOfTwo(160);
    WideNumber power = MontgomeryProduct(kInverseBase, squareOfR);
    for (uint32_t e = steps - 3; e != 0; e >>= 1) {
        if (e & 1u) result = MontgomeryProduct(result, power);
        power = MontgomeryProduct(power, power);
    }
    return result;
}

bool JumpAhead(const GeneratorState& from, const WideNumber& multiplier, GeneratorState& to) {
    WideNumber number;
    if (!StateNumber(from, number)) return false;
    // Three draws short of the goal, then three single draws, which bring the
    // three older outputs with them.
    number = MontgomeryProduct(number, multiplier);
    uint32_t older[3] = {};
    for (uint32_t& output : older) {
        output = number.digit[0];
        number = StepNumber(number);
    }
    const uint64_t x1 = older[2];
    const uint64_t x2 = older[1];
    const uint64_t x3 = older[0];
    const Unsigned128 high = Unsigned128{number.digit[1]} | Unsigned128{number.digit[2]} << 32 |
                             Unsigned128{number.digit[3]} << 64 | Unsigned128{number.digit[4]} << 96;
    const Unsigned128 rest = Unsigned128{kFactor1 * x1 + kFactor2 * x2 + kFactor3 * x3} +
                             (Unsigned128{kFactor2 * x1 + kFactor3 * x2} << 32) + (Unsigned128{kFactor3 * x1} << 64);
    const Signed128 carry = static_cast<Signed128>(high) - static_cast<Signed128>(rest);
    if (carry < 0 || carry >= static_cast<Signed128>(kBase)) return false;
    to.x[0] = number.digit[0];
    to.x[1] = older[2];
    to.x[2] = older[1];
    to.x[3] = older[0];
    to.carry = static_cast<uint32_t>(carry);
    return true;
}
