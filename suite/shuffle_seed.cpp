#include "suite/shuffle_seed.hpp"

#include <string>

#include "platform/fatal_error.hpp"
#include "platform/number_format.hpp"

namespace suite {
namespace {

[[noreturn]] void fatal_clock_before_1970(const timespec& now) {
  // tv_nsec counts forward from tv_sec, so -2 s + 0.5 s lies 1.5 s before.
  std::uint64_t seconds = static_cast<std::uint64_t>(-(now.tv_sec + 1));
  long nanoseconds = 1'000'000'000 - now.tv_nsec;
  if (nanoseconds == 1'000'000'000) {
    ++seconds;
    nanoseconds = 0;
  }
  std::string message = "Failed to get system time: the clock lies ";
  append_decimal(message, seconds);
  std::string fraction;
  append_decimal(fraction, static_cast<std::uint64_t>(nanoseconds));
  message += '.';
  message.append(9 - fraction.size(), '0');
  message += fraction;
  message += "s before 1970-01-01T00:00:00Z";
  fatal_error(message);
}

}  // namespace

std::optional<std::uint64_t> choose_shuffle_seed(const RunOptions& options,
                                                 WallClock clock) {
  if (options.order_seed) return options.order_seed;
  if (!options.shuffle_order) return std::nullopt;
  const timespec now = clock();
  if (now.tv_sec < 0) fatal_clock_before_1970(now);
  // Unsigned arithmetic keeps the low 64 bits of the count.
  return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000u +
         static_cast<std::uint64_t>(now.tv_nsec);
}

}  // namespace suite
