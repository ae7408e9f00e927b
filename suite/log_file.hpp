#pragma once
// The log file of --logfile.

#include <string_view>

#include "platform/io_error.hpp"

namespace suite {

// The open log file of one listing or run, closed when it goes away.
class LogFile {
 public:
  // Creates the file at `path`, or empties an existing one (permission bits
  // 0666 before the umask).
  static IoResult<LogFile> create(std::string_view path);

  LogFile(LogFile&& other) noexcept : descriptor_(other.descriptor_) {
    other.descriptor_ = -1;
  }
  LogFile& operator=(LogFile&&) = delete;
  ~LogFile();

  // Appends one line, `text` and a line end.
  IoResult<> write_line(std::string_view text);

 private:
  explicit LogFile(int descriptor) : descriptor_(descriptor) {}

  int descriptor_;
};

}  // namespace suite
