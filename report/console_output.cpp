#include "report/console_output.hpp"

namespace suite {

ConsoleOutput ConsoleOutput::plain() { return ConsoleOutput(std::nullopt); }

ConsoleOutput ConsoleOutput::plain_locked() {
  return ConsoleOutput(standard_output().lock());
}

IoResult<> ConsoleOutput::write(std::string_view text) {
  return standard_output().write(text);
}

IoResult<> ConsoleOutput::flush() { return standard_output().flush(); }

}  // namespace suite
