// The process entry: prepares the standard descriptors and signals, then
// hands the suite's table and the arguments to the suite's main routine.

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <span>

#include "platform/process_exit.hpp"
#include "suite/suite_main.hpp"
#include "suite/suite_table.hpp"

namespace {

// A closed standard descriptor is opened on the null device, so that the
// writes to it succeed and go nowhere instead of landing in whatever file a
// later open would give that number.
void open_closed_standard_descriptors() {
  for (int descriptor = 0; descriptor <= 2; ++descriptor) {
    if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
    if (open("/dev/null", O_RDWR) != descriptor) std::abort();
  }
}

}  // namespace

int main(int argc, char** argv) {
  open_closed_standard_descriptors();
  // A reader that went away is then an error of the write, not a signal
  // that kills the process.
  std::signal(SIGPIPE, SIG_IGN);
  suite::suite_main(suite::kSuiteTable,
                    std::span<const char* const>(argv, static_cast<std::size_t>(argc)));
  suite::exit_process(0);
}
