#include "suite/output_capture.hpp"

#include "platform/fatal_error.hpp"
#include "platform/standard_output.hpp"
#include "platform/thread_start.hpp"

namespace suite {
namespace {

// The process is ending: standard error stays locked so that no other
// thread writes into the report, and the captured output is written as far
// as standard output still takes it.
void write_capture_before_fatal_report(std::string_view) {
  pthread_mutex_lock(&standard_error_mutex());
  const StreamLock output_lock = standard_output().lock();
  if (const std::shared_ptr<std::string>& capture = current_output_capture()) {
    (void)standard_output().write(*capture);
  }
  (void)standard_output().flush();
}

std::function<void()> inherit_capture() {
  return [capture = current_output_capture()] { current_output_capture() = capture; };
}

}  // namespace

std::shared_ptr<std::string>& current_output_capture() {
  thread_local std::shared_ptr<std::string> capture;
  return capture;
}

void install_capture_hooks() {
  set_fatal_error_hook(write_capture_before_fatal_report);
  static const bool registered = (add_thread_start_hook(inherit_capture), true);
  (void)registered;
}

void remove_fatal_error_hook() { set_fatal_error_hook(nullptr); }

}  // namespace suite
