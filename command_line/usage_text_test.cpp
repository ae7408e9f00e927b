#include "command_line/usage_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace suite {
namespace {

using Lines = std::vector<std::string>;

// The lines of a row, so that expectations show every line in full.
Lines lines_of(std::string_view row) {
  Lines lines;
  while (true) {
    const std::size_t end = row.find('\n');
    lines.emplace_back(row.substr(0, end));
    if (end == std::string_view::npos) return lines;
    row.remove_prefix(end + 1);
  }
}

OptionSpec spec(char short_name, std::string_view long_name,
                std::string_view hint, OptionKind kind,
                std::string_view description) {
  return {OptionId::test, short_name, long_name, hint, kind, false, description};
}

// A row with a short long name, so that its description starts on the row.
OptionSpec described(std::string_view description) {
  return spec('\0', "x", "", OptionKind::flag, description);
}

struct RowCase {
  std::string_view what;
  OptionSpec option;
  Lines expected;
};

void expect_rows(const std::vector<RowCase>& cases) {
  for (const RowCase& c : cases) {
    EXPECT_EQ(lines_of(format_option_row(c.option)), c.expected) << c.what;
  }
}

TEST(UsageRow, NamesColumnAndWhereTheDescriptionStarts) {
  using enum OptionKind;
  expect_rows({
      {"short and long name", spec('h', "help", "", flag, "Display"),
       {"    -h, --help          Display"}},
      {"a repeatable option shows its hint",
       spec('\0', "skip", "FILTER", repeatable, "Skip"),
       {"        --skip FILTER   Skip"}},
      {"names of 23 characters are padded to 24",
       spec('\0', "include-none", "", flag, "Run"),
       {"        --include-none  Run"}},
      {"a short name with a hint and no long name, 23 characters",
       spec('Z', "", "unstable-options", value, "Enable"),
       {"    -Z unstable-options Enable"}},
      {"a long name reaching 24 characters keeps its space",
       spec('\0', "exclude-tests", "", flag, "Run"),
       {"        --exclude-tests ", "                        Run"}},
      {"a long name beyond 24 characters keeps its space",
       spec('\0', "include-ignored", "", flag, "Run"),
       {"        --include-ignored ", "                        Run"}},
      {"a hint reaching 24 characters ends the line",
       spec('\0', "skip", "n_threads", value, "Skip"),
       {"        --skip n_threads", "                        Skip"}},
      {"a hint beyond 24 characters ends the line",
       spec('\0', "test-threads", "n_threads", value, "Number"),
       {"        --test-threads n_threads", "                        Number"}},
  });
}

TEST(UsageRow, PacksWordsIntoLinesOfAtMost54Characters) {
  expect_rows({
      {"54 characters fit",
       described("Threshold values for this option can be configured via"),
       {"        --x             Threshold values for this option can be configured via"}},
      {"55 characters wrap the last word",
       described("Threshold values for this option can be configured via:"),
       {"        --x             Threshold values for this option can be configured",
        "                        via:"}},
      {"packing goes on greedily after a wrap",
       described("Threshold values for this option can be configured via: one two"),
       {"        --x             Threshold values for this option can be configured",
        "                        via: one two"}},
      {"a word longer than 54 characters stands alone",
       described("see https://example.com/a/rather/long/path/to/some/document.html now"),
       {"        --x             see",
        "                        https://example.com/a/rather/long/path/to/some/document.html",
        "                        now"}},
      {"a long first word still starts on the row",
       described("https://example.com/a/rather/long/path/to/some/document.html now"),
       {"        --x             https://example.com/a/rather/long/path/to/some/document.html",
        "                        now"}},
  });
}

TEST(UsageRow, KeepsSourceLineBreaksButNotBlanks) {
  expect_rows({
      {"source lines are never joined", described("one\ntwo"),
       {"        --x             one", "                        two"}},
      {"blank source lines give no line", described("one\n\n   \n\t\ntwo"),
       {"        --x             one", "                        two"}},
      {"runs of blanks close up", described("   a  \t b\t\tc   "),
       {"        --x             a b c"}},
      {"carriage returns before line ends vanish", described("one\r\ntwo\r\n\r\nthree"),
       {"        --x             one", "                        two",
        "                        three"}},
      {"blank lines around the whole description vanish",
       described("\n \r\n  one two  \n\n\t"), {"        --x             one two"}},
      {"a blank description leaves only the names column", described(" \n\t\n"),
       {"        --x             "}},
  });
}

TEST(UsageText, FirstLineNamesTheProgramAsGiven) {
  for (std::string_view program : {"suite", "./suite", "/usr/local/bin/suite", ""}) {
    const std::string expected =
        "Usage: " + std::string(program) + " [OPTIONS] [FILTERS...]\n\nOptions:\n";
    EXPECT_TRUE(format_usage_text(program).starts_with(expected)) << program;
  }
}

TEST(UsageText, HidesNocaptureAndEndsWithTheClosingText) {
  const std::string text = format_usage_text("suite");
  EXPECT_EQ(text.find("nocapture"), std::string::npos);
  EXPECT_NE(text.find("\n    -Z unstable-options Enable nightly-only flags:\n"),
            std::string::npos);

  // Two empty lines, no more, between the last row and the closing text.
  const std::string_view block_end =
      "\n                        generator with SEED\n\n\nThe FILTER string ";
  const std::size_t at = text.find(block_end);
  ASSERT_NE(at, std::string::npos);
  EXPECT_NE(text[at - 1], '\n');
  EXPECT_TRUE(text.ends_with("\n                        these tests.\n"));
}

}  // namespace
}  // namespace suite
