#pragma once
// The events that a listing and a run report, and the interface of the
// writers that turn them into text.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/clock.hpp"
#include "platform/io_error.hpp"
#include "suite/suite_table.hpp"

namespace suite {

// What a listing counted among the selected cases.
struct ListingCounts {
  std::size_t tests = 0;
  std::size_t benchmarks = 0;
  std::size_t ignored = 0;  // cases marked ignored, of either kind
  friend bool operator==(const ListingCounts&, const ListingCounts&) = default;
};

// The state of one run that the writers read when it finishes.
struct RunTally {
  std::size_t total = 0;  // cases selected to run
  std::size_t passed = 0;
  std::size_t failed = 0;
  std::size_t ignored = 0;
  std::size_t measured = 0;      // benchmarks measured
  std::size_t filtered_out = 0;  // table length minus total
  std::optional<Duration> elapsed;

  // A run succeeds when no case failed.
  bool success() const { return failed == 0; }
  friend bool operator==(const RunTally&, const RunTally&) = default;
};

// Turns report events into one report format. Every operation returns the
// first I/O error it meets; the caller stops at that error.
class ReportWriter {
 public:
  virtual ~ReportWriter() = default;

  // `listing-start`: the first event of a listing.
  virtual IoResult<> listing_start() = 0;
  // `case-listed`: one selected case of a listing.
  virtual IoResult<> case_listed(const TestCase& test_case) = 0;
  // `listing-finish`: the last event of a listing.
  virtual IoResult<> listing_finish(const ListingCounts& counts) = 0;
  // `run-start`: the first event of a run, with the number of cases to run
  // and the seed of their order, if they are shuffled.
  virtual IoResult<> run_start(std::size_t case_count,
                               std::optional<std::uint64_t> shuffle_seed) = 0;
  // `run-finish`: the last event of a run; yields whether the run succeeded.
  virtual IoResult<bool> run_finish(const RunTally& tally) = 0;
};

}  // namespace suite
