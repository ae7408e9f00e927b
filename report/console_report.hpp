#pragma once
// The human-readable console reports: `pretty` and `terse`.

#include <cstdint>
#include <string_view>

#include "report/console_output.hpp"
#include "suite/report_writer.hpp"

namespace suite {

// What the two console reports share: a run writes the same bytes in both.
// Every piece of text is flushed as soon as it is written, so each reaches
// standard output at once.
class ConsoleReportWriter : public ReportWriter {
 public:
  // A writer on `output`; `color_enabled` permits colouring the status word,
  // `show_output` adds the block of passed cases' output to the summary.
  // Case lines would also need the name width, the thread count and the
  // time limits; a table without cases never writes one.
  ConsoleReportWriter(ConsoleOutput output, bool color_enabled, bool show_output)
      : output_(std::move(output)),
        color_enabled_(color_enabled),
        show_output_(show_output) {}

  IoResult<> listing_start() override { return {}; }
  IoResult<> case_listed(const TestCase& test_case) override;
  IoResult<> run_start(std::size_t case_count,
                       std::optional<std::uint64_t> shuffle_seed) override;
  IoResult<bool> run_finish(const RunTally& tally) override;

 protected:
  // Writes `text` and flushes it.
  IoResult<> write_piece(std::string_view text);

 private:
  // Writes `word`, in palette colour `colour` when colour applies.
  IoResult<> write_status_word(std::string_view word, std::uint32_t colour);

  ConsoleOutput output_;
  bool color_enabled_;
  bool show_output_;
};

// The verbose console report, and the console listing with its count line.
class PrettyReportWriter final : public ConsoleReportWriter {
 public:
  using ConsoleReportWriter::ConsoleReportWriter;
  IoResult<> listing_finish(const ListingCounts& counts) override;
};

// The compact console report; its listing has no count line.
class TerseReportWriter final : public ConsoleReportWriter {
 public:
  using ConsoleReportWriter::ConsoleReportWriter;
  IoResult<> listing_finish(const ListingCounts&) override { return {}; }
};

}  // namespace suite
