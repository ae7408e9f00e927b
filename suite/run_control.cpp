#include "suite/run_control.hpp"

#include <cassert>
#include <optional>
#include <string>

#include "suite/case_selection.hpp"
#include "suite/log_file.hpp"
#include "suite/shuffle_seed.hpp"

namespace suite {
namespace {

IoResult<std::optional<LogFile>> open_log_file(const RunOptions& options) {
  if (!options.log_path) return std::nullopt;
  auto log = LogFile::create(*options.log_path);
  if (!log) return std::unexpected(std::move(log).error());
  return std::optional<LogFile>(std::move(*log));
}

}  // namespace

IoResult<> list_suite(const RunOptions& options, SuiteTable table, ReportWriter& writer) {
  auto log = open_log_file(options);
  if (!log) return std::unexpected(std::move(log).error());
  SUITE_TRY(writer.listing_start());

  ListingCounts counts;
  for (const TestCase& test_case : select_cases(table, options)) {
    ++(test_case.kind == CaseKind::test ? counts.tests : counts.benchmarks);
    if (test_case.ignored) ++counts.ignored;
    SUITE_TRY(writer.case_listed(test_case));
    if (*log) {
      std::string line(case_kind_word(test_case.kind));
      line += ' ';
      line += test_case.name;
      SUITE_TRY((*log)->write_line(line));
    }
  }
  return writer.listing_finish(counts);
}

IoResult<bool> run_suite(const RunOptions& options, SuiteTable table, ReportWriter& writer,
                         WallClock clock) {
  auto log = open_log_file(options);
  if (!log) return std::unexpected(std::move(log).error());

  RunTally tally;
  const MonotonicInstant start = monotonic_now();
  std::vector<TestCase> selected = select_cases(table, options);
  if (!options.measure_benchmarks) {
    for (TestCase& test_case : selected) test_case.kind = CaseKind::test;
  }
  tally.filtered_out = table.size() - selected.size();
  const std::optional<std::uint64_t> seed = choose_shuffle_seed(options, clock);
  tally.total = selected.size();
  SUITE_TRY(writer.run_start(tally.total, seed));

  // The cases of this table carry no body, so a run executes nothing: the
  // suite's own table is empty, and the thread count, the shuffled order
  // and the execution loop have no case to act on.

  tally.elapsed = elapsed_between(start, monotonic_now());
  assert(options.stop_on_first_failure ||
         tally.passed + tally.failed + tally.ignored + tally.measured == tally.total);
  return writer.run_finish(tally);
}

}  // namespace suite
