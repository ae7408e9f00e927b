#pragma once
// Where every report writer writes: standard output, directly or through a
// colour terminal.

#include <optional>
#include <string_view>

#include "platform/io_error.hpp"
#include "platform/standard_output.hpp"

namespace suite {

// The output of one listing or run.
class ConsoleOutput {
 public:
  // Plain standard output, locked for each write.
  static ConsoleOutput plain();
  // Plain standard output, locked for the output's whole life, as a listing
  // holds it.
  static ConsoleOutput plain_locked();

  // Writes all of `text`.
  IoResult<> write(std::string_view text);
  // Writes out whatever is buffered.
  IoResult<> flush();

 private:
  explicit ConsoleOutput(std::optional<StreamLock> held) : held_(std::move(held)) {}

  std::optional<StreamLock> held_;
};

}  // namespace suite
