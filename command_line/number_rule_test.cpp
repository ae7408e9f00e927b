#include "command_line/number_rule.hpp"

#include <gtest/gtest.h>

namespace suite {
namespace {

TEST(NumberRule, AcceptsAnOptionalPlusAndDigitsWithLeadingZeros) {
  struct Case {
    std::string_view text;
    std::uint64_t value;
  };
  const Case cases[] = {{"0", 0}, {"+0", 0}, {"000", 0}, {"+4", 4}, {"007", 7},
                        {"18446744073709551615", UINT64_MAX},
                        {"00018446744073709551615", UINT64_MAX}};
  for (const Case& c : cases) EXPECT_EQ(parse_number(c.text), c.value) << c.text;
}

TEST(NumberRule, RejectsWithTheReasonText) {
  struct Case {
    std::string_view text;
    std::string_view reason;
  };
  const Case cases[] = {
      {"", "cannot parse integer from empty string"},
      {"+", "invalid digit found in string"},
      {"-", "invalid digit found in string"},
      {"-1", "invalid digit found in string"},
      {"++1", "invalid digit found in string"},
      {" 1", "invalid digit found in string"},
      {"1 ", "invalid digit found in string"},
      {"0x10", "invalid digit found in string"},
      {"\xD9\xA3", "invalid digit found in string"},  // a non-ASCII digit
      {"18446744073709551616", "number too large to fit in target type"},
      {"99999999999999999999999", "number too large to fit in target type"},
  };
  for (const Case& c : cases) {
    const auto result = parse_number(c.text);
    ASSERT_FALSE(result) << c.text;
    EXPECT_EQ(number_error_text(result.error()), c.reason) << c.text;
  }
}

}  // namespace
}  // namespace suite
