#include "platform/fatal_error.hpp"

#include <execinfo.h>
#include <unistd.h>

#include "platform/environment.hpp"
#include "platform/number_format.hpp"
#include "platform/process_exit.hpp"
#include "platform/standard_output.hpp"

namespace suite {
namespace {

constinit FatalErrorHook installed_hook = nullptr;

constexpr const char* kBacktraceVariable = "SUITE_BACKTRACE";

std::string_view current_thread_name() {
  return gettid() == getpid() ? "main" : "<unnamed>";
}

void write_backtrace() {
  void* frames[64];
  const int count = backtrace(frames, 64);
  (void)write_standard_error("stack backtrace:\n");
  const StreamLock held(standard_error_mutex());
  backtrace_symbols_fd(frames, count, STDERR_FILENO);
}

}  // namespace

void set_fatal_error_hook(FatalErrorHook hook) { installed_hook = hook; }

std::string format_fatal_report(std::string_view message,
                                const std::source_location& where,
                                long thread_id) {
  std::string report = "\nthread '";
  report += current_thread_name();
  report += "' (";
  append_decimal(report, static_cast<unsigned long>(thread_id));
  report += ") failed at ";
  report += where.file_name();
  report += ':';
  append_decimal(report, where.line());
  report += ':';
  append_decimal(report, where.column());
  report += ":\n";
  report += message;
  report += '\n';
  return report;
}

bool backtrace_requested() {
  const std::optional<std::string_view> value =
      environment_text(kBacktraceVariable);
  return value && *value != "0";
}

void fatal_error(std::string_view message, std::source_location where) {
  if (installed_hook) installed_hook(message);
  std::string report = format_fatal_report(message, where, gettid());
  const bool with_backtrace = backtrace_requested();
  if (!with_backtrace) {
    report += "note: run with ";
    report += kBacktraceVariable;
    report += "=1 to display a backtrace\n";
  }
  // Nothing more can be reported when standard error itself fails.
  (void)write_standard_error(report);
  if (with_backtrace) write_backtrace();
  exit_process(101);
}

}  // namespace suite
