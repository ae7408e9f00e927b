#pragma once
// Writing a whole byte range to a descriptor.

#include <string_view>
#include <sys/types.h>

#include "platform/io_error.hpp"

namespace suite {

// The system call that writes; a parameter so that tests can inject partial
// writes, interruptions and writes that accept nothing.
using WriteCall = ssize_t (*)(int descriptor, const void* bytes, size_t count);

// Writes every byte of `bytes` to `descriptor`: repeats partial writes,
// retries writes interrupted by a signal, and fails with WriteZero when a
// write accepts no byte. On failure, `written` tells how many bytes went out.
IoResult<> write_all(int descriptor, std::string_view bytes, WriteCall call,
                     std::size_t& written);

}  // namespace suite
