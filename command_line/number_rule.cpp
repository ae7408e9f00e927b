#include "command_line/number_rule.hpp"

#include <array>

namespace suite {

std::string_view number_error_text(NumberError error) {
  static constexpr std::array<std::string_view, 3> kTexts = {
      "cannot parse integer from empty string",
      "invalid digit found in string",
      "number too large to fit in target type",
  };
  return kTexts[static_cast<std::size_t>(error)];
}

std::expected<std::uint64_t, NumberError> parse_number(std::string_view text) {
  if (text.empty()) return std::unexpected(NumberError::empty);
  if (text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::unexpected(NumberError::invalid_digit);
  std::uint64_t value = 0;
  bool overflowed = false;
  // Every character is checked, so a bad digit after an overflow still
  // reports the bad digit.
  for (const char c : text) {
    if (c < '0' || c > '9') return std::unexpected(NumberError::invalid_digit);
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (UINT64_MAX - digit) / 10) overflowed = true;
    value = value * 10 + digit;
  }
  if (overflowed) return std::unexpected(NumberError::too_large);
  return value;
}

}  // namespace suite
