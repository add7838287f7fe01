// A number as a decimal record, and the routes that find a value's decimal
// digits. Internal to the number conversions and their tests.
#pragma once

#include <cstdint>

#include "text/extended.h"

namespace wqj::detail {

// The value (-1)^negative * digits * 10^exponent, digits below 10^19.
struct Decimal {
    uint64_t digits = 0;
    int32_t exponent = 0;
    bool negative = false;
};

// The first 18 significant digits of a finite non-zero value, rounded to
// nearest with ties to even, by one of three routes. The big-integer route
// writes out the value's digits in full for every value: it is the rule,
// against which the others are tested. The two fast routes give the same
// record where they apply and return false elsewhere: exactly in 64 bits
// (whole numbers below 2^64, and m / 2^k whose exact decimal m * 5^k fits),
// and in 128 bits (m * 5^j, j <= 27, truncated to about 20 digits).
Decimal big_integer_leading_digits(const Parts& p);
bool exact_leading_digits(const Parts& p, Decimal& out);
bool wide_leading_digits(const Parts& p, Decimal& out);
// The first route that applies, exact, wide or big integer.
Decimal leading_digits(const Parts& p);

}  // namespace wqj::detail
