#include "suite/case_selection.hpp"

#include <functional>
#include <gtest/gtest.h>

namespace suite {
namespace {

constexpr TestCase kFixture[] = {
    {"parse::empty", CaseKind::test, false, false},
    {"parse::long", CaseKind::test, true, false},
    {"parse", CaseKind::test, false, true},
    {"bench::parse", CaseKind::benchmark, false, false},
    {"bench::slow", CaseKind::benchmark, true, false},
};

// The names of the selection, with "!" after each case still marked ignored.
std::vector<std::string> names(const std::vector<TestCase>& cases) {
  std::vector<std::string> result;
  for (const TestCase& c : cases) result.push_back(std::string(c.name) + (c.ignored ? "!" : ""));
  return result;
}

TEST(CaseSelection, AppliesFiltersSkipsMarksAndIgnoredModesInTableOrder) {
  struct Case {
    std::function<void(RunOptions&)> options;
    std::vector<std::string> selected;
  };
  const Case cases[] = {
      {[](RunOptions&) {},
       {"parse::empty", "parse::long!", "parse", "bench::parse", "bench::slow!"}},
      {[](RunOptions& o) { o.name_filters = {"parse"}; },
       {"parse::empty", "parse::long!", "parse", "bench::parse"}},
      {[](RunOptions& o) { o.name_filters = {"slow", "empty"}; }, {"parse::empty", "bench::slow!"}},
      {[](RunOptions& o) {
         o.name_filters = {"parse"};
         o.exact_match = true;
       },
       {"parse"}},
      {[](RunOptions& o) { o.skip_filters = {"bench", "long"}; }, {"parse::empty", "parse"}},
      {[](RunOptions& o) {
         o.skip_filters = {"parse"};
         o.exact_match = true;
       },
       {"parse::empty", "parse::long!", "bench::parse", "bench::slow!"}},
      {[](RunOptions& o) { o.exclude_panic_expected = true; },
       {"parse::empty", "parse::long!", "bench::parse", "bench::slow!"}},
      {[](RunOptions& o) { o.ignored_mode = IgnoredMode::include; },
       {"parse::empty", "parse::long", "parse", "bench::parse", "bench::slow"}},
      {[](RunOptions& o) { o.ignored_mode = IgnoredMode::only; }, {"parse::long", "bench::slow"}},
      {[](RunOptions& o) {
         o.ignored_mode = IgnoredMode::only;
         o.skip_filters = {"slow"};
       },
       {"parse::long"}},
      {[](RunOptions& o) { o.name_filters = {"nothing"}; }, {}},
  };
  for (const Case& c : cases) {
    RunOptions options;
    c.options(options);
    EXPECT_EQ(names(select_cases(kFixture, options)), c.selected);
  }
}

TEST(CaseSelection, TheEmptyTableSelectsNothingWhateverTheOptions) {
  RunOptions options;
  options.ignored_mode = IgnoredMode::only;
  options.name_filters = {""};
  EXPECT_TRUE(select_cases(kSuiteTable, options).empty());
  EXPECT_TRUE(select_cases(kSuiteTable, RunOptions{}).empty());
}

}  // namespace
}  // namespace suite
