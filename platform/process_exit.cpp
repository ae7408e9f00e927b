#include "platform/process_exit.hpp"

#include <cstdlib>

#include "platform/standard_output.hpp"

namespace suite {

void exit_process(int status) {
  (void)standard_output().flush();
  std::exit(status);
}

}  // namespace suite
