#pragma once
// The drivers of a listing and of a run: the report events they emit, in
// order, with their payloads.

#include "command_line/run_options.hpp"
#include "platform/clock.hpp"
#include "platform/io_error.hpp"
#include "suite/report_writer.hpp"
#include "suite/suite_table.hpp"

namespace suite {

// Lists the selected cases of `table` through `writer`, and in the log
// file when one is asked for. Stops at the first I/O error.
IoResult<> list_suite(const RunOptions& options, SuiteTable table, ReportWriter& writer);

// Runs the selected cases of `table`, reporting through `writer`; yields
// whether the run succeeded. `clock` gives the shuffle seed when one is
// drawn. Stops at the first I/O error.
IoResult<bool> run_suite(const RunOptions& options, SuiteTable table, ReportWriter& writer,
                         WallClock clock = read_wall_clock);

}  // namespace suite
