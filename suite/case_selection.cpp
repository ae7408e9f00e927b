#include "suite/case_selection.hpp"

#include <algorithm>

namespace suite {
namespace {

bool matches(std::string_view name, std::string_view filter, bool exact) {
  return exact ? name == filter : name.find(filter) != std::string_view::npos;
}

bool matches_any(std::string_view name, const std::vector<std::string_view>& filters,
                 bool exact) {
  return std::ranges::any_of(filters, [&](std::string_view filter) {
    return matches(name, filter, exact);
  });
}

}  // namespace

std::vector<TestCase> select_cases(SuiteTable table, const RunOptions& options) {
  std::vector<TestCase> selected;
  for (TestCase test_case : table) {
    const bool exact = options.exact_match;
    if (!options.name_filters.empty() &&
        !matches_any(test_case.name, options.name_filters, exact))
      continue;
    if (matches_any(test_case.name, options.skip_filters, exact)) continue;
    if (options.exclude_panic_expected && test_case.panic_expected) continue;
    switch (options.ignored_mode) {
      case IgnoredMode::exclude:
        break;
      case IgnoredMode::include:
        test_case.ignored = false;
        break;
      case IgnoredMode::only:
        if (!test_case.ignored) continue;
        test_case.ignored = false;
        break;
    }
    selected.push_back(test_case);
  }
  return selected;
}

}  // namespace suite
