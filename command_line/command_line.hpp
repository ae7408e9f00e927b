#pragma once
// Reading the command line into the settings of one invocation.

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "command_line/run_options.hpp"

namespace suite {

// The usage text has been written on standard output.
struct UsageShown {};

// The command line is refused; `message` is one line without "error: ".
struct Rejected {
  std::string message;
};

// The command line is valid.
struct Accepted {
  RunOptions options;
};

// What reading the command line came to.
using CommandLineOutcome = std::variant<UsageShown, Rejected, Accepted>;

// Reads `arguments` (the program name first, then the arguments) and the
// environment settings they call for. Writes only the usage text (on
// standard output) and the --logfile warning (on standard error); a
// malformed environment value is a fatal error.
CommandLineOutcome read_command_line(std::span<const std::string_view> arguments);

}  // namespace suite
