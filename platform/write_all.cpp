#include "platform/write_all.hpp"

#include <cerrno>

namespace suite {

IoResult<> write_all(int descriptor, std::string_view bytes, WriteCall call,
                     std::size_t& written) {
  written = 0;
  while (written < bytes.size()) {
    const ssize_t result =
        call(descriptor, bytes.data() + written, bytes.size() - written);
    if (result < 0) {
      if (errno == EINTR) continue;
      return std::unexpected(IoError::from_os(errno));
    }
    if (result == 0) return std::unexpected(write_zero_error());
    written += static_cast<std::size_t>(result);
  }
  return {};
}

}  // namespace suite
