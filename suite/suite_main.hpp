#pragma once
// The suite's main routine: read the command line, then show the usage
// text, list the table or run it, and end the process accordingly.

#include <span>

#include "suite/suite_table.hpp"

namespace suite {

// Runs the suite for the process arguments `arguments` (the program name
// first). Returns when the process is to end with status 0; every other
// outcome ends the process with status 101 from within.
void suite_main(SuiteTable table, std::span<const char* const> arguments);

}  // namespace suite
