// The console report and the process's handling of its descriptors, as a
// user of the executable sees them.

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>
#include <sys/stat.h>

#include "tests/suite_process.hpp"

namespace suite::testing {
namespace {

constexpr std::string_view kRunReport =
    "\nrunning 0 tests\n\n"
    "test result: ok. 0 passed; 0 failed; 0 ignored; 0 measured; 0 filtered out; "
    "finished in 0.00s\n\n";

const std::pair<std::string, std::string> kBootstrap = {"SUITE_BOOTSTRAP", "1"};

Outcome run_with(std::vector<std::string> arguments,
                 std::vector<std::pair<std::string, std::string>> environment = {}) {
  Invocation invocation;
  invocation.arguments = std::move(arguments);
  invocation.environment = std::move(environment);
  return run(invocation);
}

std::string read_file(const std::string& path) {
  std::ifstream file(path);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

TEST(ConsoleReport, RunsReportZeroCasesWhateverTheSelectionOptions) {
  const std::vector<std::vector<std::string>> command_lines = {
      {},
      {"-q"},
      {"--format", "terse"},
      {"--format=pretty", "--color", "always"},
      {"--color", "never", "--no-capture", "--test-threads", "3"},
      {"--exact", "--skip", "a", "--ignored", "foo", "bar"},
      {"--include-ignored", "--bench", "--test"},
      {"-Zunstable-options", "--fail-fast", "--ensure-time", "--report-time",
       "--exclude-should-panic", "--force-run-in-process"},
  };
  for (const auto& arguments : command_lines) {
    const Outcome outcome = run_with(arguments, {kBootstrap});
    EXPECT_EQ(outcome.out, kRunReport) << ::testing::PrintToString(arguments);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exit_status, 0);
  }
}

TEST(ConsoleReport, SeedsShowInTheRunHeader) {
  const Outcome given = run_with({"-Zunstable-options", "--shuffle-seed", "7"}, {kBootstrap});
  EXPECT_EQ(given.out.substr(0, 35), "\nrunning 0 tests (shuffle seed: 7)\n");

  const Outcome largest =
      run_with({"-Zunstable-options"}, {kBootstrap, {"SUITE_SHUFFLE_SEED", "18446744073709551615"}});
  EXPECT_TRUE(largest.out.starts_with("\nrunning 0 tests (shuffle seed: 18446744073709551615)\n"));

  // A seed drawn from the clock is the time in nanoseconds since 1970.
  const auto now = [] {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<unsigned long long>(t.tv_sec) * 1'000'000'000ull +
           static_cast<unsigned long long>(t.tv_nsec);
  };
  const unsigned long long before = now();
  const Outcome drawn = run_with({"-Zunstable-options", "--shuffle"}, {kBootstrap});
  const unsigned long long after = now();
  const std::string prefix = "\nrunning 0 tests (shuffle seed: ";
  ASSERT_TRUE(drawn.out.starts_with(prefix)) << drawn.out;
  const unsigned long long seed = std::stoull(drawn.out.substr(prefix.size()));
  EXPECT_GE(seed, before);
  EXPECT_LE(seed, after);
  EXPECT_EQ(drawn.exit_status, 0);
}

TEST(ConsoleReport, ShowOutputAddsTheSuccessesBlock) {
  const Outcome outcome = run_with({"--show-output"});
  EXPECT_EQ(outcome.out,
            "\nrunning 0 tests\n\nsuccesses:\n\nsuccesses:\n\n"
            "test result: ok. 0 passed; 0 failed; 0 ignored; 0 measured; 0 filtered out; "
            "finished in 0.00s\n\n");
}

TEST(ConsoleReport, ListingsWriteTheCountLineOrNothing) {
  struct Case {
    std::vector<std::string> arguments;
    std::string_view out;
  };
  const Case cases[] = {
      {{"--list"}, "0 tests, 0 benchmarks\n"},
      {{"--list", "--color", "always", "--show-output"}, "0 tests, 0 benchmarks\n"},
      {{"--list", "-Zunstable-options", "--format", "junit"}, "0 tests, 0 benchmarks\n"},
      {{"--list", "-q"}, ""},
      {{"--list", "--format", "terse"}, ""},
  };
  for (const Case& c : cases) {
    // A listing does not read the thread-count variable.
    const Outcome outcome = run_with(c.arguments, {kBootstrap, {"SUITE_TEST_THREADS", "0"}});
    EXPECT_EQ(outcome.out, c.out) << ::testing::PrintToString(c.arguments);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exit_status, 0);
  }
}

// The bytes of each write system call to descriptor 1, as strace shows them.
std::vector<std::string> traced_writes(const std::string& trace) {
  static const std::regex write_call(R"re(write\(1, "(.*)", [0-9]+\) += [0-9]+)re");
  std::vector<std::string> writes;
  std::istringstream lines(read_file(trace));
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_match(line, match, write_call)) writes.push_back(match[1]);
  }
  return writes;
}

