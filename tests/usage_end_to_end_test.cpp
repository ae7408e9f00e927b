// The usage text as -h and --help print it.

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

#include "tests/suite_process.hpp"

namespace suite::testing {
namespace {

std::string expected_usage(std::string_view program) {
  std::ifstream file(SUITE_SOURCE_DIR "/tests/expected/usage.txt");
  std::stringstream content;
  content << file.rdbuf();
  std::string text = content.str();
  const std::string first_name = "Usage: suite ";
  EXPECT_TRUE(text.starts_with(first_name));
  return text.replace(7, 5, program);
}

TEST(UsageText, EveryHelpRequestPrintsTheWholeText) {
  const std::vector<std::vector<std::string>> command_lines = {
      {"-h"}, {"--help"}, {"-hq"}, {"--h"}, {"--help", "--format", "json"},
      {"--list", "--help", "--logfile", "help.log"}};
  for (const auto& arguments : command_lines) {
    Invocation invocation;
    invocation.arguments = arguments;
    invocation.program_name = "suite";
    const Outcome outcome = run(invocation);
    EXPECT_EQ(outcome.out, expected_usage("suite")) << ::testing::PrintToString(arguments);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exit_status, 0);
  }
  EXPECT_NE(access("help.log", F_OK), 0);
}

TEST(UsageText, NamesTheProgramAsItWasStarted) {
  for (const std::string& name : {std::string("./suite"), executable_path()}) {
    Invocation invocation;
    invocation.arguments = {"--help"};
    invocation.program_name = name;
    EXPECT_EQ(run(invocation).out, expected_usage(name));
  }
}

TEST(UsageText, AFailedWriteIsFatal) {
  Invocation invocation;
  invocation.arguments = {"--help"};
  invocation.output = OutputTarget::full_device;
  const Outcome outcome = run(invocation);
  EXPECT_NE(outcome.err.find(
                ":\nfailed printing to stdout: No space left on device (os error 28)\nnote: "),
            std::string::npos)
      << outcome.err;
  EXPECT_EQ(outcome.exit_status, 101);
}

}  // namespace
}  // namespace suite::testing
