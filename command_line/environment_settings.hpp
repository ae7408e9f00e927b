#pragma once
// The settings taken from environment variables. Each reader reads its
// variable when it is called and at no other time, since a variable that is
// not read cannot fail; malformed values are fatal errors.

#include <cstdint>
#include <optional>

#include "command_line/run_options.hpp"

namespace suite {

// The toolchain-bootstrap variable is present (any value opens the way for -Z).
bool bootstrap_variable_present();

// The no-capture variable: absent or "0" keeps capture on.
bool no_capture_from_environment();

// The shuffle variable: absent or "0" keeps table order.
bool shuffle_from_environment();

// The shuffle-seed variable, when present; a value that is not a number is
// a fatal error.
std::optional<std::uint64_t> shuffle_seed_from_environment();

// The three duration bands, each from its variable or its default, read in
// the order unit, integration, documentation.
TimeLimits time_limits_from_environment(bool fail_on_excess);

// The thread count for a run without --test-threads: the thread-count
// variable when set (a value that is not a positive number is a fatal
// error), else the processors available to the process, else 1.
std::uint64_t default_thread_count();

}  // namespace suite
