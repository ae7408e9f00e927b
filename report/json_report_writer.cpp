#include "report/json_report_writer.hpp"

#include <string>

#include "platform/number_format.hpp"

namespace suite {
namespace {

// Room for the longest fixed line, the outcome line with five 20-digit
// counts and a long elapsed time, so that formatting never reallocates.
constexpr std::size_t kLineCapacity = 256;

// Appends `text` as a JSON string, quotes included. Control characters
// become \u00XX so that a line never holds a raw line feed or escape byte.
void append_json_string(std::string& out, std::string_view text) {
  static constexpr char kHexDigits[] = "0123456789abcdef";
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 0xf];
    } else {
      out += c;
    }
  }
  out += '"';
}

// Appends the member `, "{key}": {value}` with a count as its value.
void append_count(std::string& out, std::string_view key, std::uint64_t value) {
  out += ", \"";
  out += key;
  out += "\": ";
  append_decimal(out, value);
}

}  // namespace

IoResult<> JsonReportWriter::listing_start() {
  return output_.write("{ \"type\": \"suite\", \"event\": \"discovery\" }\n");
}

IoResult<> JsonReportWriter::case_listed(const TestCase& test_case) {
  std::string line;
  line.reserve(kLineCapacity + test_case.name.size());
  line += "{ \"type\": \"";
  line += case_kind_word(test_case.kind);
  line += "\", \"event\": \"discovered\", \"name\": ";
  append_json_string(line, test_case.name);
  line += " }\n";
  return output_.write(line);
}

IoResult<> JsonReportWriter::listing_finish(const ListingCounts& counts) {
  std::string line;
  line.reserve(kLineCapacity);
  line += "{ \"type\": \"suite\", \"event\": \"completed\"";
  append_count(line, "tests", counts.tests);
  append_count(line, "benchmarks", counts.benchmarks);
  append_count(line, "total", counts.tests + counts.benchmarks);
  append_count(line, "ignored", counts.ignored);
  line += " }\n";
  return output_.write(line);
}

IoResult<> JsonReportWriter::run_start(std::size_t case_count,
                                       std::optional<std::uint64_t> shuffle_seed) {
  std::string line;
  line.reserve(kLineCapacity);
  line += "{ \"type\": \"suite\", \"event\": \"started\"";
  append_count(line, "test_count", case_count);
  if (shuffle_seed) append_count(line, "shuffle_seed", *shuffle_seed);
  line += " }\n";
  return output_.write(line);
}

IoResult<bool> JsonReportWriter::run_finish(const RunTally& tally) {
  const bool success = tally.success();
  std::string line;
  line.reserve(kLineCapacity);
  line += "{ \"type\": \"suite\", \"event\": \"";
  line += success ? "ok" : "failed";
  line += '"';
  append_count(line, "passed", tally.passed);
  append_count(line, "failed", tally.failed);
  append_count(line, "ignored", tally.ignored);
  append_count(line, "measured", tally.measured);
  append_count(line, "filtered_out", tally.filtered_out);
  if (tally.elapsed) {
    line += ", \"exec_time\": ";
    append_shortest(line, tally.elapsed->as_seconds());
  }
  line += " }\n";
  SUITE_TRY(output_.write(line));
  return success;
}

}  // namespace suite
