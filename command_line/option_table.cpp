#include "command_line/option_table.hpp"

namespace suite {

using enum OptionKind;

constexpr std::array<OptionSpec, kOptionCount> kOptionTable = {{
    {OptionId::include_ignored, '\0', "include-ignored", "", flag, false,
     "Run ignored and not ignored tests"},
    {OptionId::ignored, '\0', "ignored", "", flag, false,
     "Run only ignored tests"},
    {OptionId::force_run_in_process, '\0', "force-run-in-process", "", flag, false,
     "Forces tests to run in-process when -fno-exceptions"},
    {OptionId::exclude_should_panic, '\0', "exclude-should-panic", "", flag, false,
     "Excludes tests marked as SUITE_MUST_FAIL"},
    {OptionId::test, '\0', "test", "", flag, false,
     "Run tests and not benchmarks"},
    {OptionId::bench, '\0', "bench", "", flag, false,
     "Run benchmarks instead of tests"},
    {OptionId::list, '\0', "list", "", flag, false,
     "List all tests and benchmarks"},
    {OptionId::fail_fast, '\0', "fail-fast", "", flag, false,
     "Don't start new tests after the first failure"},
    {OptionId::help, 'h', "help", "", flag, false,
     "Display this message"},
    {OptionId::logfile, '\0', "logfile", "PATH", value, false,
     "Write logs to the specified file (deprecated)"},
    {OptionId::no_capture, '\0', "no-capture", "", flag, false,
     "don't capture stdout/stderr of each task, allow printing directly"},
    {OptionId::test_threads, '\0', "test-threads", "n_threads", value, false,
     "Number of threads used for running tests in parallel"},
    {OptionId::skip, '\0', "skip", "FILTER", repeatable, false,
     "Skip tests whose names contain FILTER (this flag can be used multiple times)"},
    {OptionId::quiet, 'q', "quiet", "", flag, false,
     "Display one character per test instead of one line. Alias to --format=terse"},
    {OptionId::exact, '\0', "exact", "", flag, false,
     "Exactly match filters rather than by substring"},
    {OptionId::color, '\0', "color", "auto|always|never", value, false,
     "Configure coloring of output:\n"
     "            auto   = colorize if stdout is a tty and tests are run on serially (default);\n"
     "            always = always colorize output;\n"
     "            never  = never colorize output;"},
    {OptionId::format, '\0', "format", "pretty|terse|json|junit", value, false,
     "Configure formatting of output:\n"
     "            pretty = Print verbose output;\n"
     "            terse  = Display one character per test;\n"
     "            json   = Output a json document;\n"
     "            junit  = Output a JUnit document"},
    {OptionId::show_output, '\0', "show-output", "", flag, false,
     "Show captured stdout of successful tests"},
    {OptionId::unstable, 'Z', "", "unstable-options", value, false,
     "Enable nightly-only flags:\n"
     "            unstable-options = Allow use of experimental features"},
    {OptionId::report_time, '\0', "report-time", "", flag, false,
     "Show execution time of each test.\n"
     "\n"
     "            Threshold values for colorized output can be configured via\n"
     "            `SUITE_TIME_UNIT`, `SUITE_TIME_INTEGRATION` and\n"
     "            `SUITE_TIME_DOC` environment variables.\n"
     "\n"
     "            Expected format of environment variable is `VARIABLE=WARN_TIME,CRITICAL_TIME`.\n"
     "            Durations must be specified in milliseconds, e.g. `500,2000` means that the warn time\n"
     "            is 0.5 seconds, and the critical time is 2 seconds.\n"
     "\n"
     "            Not available for --format=terse"},
    {OptionId::ensure_time, '\0', "ensure-time", "", flag, false,
     "Treat excess of the test execution time limit as error.\n"
     "\n"
     "            Threshold values for this option can be configured via\n"
     "            `SUITE_TIME_UNIT`, `SUITE_TIME_INTEGRATION` and\n"
     "            `SUITE_TIME_DOC` environment variables.\n"
     "\n"
     "            Expected format of environment variable is `VARIABLE=WARN_TIME,CRITICAL_TIME`.\n"
     "\n"
     "            `CRITICAL_TIME` here means the limit that should not be exceeded by test."},
    {OptionId::shuffle, '\0', "shuffle", "", flag, false,
     "Run tests in random order"},
    {OptionId::shuffle_seed, '\0', "shuffle-seed", "SEED", value, false,
     "Run tests in random order; seed the random number generator with SEED"},
    {OptionId::nocapture, '\0', "nocapture", "", flag, true, ""},
}};

// Rows are found by indexing with their id.
static_assert([] {
  for (std::size_t i = 0; i < kOptionTable.size(); ++i)
    if (static_cast<std::size_t>(kOptionTable[i].id) != i) return false;
  return true;
}());

std::string_view option_display_name(const OptionSpec& spec) {
  if (!spec.long_name.empty()) return spec.long_name;
  return {&spec.short_name, 1};
}

}  // namespace suite
