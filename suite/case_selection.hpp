#pragma once
// Which cases of the table take part in a listing or a run.

#include <vector>

#include "command_line/run_options.hpp"
#include "suite/suite_table.hpp"

namespace suite {

// The cases of `table` that `options` select, in table order. The copies
// carry the ignored mark as the ignored mode leaves it.
std::vector<TestCase> select_cases(SuiteTable table, const RunOptions& options);

}  // namespace suite
