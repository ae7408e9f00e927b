#include "report/console_report.hpp"

#include <string>

#include "platform/number_format.hpp"

namespace suite {
namespace {

constexpr std::uint32_t kGreen = 2;
constexpr std::uint32_t kRed = 1;

// "1 {word}", or "{count} {word}s" for any other count.
void append_count(std::string& out, std::size_t count, std::string_view word) {
  append_decimal(out, count);
  out += ' ';
  out += word;
  if (count != 1) out += 's';
}

}  // namespace

IoResult<> ConsoleReportWriter::write_piece(std::string_view text) {
  SUITE_TRY(output_.write(text));
  return output_.flush();
}

IoResult<> ConsoleReportWriter::write_status_word(std::string_view word,
                                                  std::uint32_t /*colour*/) {
  (void)color_enabled_;
  return write_piece(word);
}

IoResult<> ConsoleReportWriter::case_listed(const TestCase& test_case) {
  std::string line(test_case.name);
  line += ": ";
  line += case_kind_word(test_case.kind);
  line += '\n';
  return write_piece(line);
}

IoResult<> ConsoleReportWriter::run_start(std::size_t case_count,
                                          std::optional<std::uint64_t> shuffle_seed) {
  std::string header = "\nrunning ";
  append_count(header, case_count, "test");
  if (shuffle_seed) {
    header += " (shuffle seed: ";
    append_decimal(header, *shuffle_seed);
    header += ')';
  }
  header += '\n';
  return write_piece(header);
}

IoResult<bool> ConsoleReportWriter::run_finish(const RunTally& tally) {
  if (show_output_) {
    // The names and output of passed cases would stand between the two
    // headers; a run without cases has none.
    SUITE_TRY(write_piece("\nsuccesses:\n"));
    SUITE_TRY(write_piece("\nsuccesses:\n"));
  }
  SUITE_TRY(write_piece("\ntest result: "));
  const bool success = tally.success();
  SUITE_TRY(write_status_word(success ? "ok" : "FAILED", success ? kGreen : kRed));

  std::string counts = ". ";
  append_decimal(counts, tally.passed);
  counts += " passed; ";
  append_decimal(counts, tally.failed);
  counts += " failed; ";
  append_decimal(counts, tally.ignored);
  counts += " ignored; ";
  append_decimal(counts, tally.measured);
  counts += " measured; ";
  append_decimal(counts, tally.filtered_out);
  counts += " filtered out";
  SUITE_TRY(write_piece(counts));

  if (tally.elapsed) {
    std::string finished = "; finished in ";
    append_fixed(finished, tally.elapsed->as_seconds(), 2);
    finished += 's';
    SUITE_TRY(write_piece(finished));
  }
  SUITE_TRY(write_piece("\n\n"));
  return success;
}

IoResult<> PrettyReportWriter::listing_finish(const ListingCounts& counts) {
  if (counts.tests != 0 || counts.benchmarks != 0) {
    SUITE_TRY(write_piece("\n"));
  }
  std::string line;
  append_count(line, counts.tests, "test");
  line += ", ";
  append_count(line, counts.benchmarks, "benchmark");
  line += '\n';
  return write_piece(line);
}

}  // namespace suite
