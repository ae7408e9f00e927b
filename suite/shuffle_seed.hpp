#pragma once
// The seed of a shuffled run order.

#include <cstdint>
#include <optional>

#include "command_line/run_options.hpp"
#include "platform/clock.hpp"

namespace suite {

// The seed for a run: the given seed, else, when shuffling is asked for, the
// wall clock as nanoseconds since 1970 (low 64 bits), else none. A clock
// before 1970 is a fatal error.
std::optional<std::uint64_t> choose_shuffle_seed(const RunOptions& options,
                                                 WallClock clock = read_wall_clock);

}  // namespace suite
