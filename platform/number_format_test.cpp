#include "platform/number_format.hpp"

#include <cstdint>
#include <gtest/gtest.h>

#include "platform/clock.hpp"

namespace suite {
namespace {

TEST(NumberFormat, DecimalCoversTheWholeUnsignedRange) {
  std::string out;
  append_decimal(out, 0);
  out += ' ';
  append_decimal(out, 7);
  out += ' ';
  append_decimal(out, UINT64_MAX);
  EXPECT_EQ(out, "0 7 18446744073709551615");
}

TEST(NumberFormat, FixedRoundsToNearestWithTiesToEven) {
  struct Case {
    double value;
    std::string_view text;
  };
  const Case cases[] = {
      {0.0, "0.00"},       {0.000004306, "0.00"}, {0.005, "0.01"},
      {1.125, "1.12"},     {1.375, "1.38"},       {0.995, "0.99"},
      {120.0, "120.00"},   {18446744073709551615.0, "18446744073709551616.00"},
  };
  for (const Case& c : cases) {
    std::string out;
    append_fixed(out, c.value, 2);
    EXPECT_EQ(out, c.text) << c.value;
  }
}

TEST(NumberFormat, ShortestIsPositionalAndReadsBackExactly) {
  struct Case {
    double value;
    std::string text;
  };
  const Case cases[] = {
      {Duration{0, 4306}.as_seconds(), "0.000004306"},
      {Duration{1, 500'000'000}.as_seconds(), "1.5"},
      {Duration{3, 0}.as_seconds(), "3"},
      {0.0, "0"},
      {Duration{0, 1}.as_seconds(), "0.000000001"},
      // 2^64: "18446744073709552000" is as short but further from the value.
      {Duration{UINT64_MAX, 0}.as_seconds(), "18446744073709551616"},
      {0.1 + 0.2, "0.30000000000000004"},
      {5e-324, "0." + std::string(323, '0') + "5"},
  };
  for (const Case& c : cases) {
    std::string out;
    append_shortest(out, c.value);
    EXPECT_EQ(out, c.text) << c.text;
  }
}

}  // namespace
}  // namespace suite
