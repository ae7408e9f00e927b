#pragma once
// Capturing what a case writes, and the hooks that keep the capture whole
// while a run is in progress.

#include <memory>
#include <string>

namespace suite {

// The output that the current thread's case has written so far, or null
// when the thread's output is not captured.
std::shared_ptr<std::string>& current_output_capture();

// Puts the run's hooks in place: the fatal-error hook, which writes the
// failing thread's captured output to standard output before the report,
// and the thread-start hook, which hands a thread's capture to the threads
// it starts. The thread-start hook is registered once and stays.
void install_capture_hooks();

// Takes the fatal-error hook away again; the default report stays.
void remove_fatal_error_hook();

}  // namespace suite