TEST(ConsoleReport, EachPieceReachesTheDescriptorInItsOwnWrite) {
  if (access("/usr/bin/strace", X_OK) != 0) GTEST_SKIP() << "strace is not installed";
  const std::string trace = ::testing::TempDir() + "/suite-writes.trace";
  Invocation invocation;
  invocation.wrapper = {"/usr/bin/strace", "-e", "trace=write", "-e", "signal=none", "-qq",
                        "-s", "1000", "-o", trace};
  const Outcome outcome = run(invocation);
  ASSERT_EQ(outcome.exit_status, 0) << outcome.err;
  EXPECT_EQ(traced_writes(trace),
            (std::vector<std::string>{
                R"(\nrunning 0 tests\n)", R"(\n)", "test result: ", "ok",
                ". 0 passed; 0 failed; 0 ignored; 0 measured; 0 filtered out",
                "; finished in 0.00s", R"(\n\n)"}));
  std::remove(trace.c_str());
}

TEST(ConsoleReport, FailedWritesAreReportedAfterWhatWentOut) {
  struct Case {
    OutputTarget target;
    std::vector<std::string> arguments;
    std::string_view err;
  };
  const Case cases[] = {
      {OutputTarget::broken_pipe, {},
       "error: io error when listing tests: Os { code: 32, kind: BrokenPipe, message: \"Broken "
       "pipe\" }\n"},
      {OutputTarget::broken_pipe, {"--list"},
       "error: io error when listing tests: Os { code: 32, kind: BrokenPipe, message: \"Broken "
       "pipe\" }\n"},
      {OutputTarget::full_device, {},
       "error: io error when listing tests: Os { code: 28, kind: StorageFull, message: \"No "
       "space left on device\" }\n"},
      {OutputTarget::full_device, {"--list"},
       "error: io error when listing tests: Os { code: 28, kind: StorageFull, message: \"No "
       "space left on device\" }\n"},
      // A terse listing writes nothing, so nothing can fail.
      {OutputTarget::full_device, {"--list", "-q"}, ""},
  };
  for (const Case& c : cases) {
    Invocation invocation;
    invocation.arguments = c.arguments;
    invocation.output = c.target;
    const Outcome outcome = run(invocation);
    EXPECT_EQ(outcome.err, c.err);
    EXPECT_EQ(outcome.exit_status, c.err.empty() ? 0 : 101);
  }
}

TEST(ConsoleReport, AClosedStandardOutputDiscardsTheReport) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{}, std::vector<std::string>{"--list"}}) {
    Invocation invocation;
    invocation.arguments = arguments;
    invocation.output = OutputTarget::closed;
    const Outcome outcome = run(invocation);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exit_status, 0);
  }
}

TEST(LogFile, IsCreatedEmptyAndTheReportIsUnchanged) {
  const std::string path = ::testing::TempDir() + "/suite-run.log";
  std::ofstream(path) << "left over from before";
  for (const std::vector<std::string>& extra :
       {std::vector<std::string>{}, std::vector<std::string>{"--list"}}) {
    std::vector<std::string> arguments = {"--logfile", path};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    const Outcome outcome = run_with(arguments);
    EXPECT_EQ(outcome.out, extra.empty() ? std::string(kRunReport) : "0 tests, 0 benchmarks\n");
    EXPECT_EQ(outcome.err, "warning: `--logfile` is deprecated");
    EXPECT_EQ(outcome.exit_status, 0);
    EXPECT_EQ(read_file(path), "");
  }
  struct stat status{};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  std::remove(path.c_str());

  // A new file gets 0666 less the umask the child inherits.
  const mode_t umask_now = umask(022);
  const Outcome outcome = run_with({"--logfile", path});
  umask(umask_now);
  ASSERT_EQ(outcome.exit_status, 0);
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);
  std::remove(path.c_str());
}

TEST(LogFile, ThatCannotBeCreatedEndsTheProgramBeforeAnyReport) {
  for (const std::vector<std::string>& extra :
       {std::vector<std::string>{}, std::vector<std::string>{"--list"}}) {
    std::vector<std::string> arguments = {"--logfile", "/nonexistent-directory/out.log"};
    arguments.insert(arguments.end(), extra.begin(), extra.end());
    const Outcome outcome = run_with(arguments);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err,
              "warning: `--logfile` is deprecatederror: io error when listing tests: Os { code: "
              "2, kind: NotFound, message: \"No such file or directory\" }\n");
    EXPECT_EQ(outcome.exit_status, 101);
  }
}

}  // namespace
}  // namespace suite::testing
