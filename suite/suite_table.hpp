#pragma once
// The table of test cases compiled into the executable.

#include <cstdint>
#include <span>
#include <string_view>

namespace suite {

// Whether a case is a plain test or a benchmark.
enum class CaseKind : std::uint8_t { test, benchmark };

// The word that listings show for `kind`: "test" or "benchmark".
constexpr std::string_view case_kind_word(CaseKind kind) {
  return kind == CaseKind::test ? "test" : "benchmark";
}

// What selection and listing read of one case. The suite's own table is
// empty, so no case ever runs and a case needs no body here.
struct TestCase {
  std::string_view name;
  CaseKind kind = CaseKind::test;
  bool ignored = false;         // marked to be left out of normal runs
  bool panic_expected = false;  // marked as expected to end in a fatal error
};

// An ordered, read-only table of cases.
using SuiteTable = std::span<const TestCase>;

// The table this executable carries: it holds no case.
inline constexpr SuiteTable kSuiteTable{};

}  // namespace suite
