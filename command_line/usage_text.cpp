#include "command_line/usage_text.hpp"

#include <cstddef>

#include "platform/fatal_error.hpp"
#include "platform/standard_output.hpp"

namespace suite {
namespace {

// Descriptions start in this column (counted from 0), on the row itself when
// the names leave room for at least one space, else on the next line.
constexpr std::size_t kDescriptionColumn = 24;

// The widest description line that packing builds; a single longer word
// still gets a line of its own.
constexpr std::size_t kDescriptionWidth = 54;

// What starts every description line after the first.
constexpr std::string_view kDescriptionBreak = "\n                        ";
static_assert(kDescriptionBreak.size() == 1 + kDescriptionColumn);

// The option block for the shown table is about 3500 bytes; reserving once
// keeps the whole text in a single allocation.
constexpr std::size_t kOptionBlockCapacity = 4096;

// The fixed text after the option block. The marker entries are aligned by
// hand so that their continuation lines start under the text after "- ".
constexpr std::string_view kClosingText =
    R"text(The FILTER string is tested against the name of all tests, and only those
tests whose names contain the filter are run. Multiple filter strings may
be passed, which will run all tests matching any of the filters.

By default, all tests are run in parallel. This can be altered with the
--test-threads flag when running tests (set it to 1).

By default, the tests are run in alphabetical order. Use --shuffle to run
the tests in random order. Pass the generated "shuffle seed" to
--shuffle-seed to run the tests in the same order again. Note that
--shuffle and --shuffle-seed do not affect whether the tests are run in
parallel.

All tests have their standard output and standard error captured by default.
This can be overridden with the --no-capture flag to a value other than "0".
Logging is not captured by default.

Test Attributes:

    `SUITE_TEST`     - Indicates a function is a test to be run. This function
                       takes no arguments.
    `SUITE_BENCH`    - Indicates a function is a benchmark to be run. This
                       function takes one argument (suite::Bencher&).
    `SUITE_MUST_FAIL` - This function (also labeled with `SUITE_TEST`) will only pass if
                        the code causes a panic (an assertion failure or suite::fatal())
                        A message may be provided, which the failure string must
                        contain: SUITE_MUST_FAIL("foo").
    `SUITE_IGNORE`    - When applied to a function which is already attributed as a
                        test, then the test runner will ignore these tests during
                        normal test runs. Running with --ignored or --include-ignored will run
                        these tests.
)text";

// ASCII whitespace, carriage return included; descriptions are plain ASCII,
// so no locale is involved.
constexpr bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' ||
         c == '\r';
}

// Calls `visit` with each maximal run of non-blank characters of `line`.
template <typename Visit>
void for_each_word(std::string_view line, Visit visit) {
  std::size_t position = 0;
  while (true) {
    while (position < line.size() && is_blank(line[position])) ++position;
    if (position == line.size()) return;
    const std::size_t start = position;
    while (position < line.size() && !is_blank(line[position])) ++position;
    visit(line.substr(start, position - start));
  }
}

// Appends the words of one source line, packed greedily into output lines.
// `at_start` is true until the description's first word has been written;
// every later output line is introduced by a description break.
void append_packed_line(std::string& out, std::string_view line,
                        bool& at_start) {
  std::size_t width = 0;  // of the current output line; 0 before its first word
  for_each_word(line, [&](std::string_view word) {
    if (width != 0 && width + 1 + word.size() <= kDescriptionWidth) {
      out += ' ';
      ++width;
    } else {
      if (!at_start) out += kDescriptionBreak;
      at_start = false;
      width = 0;
    }
    out += word;
    width += word.size();
  });
}

// Appends `description` re-flowed: source line breaks are kept, blanks are
// not. Blank lines, blank ends of the whole description and a carriage
// return before a line end all consist of blanks only, so they vanish in
// the word split without being stripped first.
void append_description(std::string& out, std::string_view description) {
  bool at_start = true;
  while (true) {
    const std::size_t end = description.find('\n');
    append_packed_line(out, description.substr(0, end), at_start);
    if (end == std::string_view::npos) return;
    description.remove_prefix(end + 1);
  }
}

// Appends the short-name column, the long name and the hint. The short-name
// column is kept even when empty, so all long names line up.
void append_names(std::string& out, const OptionSpec& spec) {
  out += "    ";
  if (spec.short_name != '\0') {
    out += '-';
    out += spec.short_name;
    out += spec.long_name.empty() ? " " : ", ";
  } else {
    out += "    ";
  }
  if (!spec.long_name.empty()) {
    out += "--";
    out += spec.long_name;
    out += ' ';
  }
  if (spec.kind != OptionKind::flag) out += spec.hint;
}

// Appends the row of `spec`, without a line end.
void append_option_row(std::string& out, const OptionSpec& spec) {
  const std::size_t row_start = out.size();
  append_names(out, spec);
  const std::size_t names_width = out.size() - row_start;
  if (names_width < kDescriptionColumn) {
    out.append(kDescriptionColumn - names_width, ' ');
  } else {
    out += kDescriptionBreak;
  }
  append_description(out, spec.description);
}

}  // namespace

std::string format_option_row(const OptionSpec& spec) {
  std::string row;
  append_option_row(row, spec);
  return row;
}

std::string format_usage_text(std::string_view program) {
  constexpr std::string_view kUsageStart = "Usage: ";
  constexpr std::string_view kUsageEnd = " [OPTIONS] [FILTERS...]\n\nOptions:\n";
  std::string text;
  text.reserve(kUsageStart.size() + program.size() + kUsageEnd.size() +
               kOptionBlockCapacity + kClosingText.size());
  text += kUsageStart;
  text += program;
  text += kUsageEnd;
  for (const OptionSpec& spec : kOptionTable) {
    if (spec.hidden) continue;
    append_option_row(text, spec);
    text += '\n';
  }
  text += "\n\n";
  text += kClosingText;
  return text;
}

void print_usage_text(std::string_view program) {
  const std::string text = format_usage_text(program);
  IoResult<> result = standard_output().write(text);
  if (result) result = standard_output().flush();
  if (!result) {
    fatal_error("failed printing to stdout: " + result.error().short_form());
  }
}

}  // namespace suite
