#pragma once
// The usage text of -h and --help.

#include <string>
#include <string_view>

#include "command_line/option_table.hpp"

namespace suite {

// One option row of the usage text, laid out from `spec`, without a line end.
std::string format_option_row(const OptionSpec& spec);

// The whole usage text for the program started as `program`.
std::string format_usage_text(std::string_view program);

// Writes the usage text on standard output; a failure to write it is a fatal
// error.
void print_usage_text(std::string_view program);

}  // namespace suite
