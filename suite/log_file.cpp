#include "suite/log_file.hpp"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "platform/write_all.hpp"

namespace suite {

IoResult<LogFile> LogFile::create(std::string_view path) {
  const std::string terminated(path);
  const int descriptor =
      open(terminated.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) return std::unexpected(IoError::from_os(errno));
  return LogFile(descriptor);
}

LogFile::~LogFile() {
  // A failed close loses nothing: the file holds only what was written.
  if (descriptor_ >= 0) close(descriptor_);
}

IoResult<> LogFile::write_line(std::string_view text) {
  std::string line(text);
  line += '\n';
  std::size_t written = 0;
  return write_all(descriptor_, line, &::write, written);
}

}  // namespace suite
