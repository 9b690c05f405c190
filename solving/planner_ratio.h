// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Exact sums of cell values for the planner's own reckoning (candidate
// numbers, lower bounds). 64-bit fractions with 128-bit intermediates; a
// result too large for 64 bits marks the value unknown instead of wrapping.

#include <cstdint>
#include <limits>
#include <numeric>

#include "core/cells.h"

namespace talvoren::planning {

struct Ratio {
    std::int64_t num = 0;
    std::int64_t den = 1;
    bool known = true;

    static Ratio of(const ExprCell& c) {
        if (c.den <= 0) return {0, 1, false};
        return make(c.num, c.den);
    }

    static Ratio make(__int128 num, __int128 den) {
        if (den == 0) return {0, 1, false};
        if (den == 1 && num >= -limit64() && num <= limit64()) return {static_cast<std::int64_t>(num), 1, true};
        if (den < 0) {
            num = -num;
            den = -den;
        }
        const __int128 a = gcdOf(num < 0 ? -num : num, den);
        if (a > 1) {
            num /= a;
            den /= a;
        }
        constexpr __int128 limit = std::numeric_limits<std::int64_t>::max();
        if (num > limit || -num > limit || den > limit) return {0, 1, false};
        return {static_cast<std::int64_t>(num), static_cast<std::int64_t>(den), true};
    }

    // Euclid in 64 bits whenever the operands allow it (128-bit division is slow).
    static __int128 gcdOf(__int128 a, __int128 b) {
        while (b != 0) {
            if (a <= limit64() && b <= limit64())
                return std::gcd(static_cast<std::int64_t>(a), static_cast<std::int64_t>(b));
            const __int128 t = a % b;
            a = b;
            b = t;
        }
        return a;
    }

    static constexpr __int128 limit64() { return std::numeric_limits<std::int64_t>::max(); }

    friend Ratio operator+(const Ratio& a, const Ratio& b) {
        if (!a.known || !b.known) return {0, 1, false};
        return make(static_cast<__int128>(a.num) * b.den + static_cast<__int128>(b.num) * a.den,
                    static_cast<__int128>(a.den) * b.den);
    }
    friend Ratio operator*(const Ratio& a, const Ratio& b) {
        if (!a.known || !b.known) return {0, 1, false};
        return make(static_cast<__int128>(a.num) * b.num, static_cast<__int128>(a.den) * b.den);
    }
    friend Ratio operator-(const Ratio& a) { return {-a.num, a.den, a.known}; }
    friend Ratio operator-(const Ratio& a, const Ratio& b) { return a + (-b); }
    friend bool operator==(const Ratio& a, const Ratio& b) {
        return a.known && b.known && a.num == b.num && a.den == b.den;
    }

    bool isZero() const { return known && num == 0; }
    bool is(std::int64_t v) const { return known && den == 1 && num == v; }
};

}  // namespace talvoren::planning
