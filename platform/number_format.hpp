#pragma once
// Numbers as report text, without locale and without allocation of their own.

#include <cstdint>
#include <string>

namespace suite {

// Appends `value` in decimal: no sign, no grouping, no leading zeros.
void append_decimal(std::string& out, std::uint64_t value);

// Appends `value` in fixed-point notation with `digits` digits after the
// point, rounded to nearest with ties to even, e.g. 1.125 with 2 gives 1.12.
// `digits` is at most 40.
void append_fixed(std::string& out, double value, int digits);

// Appends the shortest decimal text that reads back as `value` (of equally
// short texts, the one nearest it) in positional notation: never an
// exponent, no trailing zeros after the point and no point at all for a
// whole number, e.g. 0.000004306, 1.5 or 3.
void append_shortest(std::string& out, double value);

}  // namespace suite
