#pragma once
// The settings of one invocation, as the command line and the environment
// decide them.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/clock.hpp"

namespace suite {

// Which report writer a run or listing uses.
enum class ReportFormat : std::uint8_t { pretty, terse, json, junit };

// When the console report may use colour ("auto", "always", "never").
enum class ColorMode : std::uint8_t { automatic, always, never };

// How cases marked ignored take part.
enum class IgnoredMode : std::uint8_t { exclude, include, only };

// When a case's duration is reported as slow, and as too slow.
struct TimeBand {
  Duration warn_after;
  Duration critical_after;
  friend bool operator==(const TimeBand&, const TimeBand&) = default;
};

// The duration bands of --report-time and --ensure-time.
struct TimeLimits {
  bool fail_on_excess = false;
  TimeBand unit_band;
  TimeBand integration_band;
  TimeBand doc_band;
  friend bool operator==(const TimeLimits&, const TimeLimits&) = default;
};

// One invocation's settings. Texts view the process's arguments, which live
// as long as the process.
struct RunOptions {
  bool list_only = false;
  std::vector<std::string_view> name_filters;
  bool exact_match = false;
  std::vector<std::string_view> skip_filters;
  IgnoredMode ignored_mode = IgnoredMode::exclude;
  bool include_tests = true;
  bool measure_benchmarks = false;
  bool force_in_process = false;
  bool exclude_panic_expected = false;
  bool stop_on_first_failure = false;
  std::optional<std::string_view> log_path;
  bool no_capture = false;
  ColorMode color_mode = ColorMode::automatic;
  ReportFormat report_format = ReportFormat::pretty;
  bool shuffle_order = false;
  std::optional<std::uint64_t> order_seed;
  std::optional<std::uint64_t> thread_count;
  std::optional<TimeLimits> time_limits;
  bool show_output = false;

  friend bool operator==(const RunOptions&, const RunOptions&) = default;
};

}  // namespace suite
