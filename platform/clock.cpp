#include "platform/clock.hpp"

namespace suite {

MonotonicInstant monotonic_now() {
  MonotonicInstant now{};
  clock_gettime(CLOCK_MONOTONIC, &now.time);
  return now;
}

Duration elapsed_between(MonotonicInstant start, MonotonicInstant end) {
  const timespec& from = start.time;
  const timespec& to = end.time;
  if (to.tv_sec < from.tv_sec ||
      (to.tv_sec == from.tv_sec && to.tv_nsec <= from.tv_nsec)) {
    return {};
  }
  auto seconds = static_cast<std::uint64_t>(to.tv_sec - from.tv_sec);
  long nanoseconds = to.tv_nsec - from.tv_nsec;
  if (nanoseconds < 0) {
    --seconds;
    nanoseconds += 1'000'000'000;
  }
  return {seconds, static_cast<std::uint32_t>(nanoseconds)};
}

timespec read_wall_clock() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return now;
}

}  // namespace suite
