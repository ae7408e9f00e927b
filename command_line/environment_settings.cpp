#include "command_line/environment_settings.hpp"

#include <string>
#include <string_view>

#include "command_line/number_rule.hpp"
#include "platform/environment.hpp"
#include "platform/fatal_error.hpp"
#include "platform/processor_count.hpp"

namespace suite {
namespace {

constexpr const char* kBootstrapVariable = "SUITE_BOOTSTRAP";
constexpr const char* kNoCaptureVariable = "SUITE_NOCAPTURE";
constexpr const char* kShuffleVariable = "SUITE_SHUFFLE";
constexpr const char* kShuffleSeedVariable = "SUITE_SHUFFLE_SEED";
constexpr const char* kThreadCountVariable = "SUITE_TEST_THREADS";

// A duration band's variable and its default in milliseconds.
struct BandSource {
  const char* variable;
  std::uint64_t default_warn_ms;
  std::uint64_t default_critical_ms;
};

constexpr BandSource kUnitBand = {"SUITE_TIME_UNIT", 50, 100};
constexpr BandSource kIntegrationBand = {"SUITE_TIME_INTEGRATION", 500, 1000};
constexpr BandSource kDocBand = {"SUITE_TIME_DOC", 500, 1000};

Duration milliseconds(std::uint64_t count) {
  return {count / 1000, static_cast<std::uint32_t>(count % 1000 * 1'000'000)};
}

// "{variable} is `{value}`, should be {expected}."
[[noreturn]] void fatal_variable_value(const char* variable,
                                       std::string_view value,
                                       std::string_view expected) {
  std::string message = variable;
  message += " is `";
  message += value;
  message += "`, should be ";
  message += expected;
  message += '.';
  fatal_error(message);
}

// A flag variable: absent gives false, "0" false, anything else true.
bool flag_variable(const char* variable) {
  const std::optional<std::string_view> value = environment_text(variable);
  return value && *value != "0";
}

std::uint64_t band_side(const char* variable, std::string_view side) {
  const auto number = parse_number(side);
  if (!number) {
    std::string message = "Duration value in variable ";
    message += variable;
    message += " is expected to be a number, but got ";
    message += side;
    fatal_error(message);
  }
  return *number;
}

TimeBand band_from_environment(const BandSource& source) {
  const std::optional<std::string_view> value = environment_text(source.variable);
  if (!value) {
    return {milliseconds(source.default_warn_ms),
            milliseconds(source.default_critical_ms)};
  }
  const std::size_t comma = value->find(',');
  if (comma == std::string_view::npos) {
    std::string message = "Duration variable ";
    message += source.variable;
    message += " expected to have 2 numbers separated by comma, but got ";
    message += *value;
    fatal_error(message);
  }
  const std::uint64_t warn = band_side(source.variable, value->substr(0, comma));
  const std::uint64_t critical = band_side(source.variable, value->substr(comma + 1));
  if (warn > critical)
    fatal_error("Test execution warn time should be less or equal to the critical time");
  return {milliseconds(warn), milliseconds(critical)};
}

}  // namespace

bool bootstrap_variable_present() {
  return environment_text(kBootstrapVariable).has_value();
}

bool no_capture_from_environment() { return flag_variable(kNoCaptureVariable); }

bool shuffle_from_environment() { return flag_variable(kShuffleVariable); }

std::optional<std::uint64_t> shuffle_seed_from_environment() {
  const std::optional<std::string_view> value = environment_text(kShuffleSeedVariable);
  if (!value) return std::nullopt;
  const auto seed = parse_number(*value);
  if (!seed) fatal_variable_value(kShuffleSeedVariable, *value, "a number");
  return *seed;
}

TimeLimits time_limits_from_environment(bool fail_on_excess) {
  TimeLimits limits;
  limits.fail_on_excess = fail_on_excess;
  limits.unit_band = band_from_environment(kUnitBand);
  limits.integration_band = band_from_environment(kIntegrationBand);
  limits.doc_band = band_from_environment(kDocBand);
  return limits;
}

std::uint64_t default_thread_count() {
  const std::optional<std::string_view> value = environment_text(kThreadCountVariable);
  if (value) {
    const auto count = parse_number(*value);
    if (!count || *count == 0)
      fatal_variable_value(kThreadCountVariable, *value, "a positive integer");
    return *count;
  }
  return available_processor_count().value_or(1);
}

}  // namespace suite
