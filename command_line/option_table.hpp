#pragma once
// The options of the command line, as one table that parsing, the
// repetition check and the usage text all read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace suite {

// Whether an option takes a value, and how often it may occur.
enum class OptionKind : std::uint8_t {
  flag,        // no value; at most once
  value,       // exactly one value; at most once
  repeatable,  // one value per occurrence; any number of times
};

// The options, in table order: the order of searching, of the repetition
// check and of the usage text.
enum class OptionId : std::uint8_t {
  include_ignored,
  ignored,
  force_run_in_process,
  exclude_should_panic,
  test,
  bench,
  list,
  fail_fast,
  help,
  logfile,
  no_capture,
  test_threads,
  skip,
  quiet,
  exact,
  color,
  format,
  show_output,
  unstable,
  report_time,
  ensure_time,
  shuffle,
  shuffle_seed,
  nocapture,
};

// One row of the option table.
struct OptionSpec {
  OptionId id;
  char short_name;             // '\0' when the option has none
  std::string_view long_name;  // empty when the option has none
  std::string_view hint;       // shown after an option that takes a value
  OptionKind kind;
  bool hidden;                    // never shown in the usage text
  std::string_view description;  // source text; the usage text re-flows it
};

// The number of options.
inline constexpr std::size_t kOptionCount =
    static_cast<std::size_t>(OptionId::nocapture) + 1;

// The option table, indexed by OptionId.
extern const std::array<OptionSpec, kOptionCount> kOptionTable;

// The row of `id`.
inline const OptionSpec& option_spec(OptionId id) {
  return kOptionTable[static_cast<std::size_t>(id)];
}

// The name that messages about the whole option use: the long name, or the
// short name when there is none.
std::string_view option_display_name(const OptionSpec& spec);

}  // namespace suite
