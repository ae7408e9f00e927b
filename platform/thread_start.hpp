#pragma once
// Starting threads with what the starting thread hands down to them.

#include <functional>
#include <thread>

namespace suite {

// Runs in the starting thread when a thread is started and returns what the
// new thread runs first, before its own work.
using ThreadStartHook = std::function<void()> (*)();

// Registers `hook` for every thread started from now on; it stays registered.
void add_thread_start_hook(ThreadStartHook hook);

// Starts a thread that runs the registered hooks' parts, then `work`.
std::thread start_thread(std::function<void()> work);

}  // namespace suite
