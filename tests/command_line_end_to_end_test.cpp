// Command lines and environments that the executable refuses or stops on:
// the bytes on standard error, nothing on standard output, status 101.

#include <gtest/gtest.h>
#include <regex>
#include <unistd.h>

#include "tests/suite_process.hpp"

namespace suite::testing {
namespace {

using Environment = std::vector<std::pair<std::string, std::string>>;

const std::pair<std::string, std::string> kBootstrap = {"SUITE_BOOTSTRAP", ""};

Outcome run_with(std::vector<std::string> arguments, Environment environment = {}) {
  Invocation invocation;
  invocation.arguments = std::move(arguments);
  invocation.environment = std::move(environment);
  return run(invocation);
}

// The fatal error report for `message` with the backtrace note, as the main
// thread writes it from a source file of the suite.
std::string fatal_report_pattern(const std::string& message) {
  static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
  return "\nthread 'main' \\([0-9]+\\) failed at [a-z_]+/[a-z_]+\\.cpp:[0-9]+:[0-9]+:\n" +
         std::regex_replace(message, special, R"(\$&)") +
         "\nnote: run with SUITE_BACKTRACE=1 to display a backtrace\n";
}

TEST(CommandLineEndToEnd, RejectionsGoToStandardErrorOnly) {
  struct Case {
    std::vector<std::string> arguments;
    std::string_view err;
  };
  const Case cases[] = {
      {{"--bogus", "--help"}, "error: Unrecognized option: 'bogus'\n"},
      {{"-help"}, "error: Unrecognized option: 'e'\n"},
      {{"-q", "--quiet"}, "error: Option 'quiet' given more than once\n"},
      {{"--color"}, "error: Argument to option 'color' missing\n"},
      {{"--format", "json"},
       "error: The \"json\" format is only accepted on the nightly compiler with -Z "
       "unstable-options\n"},
      {{"-Z", "unstable-options"},
       "error: the option `Z` is only accepted on the nightly compiler\n"},
      {{"--logfile", "unused.log", "--color", "bad"},
       "error: argument for --color must be auto, always, or never (was bad)\n"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = run_with(c.arguments);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, c.err);
    EXPECT_EQ(outcome.exit_status, 101);
  }
  EXPECT_NE(access("unused.log", F_OK), 0);
}

TEST(CommandLineEndToEnd, MalformedEnvironmentValuesAreFatalWhenRead) {
  struct Case {
    std::vector<std::string> arguments;
    Environment environment;
    std::string message;
  };
  const std::vector<std::string> report_time = {"-Zunstable-options", "--report-time"};
  const Case cases[] = {
      {{}, {{"SUITE_TEST_THREADS", "0"}},
       "SUITE_TEST_THREADS is `0`, should be a positive integer."},
      {{}, {{"SUITE_TEST_THREADS", "abc"}},
       "SUITE_TEST_THREADS is `abc`, should be a positive integer."},
      {{"-q"}, {{"SUITE_TEST_THREADS", ""}},
       "SUITE_TEST_THREADS is ``, should be a positive integer."},
      {{"-Zunstable-options"}, {kBootstrap, {"SUITE_SHUFFLE_SEED", "x"}},
       "SUITE_SHUFFLE_SEED is `x`, should be a number."},
      {report_time, {kBootstrap, {"SUITE_TIME_UNIT", "100"}},
       "Duration variable SUITE_TIME_UNIT expected to have 2 numbers separated by comma, but "
       "got 100"},
      {report_time, {kBootstrap, {"SUITE_TIME_INTEGRATION", ","}},
       "Duration value in variable SUITE_TIME_INTEGRATION is expected to be a number, but got "},
      {report_time, {kBootstrap, {"SUITE_TIME_DOC", "1,2,3"}},
       "Duration value in variable SUITE_TIME_DOC is expected to be a number, but got 2,3"},
      {report_time, {kBootstrap, {"SUITE_TIME_UNIT", "200,100"}},
       "Test execution warn time should be less or equal to the critical time"},
      // The variables are read in the order unit, integration, documentation.
      {{"-Zunstable-options", "--ensure-time"},
       {kBootstrap, {"SUITE_TIME_DOC", "x"}, {"SUITE_TIME_UNIT", "y"}},
       "Duration variable SUITE_TIME_UNIT expected to have 2 numbers separated by comma, but "
       "got y"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = run_with(c.arguments, c.environment);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(std::regex_match(outcome.err, std::regex(fatal_report_pattern(c.message))))
        << outcome.err;
    EXPECT_EQ(outcome.exit_status, 101);
  }
}

TEST(CommandLineEndToEnd, VariablesThatAreNotReadCannotFail) {
  const std::vector<std::vector<std::string>> command_lines = {
      {"--list"}, {"--test-threads", "1"}, {"--help"}};
  for (const auto& arguments : command_lines) {
    const Outcome outcome =
        run_with(arguments, {{"SUITE_TEST_THREADS", "0"}, {"SUITE_SHUFFLE_SEED", "x"},
                             {"SUITE_TIME_UNIT", "bad"}});
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exit_status, 0);
  }
}

TEST(CommandLineEndToEnd, ArgumentsThatAreNotUtf8AreFatal) {
  struct Case {
    std::vector<std::string> arguments;
    std::string program_name;
    std::string message;
  };
  const Case cases[] = {
      {{"\xFF"}, "", R"(could not convert argument to text: "\xFF")"},
      {{"--list", "ok", "a\"b\\\n\t\xC3(\x01"}, "",
       R"(could not convert argument to text: "a\"b\\\n\t\xC3(\u{1}")"},
      // The program name is an argument too, and is checked first.
      {{"\xFF"}, "suite\xE2\x82", R"(could not convert argument to text: "suite\xE2\x82")"},
  };
  for (const Case& c : cases) {
    Invocation invocation;
    invocation.arguments = c.arguments;
    invocation.program_name = c.program_name;
    const Outcome outcome = run(invocation);
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(std::regex_match(outcome.err, std::regex(fatal_report_pattern(c.message))))
        << outcome.err;
    EXPECT_EQ(outcome.exit_status, 101);
  }
}

TEST(CommandLineEndToEnd, TheBacktraceVariableReplacesTheNoteWithABacktrace) {
  const Outcome with = run_with({"\xFF"}, {{"SUITE_BACKTRACE", "1"}});
  EXPECT_EQ(with.err.find("note: run with"), std::string::npos);
  EXPECT_NE(with.err.find("stack backtrace:\n"), std::string::npos) << with.err;
  EXPECT_EQ(with.exit_status, 101);

  const Outcome zero = run_with({"\xFF"}, {{"SUITE_BACKTRACE", "0"}});
  EXPECT_NE(zero.err.find("note: run with SUITE_BACKTRACE=1 to display a backtrace\n"),
            std::string::npos);
}

}  // namespace
}  // namespace suite::testing
