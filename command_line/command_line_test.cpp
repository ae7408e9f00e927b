#include "command_line/command_line.hpp"

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

namespace suite {
namespace {

using Environment = std::initializer_list<std::pair<const char*, const char*>>;

constexpr const char* kVariables[] = {
    "SUITE_BOOTSTRAP", "SUITE_NOCAPTURE",  "SUITE_SHUFFLE",       "SUITE_SHUFFLE_SEED",
    "SUITE_TEST_THREADS", "SUITE_TIME_UNIT", "SUITE_TIME_INTEGRATION", "SUITE_TIME_DOC",
};

class CommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override { clear(); }
  void TearDown() override { clear(); }

  static void clear() {
    for (const char* name : kVariables) unsetenv(name);
  }

  static CommandLineOutcome read(std::initializer_list<std::string_view> args,
                                 Environment environment = {}) {
    clear();
    for (const auto& [name, value] : environment) setenv(name, value, 1);
    std::vector<std::string_view> arguments{"suite"};
    arguments.insert(arguments.end(), args);
    return read_command_line(arguments);
  }
};

constexpr std::pair<const char*, const char*> kBootstrap = {"SUITE_BOOTSTRAP", ""};

TimeBand band(std::uint64_t warn_ms, std::uint64_t critical_ms) {
  const auto duration = [](std::uint64_t ms) {
    return Duration{ms / 1000, static_cast<std::uint32_t>(ms % 1000 * 1'000'000)};
  };
  return {duration(warn_ms), duration(critical_ms)};
}

TEST_F(CommandLineTest, NoArgumentsAcceptsEveryDefault) {
  const CommandLineOutcome outcome = read({});
  ASSERT_TRUE(std::holds_alternative<Accepted>(outcome));
  const RunOptions& options = std::get<Accepted>(outcome).options;
  EXPECT_EQ(options, RunOptions{});
  EXPECT_EQ(options.report_format, ReportFormat::pretty);
  EXPECT_EQ(options.color_mode, ColorMode::automatic);
  EXPECT_TRUE(options.include_tests);

  // An empty argument list is a command line without arguments.
  EXPECT_EQ(std::get<Accepted>(read_command_line({})).options, RunOptions{});
}

TEST_F(CommandLineTest, AcceptedOptionsSetTheirFields) {
  struct Case {
    std::initializer_list<std::string_view> args;
    Environment environment;
    std::function<void(RunOptions&)> expect;
  };
  const Case cases[] = {
      {{"--list"}, {}, [](RunOptions& o) { o.list_only = true; }},
      {{"foo", "--exact", "bar"}, {}, [](RunOptions& o) {
         o.name_filters = {"foo", "bar"};
         o.exact_match = true;
       }},
      {{"--", "--list", "-"}, {}, [](RunOptions& o) { o.name_filters = {"--list", "-"}; }},
      {{"--skip", "a", "--skip", "b"}, {}, [](RunOptions& o) { o.skip_filters = {"a", "b"}; }},
      {{"--include-ignored"}, {}, [](RunOptions& o) { o.ignored_mode = IgnoredMode::include; }},
      {{"--ignored"}, {}, [](RunOptions& o) { o.ignored_mode = IgnoredMode::only; }},
      {{"--bench"}, {}, [](RunOptions& o) {
         o.measure_benchmarks = true;
         o.include_tests = false;
       }},
      {{"--bench", "--test"}, {}, [](RunOptions& o) { o.measure_benchmarks = true; }},
      {{"--test"}, {}, [](RunOptions&) {}},
      {{"--logfile", "out.log"}, {}, [](RunOptions& o) { o.log_path = "out.log"; }},
      {{"--no-capture"}, {}, [](RunOptions& o) { o.no_capture = true; }},
      {{"--nocapture", "--no-capture"}, {}, [](RunOptions& o) { o.no_capture = true; }},
      {{}, {{"SUITE_NOCAPTURE", ""}}, [](RunOptions& o) { o.no_capture = true; }},
      {{}, {{"SUITE_NOCAPTURE", "false"}}, [](RunOptions& o) { o.no_capture = true; }},
      {{}, {{"SUITE_NOCAPTURE", "0"}}, [](RunOptions&) {}},
      {{}, {{"SUITE_NOCAPTURE", "\xFF"}}, [](RunOptions&) {}},
      {{"--test-threads", "+4"}, {}, [](RunOptions& o) { o.thread_count = 4; }},
      {{"--test-threads=18446744073709551615"}, {}, [](RunOptions& o) {
         o.thread_count = UINT64_MAX;
       }},
      {{"--color", "always"}, {}, [](RunOptions& o) { o.color_mode = ColorMode::always; }},
      {{"--color=never"}, {}, [](RunOptions& o) { o.color_mode = ColorMode::never; }},
      {{"--color", "auto"}, {}, [](RunOptions&) {}},
      {{"-q"}, {}, [](RunOptions& o) { o.report_format = ReportFormat::terse; }},
      {{"--format", "terse"}, {}, [](RunOptions& o) { o.report_format = ReportFormat::terse; }},
      {{"-q", "--format", "pretty"}, {}, [](RunOptions&) {}},
      {{"--show-output"}, {}, [](RunOptions& o) { o.show_output = true; }},
      // The experimental gate and what it opens.
      {{"-Z", "unstable-options"}, {kBootstrap}, [](RunOptions&) {}},
      {{"-Zunstable-options"}, {{"SUITE_BOOTSTRAP", "1"}}, [](RunOptions&) {}},
      {{"--Z=unstable-options", "--format", "json"}, {kBootstrap}, [](RunOptions& o) {
         o.report_format = ReportFormat::json;
       }},
      {{"-Zunstable-options", "-q", "--format=junit"}, {kBootstrap}, [](RunOptions& o) {
         o.report_format = ReportFormat::junit;
       }},
      {{"-Zunstable-options", "--force-run-in-process", "--exclude-should-panic", "--fail-fast"},
       {kBootstrap}, [](RunOptions& o) {
         o.force_in_process = true;
         o.exclude_panic_expected = true;
         o.stop_on_first_failure = true;
       }},
      {{"-Zunstable-options", "--shuffle"}, {kBootstrap}, [](RunOptions& o) { o.shuffle_order = true; }},
      {{"-Zunstable-options"}, {kBootstrap, {"SUITE_SHUFFLE", "yes"}}, [](RunOptions& o) {
         o.shuffle_order = true;
       }},
      {{"-Zunstable-options"}, {kBootstrap, {"SUITE_SHUFFLE", "0"}}, [](RunOptions&) {}},
      {{}, {{"SUITE_SHUFFLE", "1"}, {"SUITE_SHUFFLE_SEED", "x"}}, [](RunOptions&) {}},
      {{"-Zunstable-options", "--shuffle-seed", "0"}, {kBootstrap}, [](RunOptions& o) {
         o.order_seed = 0;
       }},
      {{"-Zunstable-options", "--shuffle-seed=18446744073709551615"},
       {kBootstrap, {"SUITE_SHUFFLE_SEED", "x"}}, [](RunOptions& o) { o.order_seed = UINT64_MAX; }},
      {{"-Zunstable-options"}, {kBootstrap, {"SUITE_SHUFFLE_SEED", "+7"}}, [](RunOptions& o) {
         o.order_seed = 7;
       }},
      {{"-Zunstable-options", "--report-time"}, {kBootstrap}, [](RunOptions& o) {
         o.time_limits = TimeLimits{false, band(50, 100), band(500, 1000), band(500, 1000)};
       }},
      {{"-Zunstable-options", "--ensure-time"},
       {kBootstrap, {"SUITE_TIME_UNIT", "100,100"}, {"SUITE_TIME_DOC", "1,123456"}},
       [](RunOptions& o) {
         o.time_limits = TimeLimits{true, band(100, 100), band(500, 1000), band(1, 123456)};
       }},
      // Time variables are read only for --report-time and --ensure-time.
      {{"-Zunstable-options"}, {kBootstrap, {"SUITE_TIME_UNIT", "100"}}, [](RunOptions&) {}},
      // The thread-count variable is not read while the command line is.
      {{}, {{"SUITE_TEST_THREADS", "0"}}, [](RunOptions&) {}},
  };
  for (const Case& c : cases) {
    const CommandLineOutcome outcome = read(c.args, c.environment);
    std::string shown;
    for (std::string_view arg : c.args) (shown += arg) += ' ';
    ASSERT_TRUE(std::holds_alternative<Accepted>(outcome))
        << shown << "-> " << std::get<Rejected>(outcome).message;
    RunOptions expected;
    c.expect(expected);
    EXPECT_EQ(std::get<Accepted>(outcome).options, expected) << shown;
  }
}

TEST_F(CommandLineTest, RejectionsComeInStepOrder) {
  struct Case {
    std::initializer_list<std::string_view> args;
    Environment environment;
    std::string_view message;
  };
  const Case cases[] = {
      {{"--help", "--bogus"}, {}, "Unrecognized option: 'bogus'"},
      {{"-Z", "unstable-options"}, {}, "the option `Z` is only accepted on the nightly compiler"},
      {{"-Z", "foo"}, {kBootstrap}, "Unrecognized option to `Z`"},
      {{"-Z=unstable-options"}, {kBootstrap}, "Unrecognized option to `Z`"},
      {{"--fail-fast", "--shuffle"}, {},
       "The \"fail-fast\" flag is only accepted on the nightly compiler with -Z unstable-options"},
      {{"--ensure-time", "--report-time"}, {},
       "The \"report-time\" flag is only accepted on the nightly compiler with -Z unstable-options"},
      {{"--exclude-should-panic", "--force-run-in-process"}, {},
       "The \"force-run-in-process\" flag is only accepted on the nightly compiler with -Z "
       "unstable-options"},
      {{"--shuffle", "--shuffle-seed", "x"}, {},
       "The \"shuffle\" flag is only accepted on the nightly compiler with -Z unstable-options"},
      {{"--shuffle-seed", "abc"}, {},
       "The \"shuffle-seed\" option is only accepted on the nightly compiler with -Z "
       "unstable-options"},
      {{"-Zunstable-options", "--shuffle-seed", "abc"}, {kBootstrap},
       "argument for --shuffle-seed must be a number (error: invalid digit found in string)"},
      {{"-Zunstable-options", "--shuffle-seed="}, {kBootstrap},
       "argument for --shuffle-seed must be a number (error: cannot parse integer from empty "
       "string)"},
      {{"--include-ignored", "--ignored", "--test-threads", "0"}, {},
       "the options --include-ignored and --ignored are mutually exclusive"},
      {{"--test-threads", "0"}, {}, "argument for --test-threads must not be 0"},
      {{"--test-threads", "00"}, {}, "argument for --test-threads must not be 0"},
      {{"--test-threads", "+0"}, {}, "argument for --test-threads must not be 0"},
      {{"--test-threads="}, {},
       "argument for --test-threads must be a number > 0 (error: cannot parse integer from empty "
       "string)"},
      {{"--test-threads", "-1"}, {},
       "argument for --test-threads must be a number > 0 (error: invalid digit found in string)"},
      {{"--test-threads", "18446744073709551616"}, {},
       "argument for --test-threads must be a number > 0 (error: number too large to fit in "
       "target type)"},
      {{"--color="}, {}, "argument for --color must be auto, always, or never (was )"},
      {{"--color", "Auto"}, {}, "argument for --color must be auto, always, or never (was Auto)"},
      {{"--format", "json", "--color", "bad"}, {},
       "argument for --color must be auto, always, or never (was bad)"},
      {{"--format", "--list"}, {},
       "argument for --format must be pretty, terse, json or junit (was --list)"},
      {{"-q", "--format", "json"}, {},
       "The \"json\" format is only accepted on the nightly compiler with -Z unstable-options"},
      {{"--format=junit"}, {{"SUITE_BOOTSTRAP", "1"}},
       "The \"junit\" format is only accepted on the nightly compiler with -Z unstable-options"},
      {{"--logfile", "out.log", "--color", "bad"}, {},
       "argument for --color must be auto, always, or never (was bad)"},
  };
  for (const Case& c : cases) {
    const CommandLineOutcome outcome = read(c.args, c.environment);
    ASSERT_TRUE(std::holds_alternative<Rejected>(outcome)) << c.message;
    EXPECT_EQ(std::get<Rejected>(outcome).message, c.message);
  }
}

}  // namespace
}  // namespace suite
