#include "platform/number_format.hpp"

#include <cstdint>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace suite
