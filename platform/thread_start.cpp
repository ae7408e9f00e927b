#include "platform/thread_start.hpp"

#include <mutex>
#include <vector>

namespace suite {
namespace {

std::mutex& hooks_mutex() {
  static std::mutex mutex;
  return mutex;
}

std::vector<ThreadStartHook>& hooks() {
  static std::vector<ThreadStartHook> registered;
  return registered;
}

}  // namespace

void add_thread_start_hook(ThreadStartHook hook) {
  const std::lock_guard held(hooks_mutex());
  hooks().push_back(hook);
}

std::thread start_thread(std::function<void()> work) {
  std::vector<std::function<void()>> inherited;
  {
    const std::lock_guard held(hooks_mutex());
    for (const ThreadStartHook hook : hooks()) inherited.push_back(hook());
  }
  return std::thread([inherited = std::move(inherited), work = std::move(work)] {
    for (const auto& part : inherited) part();
    work();
  });
}

}  // namespace suite
