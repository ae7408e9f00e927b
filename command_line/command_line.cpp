#include "command_line/command_line.hpp"

#include "command_line/argument_split.hpp"
#include "command_line/environment_settings.hpp"
#include "command_line/number_rule.hpp"
#include "command_line/usage_text.hpp"
#include "platform/standard_output.hpp"

namespace suite {
namespace {

using enum OptionId;

// The texts of `parts` one after the other.
template <typename... Parts>
std::string concat(const Parts&... parts) {
  std::string text;
  (text.append(std::string_view(parts)), ...);
  return text;
}

// The refusal of a gated option or format while the gate is closed.
std::string nightly_only(std::string_view what, std::string_view name) {
  return concat("The \"", name, "\" ", what,
                " is only accepted on the nightly compiler with -Z unstable-options");
}

// The gated flags, in the order in which they are checked.
constexpr OptionId kGatedFlags[] = {force_run_in_process, exclude_should_panic,
                                    fail_fast, report_time, ensure_time};

// The value of one option, as the --color and --format values are chosen.
template <typename Value>
struct NamedValue {
  std::string_view name;
  Value value;
};

constexpr NamedValue<ColorMode> kColorModes[] = {
    {"auto", ColorMode::automatic},
    {"always", ColorMode::always},
    {"never", ColorMode::never},
};

constexpr NamedValue<ReportFormat> kReportFormats[] = {
    {"pretty", ReportFormat::pretty},
    {"terse", ReportFormat::terse},
    {"json", ReportFormat::json},
    {"junit", ReportFormat::junit},
};

template <typename Value, std::size_t N>
const Value* find_named(const NamedValue<Value> (&table)[N], std::string_view name) {
  for (const auto& entry : table)
    if (entry.name == name) return &entry.value;
  return nullptr;
}

// The interpretation of split arguments, step by step; the first failure is
// the outcome.
class Interpreter {
 public:
  explicit Interpreter(const SplitArguments& split) : split_(split) {}

  CommandLineOutcome run() {
    const bool gate_open = split_.given(unstable);
    if (gate_open) {
      if (!bootstrap_variable_present())
        return Rejected{"the option `Z` is only accepted on the nightly compiler"};
      if (split_.value(unstable) != "unstable-options")
        return Rejected{"Unrecognized option to `Z`"};
    }
    if (!gate_open) {
      for (const OptionId id : kGatedFlags)
        if (split_.given(id)) return Rejected{nightly_only("flag", option_spec(id).long_name)};
    }

    if (split_.given(report_time) || split_.given(ensure_time))
      options_.time_limits = time_limits_from_environment(split_.given(ensure_time));

    if (split_.given(shuffle) && !gate_open)
      return Rejected{nightly_only("flag", "shuffle")};
    options_.shuffle_order =
        split_.given(shuffle) || (gate_open && shuffle_from_environment());

    if (split_.given(shuffle_seed)) {
      if (!gate_open) return Rejected{nightly_only("option", "shuffle-seed")};
      const auto seed = parse_number(split_.value(shuffle_seed));
      if (!seed) {
        return Rejected{concat("argument for --shuffle-seed must be a number (error: ",
                               number_error_text(seed.error()), ")")};
      }
      options_.order_seed = *seed;
    } else if (gate_open) {
      options_.order_seed = shuffle_seed_from_environment();
    }

    options_.force_in_process = split_.given(force_run_in_process);
    options_.exclude_panic_expected = split_.given(exclude_should_panic);
    options_.stop_on_first_failure = split_.given(fail_fast);
    options_.exact_match = split_.given(exact);
    options_.list_only = split_.given(list);
    options_.measure_benchmarks = split_.given(bench);
    options_.include_tests = !split_.given(bench) || split_.given(test);
    options_.skip_filters = split_[skip].values;
    if (split_.given(logfile)) options_.log_path = split_.value(logfile);
    if (split_.given(quiet)) options_.report_format = ReportFormat::terse;

    if (split_.given(include_ignored) && split_.given(ignored))
      return Rejected{"the options --include-ignored and --ignored are mutually exclusive"};
    if (split_.given(include_ignored)) options_.ignored_mode = IgnoredMode::include;
    if (split_.given(ignored)) options_.ignored_mode = IgnoredMode::only;

    options_.name_filters = split_.free_arguments;

    options_.no_capture = split_.given(nocapture) || split_.given(no_capture) ||
                          no_capture_from_environment();

    if (split_.given(test_threads)) {
      const auto count = parse_number(split_.value(test_threads));
      if (!count) {
        return Rejected{concat("argument for --test-threads must be a number > 0 (error: ",
                               number_error_text(count.error()), ")")};
      }
      if (*count == 0) return Rejected{"argument for --test-threads must not be 0"};
      options_.thread_count = *count;
    }

    if (split_.given(color)) {
      const std::string_view name = split_.value(color);
      const ColorMode* mode = find_named(kColorModes, name);
      if (mode == nullptr) {
        return Rejected{
            concat("argument for --color must be auto, always, or never (was ", name, ")")};
      }
      options_.color_mode = *mode;
    }

    if (split_.given(format)) {
      const std::string_view name = split_.value(format);
      const ReportFormat* chosen = find_named(kReportFormats, name);
      if (chosen == nullptr) {
        return Rejected{concat("argument for --format must be pretty, terse, json or junit (was ",
                               name, ")")};
      }
      const bool gated = *chosen == ReportFormat::json || *chosen == ReportFormat::junit;
      if (gated && !gate_open) return Rejected{nightly_only("format", name)};
      options_.report_format = *chosen;
    }

    options_.show_output = split_.given(show_output);

    if (split_.given(logfile)) {
      // The warning is advice; failing to write it changes nothing.
      (void)write_standard_error("warning: `--logfile` is deprecated");
    }
    return Accepted{std::move(options_)};
  }

 private:
  const SplitArguments& split_;
  RunOptions options_;
};

}  // namespace

CommandLineOutcome read_command_line(std::span<const std::string_view> arguments) {
  const std::span<const std::string_view> options =
      arguments.empty() ? arguments : arguments.subspan(1);
  auto split = split_arguments(options);
  if (!split) return Rejected{std::move(split.error())};
  if (split->given(help)) {
    print_usage_text(arguments.empty() ? std::string_view() : arguments.front());
    return UsageShown{};
  }
  return Interpreter(*split).run();
}

}  // namespace suite
