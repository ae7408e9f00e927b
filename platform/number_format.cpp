#include "platform/number_format.hpp"

#include <charconv>

namespace suite {

void append_decimal(std::string& out, std::uint64_t value) {
  char text[20];
  const auto result = std::to_chars(text, text + sizeof text, value);
  out.append(text, result.ptr);
}

void append_fixed(std::string& out, double value, int digits) {
  // Room for the 309 integer digits of the largest double, the point and up
  // to 40 digits after it.
  char text[352];
  const auto result = std::to_chars(text, text + sizeof text, value,
                                    std::chars_format::fixed, digits);
  if (result.ec == std::errc()) out.append(text, result.ptr);
}

}  // namespace suite
