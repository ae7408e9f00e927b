#pragma once
// Ending the process.

namespace suite {

// Flushes standard output, ignoring a failure (there is nobody left to tell),
// and ends the process with `status`.
[[noreturn]] void exit_process(int status);

}  // namespace suite
