#pragma once
// The number rule shared by numeric options and environment variables: an
// optional "+", then one or more ASCII digits, as an unsigned 64-bit value.

#include <cstdint>
#include <expected>
#include <string_view>

namespace suite {

// Why a text does not follow the number rule.
enum class NumberError : std::uint8_t { empty, invalid_digit, too_large };

// The failure text of `error`, e.g. "invalid digit found in string".
std::string_view number_error_text(NumberError error);

// The value of `text` under the number rule.
std::expected<std::uint64_t, NumberError> parse_number(std::string_view text);

}  // namespace suite
