#include "suite/writer_selection.hpp"

#include <unistd.h>

#include "command_line/environment_settings.hpp"
#include "report/console_report.hpp"
#include "report/json_report_writer.hpp"
#include "report/junit_report_writer.hpp"

namespace suite {

bool color_enabled(const RunOptions& options) {
  switch (options.color_mode) {
    case ColorMode::always:
      return true;
    case ColorMode::never:
      return false;
    case ColorMode::automatic:
      break;
  }
  return !options.no_capture && isatty(STDOUT_FILENO) == 1;
}

std::unique_ptr<ReportWriter> make_listing_writer(const RunOptions& options) {
  ConsoleOutput output = ConsoleOutput::plain_locked();
  switch (options.report_format) {
    case ReportFormat::terse:
      return std::make_unique<TerseReportWriter>(std::move(output), false, false);
    case ReportFormat::json:
      return std::make_unique<JsonReportWriter>(std::move(output));
    case ReportFormat::pretty:
    case ReportFormat::junit:
      break;
  }
  return std::make_unique<PrettyReportWriter>(std::move(output), false, false);
}

std::unique_ptr<ReportWriter> make_run_writer(const RunOptions& options) {
  ConsoleOutput output = ConsoleOutput::plain();
  // The thread count would shape case lines and the execution loop; without
  // cases it matters only in that a malformed variable fails the run now.
  if (!options.thread_count) (void)default_thread_count();
  const bool color = color_enabled(options);
  switch (options.report_format) {
    case ReportFormat::terse:
      return std::make_unique<TerseReportWriter>(std::move(output), color,
                                                 options.show_output);
    case ReportFormat::json:
      return std::make_unique<JsonReportWriter>(std::move(output));
    case ReportFormat::junit:
      return std::make_unique<JunitReportWriter>(std::move(output));
    case ReportFormat::pretty:
      break;
  }
  return std::make_unique<PrettyReportWriter>(std::move(output), color, options.show_output);
}

}  // namespace suite
