#include "suite/run_control.hpp"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace suite {
namespace {

// A writer that records every event with its payload, and can fail at one.
class RecordingWriter final : public ReportWriter {
 public:
  std::vector<std::string> events;
  std::string fail_at;  // the event that fails with a broken pipe
  RunTally finished_tally;

  IoResult<> listing_start() override { return record("listing-start"); }
  IoResult<> case_listed(const TestCase& c) override {
    return record("case-listed " + std::string(c.name) + " " +
                  std::string(case_kind_word(c.kind)) + (c.ignored ? " ignored" : ""));
  }
  IoResult<> listing_finish(const ListingCounts& counts) override {
    return record("listing-finish " + std::to_string(counts.tests) + " " +
                  std::to_string(counts.benchmarks) + " " + std::to_string(counts.ignored));
  }
  IoResult<> run_start(std::size_t count, std::optional<std::uint64_t> seed) override {
    return record("run-start " + std::to_string(count) +
                  (seed ? " seed " + std::to_string(*seed) : ""));
  }
  IoResult<bool> run_finish(const RunTally& tally) override {
    finished_tally = tally;
    SUITE_TRY(record("run-finish"));
    return tally.success();
  }

 private:
  IoResult<> record(std::string event) {
    const bool fail = event.starts_with(fail_at) && !fail_at.empty();
    events.push_back(std::move(event));
    if (fail) return std::unexpected(IoError::from_os(EPIPE));
    return {};
  }
};

constexpr TestCase kFixture[] = {
    {"parse::empty", CaseKind::test, false, false},
    {"parse::long", CaseKind::test, true, false},
    {"bench::parse", CaseKind::benchmark, false, false},
};

using Events = std::vector<std::string>;

std::string read_file(const std::string& path) {
  std::ifstream file(path);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

TEST(ListSuite, ListsTheSelectedCasesAndCountsThem) {
  RecordingWriter writer;
  ASSERT_TRUE(list_suite(RunOptions{}, kFixture, writer));
  EXPECT_EQ(writer.events, (Events{"listing-start", "case-listed parse::empty test",
                                   "case-listed parse::long test ignored",
                                   "case-listed bench::parse benchmark", "listing-finish 2 1 1"}));

  RunOptions filtered;
  filtered.skip_filters = {"long"};
  RecordingWriter filtered_writer;
  ASSERT_TRUE(list_suite(filtered, kFixture, filtered_writer));
  EXPECT_EQ(filtered_writer.events.back(), "listing-finish 1 1 0");
}

TEST(ListSuite, TheEmptyTableListsNothingAndTheLogFileIsEmptied) {
  const std::string path = ::testing::TempDir() + "/suite-listing.log";
  std::ofstream(path) << "old content";
  RunOptions options;
  options.log_path = path;
  RecordingWriter writer;
  ASSERT_TRUE(list_suite(options, kSuiteTable, writer));
  EXPECT_EQ(writer.events, (Events{"listing-start", "listing-finish 0 0 0"}));
  EXPECT_EQ(read_file(path), "");

  RecordingWriter fixture_writer;
  ASSERT_TRUE(list_suite(options, kFixture, fixture_writer));
  EXPECT_EQ(read_file(path), "test parse::empty\ntest parse::long\nbenchmark bench::parse\n");
  std::remove(path.c_str());
}

TEST(ListSuite, ALogFileThatCannotBeCreatedStopsBeforeAnyEvent) {
  RunOptions options;
  options.log_path = "/nonexistent-directory/suite.log";
  RecordingWriter writer;
  const IoResult<> result = list_suite(options, kSuiteTable, writer);
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().kind(), ErrorKind::NotFound);
  EXPECT_TRUE(writer.events.empty());

  RecordingWriter run_writer;
  const IoResult<bool> run = run_suite(options, kSuiteTable, run_writer);
  ASSERT_FALSE(run);
  EXPECT_EQ(run.error().os_number(), ENOENT);
  EXPECT_TRUE(run_writer.events.empty());
}

TEST(ListSuite, AWriterErrorStopsTheListingAtOnce) {
  RecordingWriter writer;
  writer.fail_at = "case-listed parse::long";
  ASSERT_FALSE(list_suite(RunOptions{}, kFixture, writer));
  EXPECT_EQ(writer.events.back(), "case-listed parse::long test ignored");
}

TEST(RunSuite, TheEmptyTableRunsNothingAndSucceeds) {
  RecordingWriter writer;
  const IoResult<bool> result = run_suite(RunOptions{}, kSuiteTable, writer);
  ASSERT_TRUE(result);
  EXPECT_TRUE(*result);
  EXPECT_EQ(writer.events, (Events{"run-start 0", "run-finish"}));
  const RunTally& tally = writer.finished_tally;
  EXPECT_EQ(tally.total + tally.passed + tally.failed + tally.ignored + tally.measured +
                tally.filtered_out,
            0u);
  ASSERT_TRUE(tally.elapsed);
  EXPECT_LT(tally.elapsed->seconds, 1u);
}

TEST(RunSuite, CasesLeftOutByTheFiltersCountAsFilteredOut) {
  RunOptions options;
  options.name_filters = {"nothing matches"};
  RecordingWriter writer;
  ASSERT_TRUE(run_suite(options, kFixture, writer));
  EXPECT_EQ(writer.finished_tally.filtered_out, 3u);
  EXPECT_EQ(writer.finished_tally.total, 0u);
}

timespec fixed_clock() { return {1'000, 42}; }

TEST(RunSuite, RunStartCarriesTheShuffleSeed) {
  RunOptions options;
  options.order_seed = UINT64_MAX;
  RecordingWriter given;
  ASSERT_TRUE(run_suite(options, kSuiteTable, given, fixed_clock));
  EXPECT_EQ(given.events.front(), "run-start 0 seed 18446744073709551615");

  RunOptions shuffled;
  shuffled.shuffle_order = true;
  RecordingWriter drawn;
  ASSERT_TRUE(run_suite(shuffled, kSuiteTable, drawn, fixed_clock));
  EXPECT_EQ(drawn.events.front(), "run-start 0 seed 1000000000042");
}

TEST(RunSuite, AFailedRunStartEndsTheRunWithoutRunFinish) {
  RecordingWriter writer;
  writer.fail_at = "run-start";
  const IoResult<bool> result = run_suite(RunOptions{}, kSuiteTable, writer);
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().kind(), ErrorKind::BrokenPipe);
  EXPECT_EQ(writer.events, (Events{"run-start 0"}));
}

}  // namespace
}  // namespace suite
