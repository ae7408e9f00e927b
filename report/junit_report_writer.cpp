#include "report/junit_report_writer.hpp"

#include <string>

#include "platform/number_format.hpp"

namespace suite {
namespace {

// Room for the testsuite tag with three 20-digit counts.
constexpr std::size_t kSuiteTagCapacity = 160;

// Appends the attribute ` {name}="{value}"` with a count as its value.
void append_count(std::string& out, std::string_view name, std::uint64_t value) {
  out += ' ';
  out += name;
  out += "=\"";
  append_decimal(out, value);
  out += '"';
}

}  // namespace

IoResult<> JunitReportWriter::run_start(std::size_t /*case_count*/,
                                        std::optional<std::uint64_t> /*shuffle_seed*/) {
  return output_.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
}

IoResult<bool> JunitReportWriter::run_finish(const RunTally& tally) {
  SUITE_TRY(output_.write("<testsuites>"));

  std::string suite_tag;
  suite_tag.reserve(kSuiteTagCapacity);
  suite_tag += R"(<testsuite name="test" package="test" id="0" errors="0")";
  append_count(suite_tag, "failures", tally.failed);
  append_count(suite_tag, "tests", tally.total);
  append_count(suite_tag, "skipped", tally.ignored);
  suite_tag += " >";
  SUITE_TRY(output_.write(suite_tag));

  // One element per finished case would stand here; a run without cases has
  // none.
  SUITE_TRY(output_.write("<system-out/>"));
  SUITE_TRY(output_.write("<system-err/>"));
  SUITE_TRY(output_.write("</testsuite>"));
  SUITE_TRY(output_.write("</testsuites>"));
  SUITE_TRY(output_.write("\n"));
  return tally.success();
}

}  // namespace suite
