#include "platform/number_format.hpp"

#include <charconv>

namespace suite {

void append_decimal(std::string& out, std::uint64_t value) {
  char text[20];
  const auto result = std::to_chars(text, text + sizeof text, value);
  out.append(text, result.ptr);
}

namespace {

// Room for the 309 integer digits of the largest double, the point and up to
// 40 digits after it; also for the 326 characters of the smallest subnormal
// written positionally.
constexpr std::size_t kFixedCapacity = 352;

}  // namespace

void append_fixed(std::string& out, double value, int digits) {
  char text[kFixedCapacity];
  const auto result = std::to_chars(text, text + sizeof text, value,
                                    std::chars_format::fixed, digits);
  if (result.ec == std::errc()) out.append(text, result.ptr);
}

void append_shortest(std::string& out, double value) {
  // Fixed notation without a precision is the shortest round-trip form.
  char text[kFixedCapacity];
  const auto result =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  if (result.ec == std::errc()) out.append(text, result.ptr);
}

}  // namespace suite
