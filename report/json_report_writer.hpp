#pragma once
// The `json` report: one JSON object per event, each on a line of its own,
// for programs that read the stream line by line.

#include "report/console_output.hpp"
#include "suite/report_writer.hpp"

namespace suite {

// Writes each event as one complete line in a single write call and never
// flushes: the line-buffered standard output passes a line on at its line
// feed, so each line reaches the descriptor whole. Keeps no state between
// events and never writes a control sequence.
class JsonReportWriter final : public ReportWriter {
 public:
  // A writer on `output`.
  explicit JsonReportWriter(ConsoleOutput output) : output_(std::move(output)) {}

  IoResult<> listing_start() override;
  IoResult<> case_listed(const TestCase& test_case) override;
  IoResult<> listing_finish(const ListingCounts& counts) override;
  IoResult<> run_start(std::size_t case_count,
                       std::optional<std::uint64_t> shuffle_seed) override;
  IoResult<bool> run_finish(const RunTally& tally) override;

 private:
  ConsoleOutput output_;
};

}  // namespace suite
