#pragma once
// The fatal error report: how the program stops when it cannot go on.

#include <source_location>
#include <string>
#include <string_view>

namespace suite {

// Called with the message of a fatal error before the default report is
// written; it may write to the standard streams.
using FatalErrorHook = void (*)(std::string_view message);

// Installs `hook` in front of the default report; nullptr removes it.
void set_fatal_error_hook(FatalErrorHook hook);

// Writes the fatal error report for `message` on standard error and ends the
// process with status 101.
[[noreturn]] void fatal_error(
    std::string_view message,
    std::source_location where = std::source_location::current());

// The report's text up to the backtrace part: an empty line, the line that
// names the thread and `where`, and the message.
std::string format_fatal_report(std::string_view message,
                                const std::source_location& where,
                                long thread_id);

// True when the backtrace variable asks for a backtrace (set, and not "0").
bool backtrace_requested();

}  // namespace suite
