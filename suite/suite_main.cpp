#include "suite/suite_main.hpp"

#include <string>
#include <string_view>
#include <vector>

#include "command_line/command_line.hpp"
#include "platform/fatal_error.hpp"
#include "platform/process_exit.hpp"
#include "platform/standard_output.hpp"
#include "platform/utf8.hpp"
#include "suite/output_capture.hpp"
#include "suite/run_control.hpp"
#include "suite/writer_selection.hpp"

namespace suite {
namespace {

constexpr int kFailureStatus = 101;

std::vector<std::string_view> arguments_as_text(std::span<const char* const> arguments) {
  std::vector<std::string_view> texts;
  texts.reserve(arguments.size());
  for (const char* argument : arguments) {
    const std::string_view text(argument);
    if (!is_valid_utf8(text)) {
      std::string message = "could not convert argument to text: ";
      append_quoted(message, text);
      fatal_error(message);
    }
    texts.push_back(text);
  }
  return texts;
}

// Writes "error: {message}" on standard error and ends the process.
[[noreturn]] void exit_with_error(std::string_view message) {
  std::string line = "error: ";
  line += message;
  line += '\n';
  (void)write_standard_error(line);
  exit_process(kFailureStatus);
}

[[noreturn]] void exit_with_io_error(const IoError& error) {
  exit_with_error("io error when listing tests: " + error.detailed());
}

void list(const RunOptions& options, SuiteTable table) {
  const std::unique_ptr<ReportWriter> writer = make_listing_writer(options);
  if (auto listed = list_suite(options, table, *writer); !listed)
    exit_with_io_error(listed.error());
}

void run(const RunOptions& options, SuiteTable table) {
  if (!options.no_capture) install_capture_hooks();
  IoResult<bool> success = [&] {
    const std::unique_ptr<ReportWriter> writer = make_run_writer(options);
    return run_suite(options, table, *writer);
  }();
  remove_fatal_error_hook();
  if (!success) exit_with_io_error(success.error());
  if (!*success) exit_process(kFailureStatus);
}

}  // namespace

void suite_main(SuiteTable table, std::span<const char* const> arguments) {
  const std::vector<std::string_view> texts = arguments_as_text(arguments);
  const std::vector<TestCase> cases(table.begin(), table.end());

  CommandLineOutcome outcome = read_command_line(texts);
  if (std::holds_alternative<UsageShown>(outcome)) return;
  if (const auto* rejected = std::get_if<Rejected>(&outcome)) exit_with_error(rejected->message);

  const RunOptions& options = std::get<Accepted>(outcome).options;
  if (options.list_only)
    list(options, cases);
  else
    run(options, cases);
}

}  // namespace suite
