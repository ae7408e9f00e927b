#pragma once
// The monotonic and wall clocks, and the durations read from them.

#include <cstdint>
#include <ctime>

namespace suite {

// A span of time: whole seconds plus nanoseconds below one second.
struct Duration {
  std::uint64_t seconds = 0;
  std::uint32_t nanoseconds = 0;

  // The duration in seconds as a double.
  double as_seconds() const {
    return static_cast<double>(seconds) +
           static_cast<double>(nanoseconds) / 1e9;
  }
  friend bool operator==(const Duration&, const Duration&) = default;
};

// A reading of the monotonic clock.
struct MonotonicInstant {
  timespec time;
};

// The monotonic clock now.
MonotonicInstant monotonic_now();

// The time from `start` to `end`; zero when the clock went backwards.
Duration elapsed_between(MonotonicInstant start, MonotonicInstant end);

// A source of wall-clock readings; a parameter so that tests can stand in
// for the system's clock.
using WallClock = timespec (*)();

// The system's wall clock now (seconds since 1970 may be negative).
timespec read_wall_clock();

}  // namespace suite
