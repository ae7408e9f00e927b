#pragma once
// Choosing the report writer of a listing or a run.

#include <memory>

#include "command_line/run_options.hpp"
#include "suite/report_writer.hpp"

namespace suite {

// The writer of a listing: never with colour, and a `junit` listing is the
// `pretty` one.
std::unique_ptr<ReportWriter> make_listing_writer(const RunOptions& options);

// The writer of a run, with the colour that `options` and standard output
// allow. Takes the thread count unless `options` gives it, so a malformed
// thread-count variable is fatal here, before any output.
std::unique_ptr<ReportWriter> make_run_writer(const RunOptions& options);

// Whether a run's console report may use colour.
bool color_enabled(const RunOptions& options);

}  // namespace suite
