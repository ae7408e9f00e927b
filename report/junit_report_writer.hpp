#pragma once
// The `junit` report: the outcome of a run as one JUnit XML document, for
// build and integration tools.

#include "report/console_output.hpp"
#include "suite/report_writer.hpp"

namespace suite {

// Writes the XML declaration at run-start and the rest of the document at
// run-finish, one write call per piece and never a flush. The document's
// only line feed is its last byte, so the line-buffered standard output
// passes the whole document on at once when the run finishes. Never writes a
// control sequence.
class JunitReportWriter final : public ReportWriter {
 public:
  // A writer on `output`.
  explicit JunitReportWriter(ConsoleOutput output) : output_(std::move(output)) {}

  // A `junit` listing is the pretty listing, written by the pretty writer,
  // so the listing events never reach this writer.
  IoResult<> listing_start() override { return {}; }
  IoResult<> case_listed(const TestCase&) override { return {}; }
  IoResult<> listing_finish(const ListingCounts&) override { return {}; }

  IoResult<> run_start(std::size_t case_count,
                       std::optional<std::uint64_t> shuffle_seed) override;
  IoResult<bool> run_finish(const RunTally& tally) override;

 private:
  ConsoleOutput output_;
};

}  // namespace suite
