#pragma once
// Reading compiled terminfo files.

#include <cstddef>
#include <optional>
#include <string>

#include "terminal/terminal_description.hpp"

namespace suite {

// The largest file read_terminfo_file accepts; compilers write at most 32 KiB.
inline constexpr std::size_t kMaxTerminfoFileSize = 4 << 20;

// The description held by the compiled file `bytes`, with 16-bit (magic 0432)
// or 32-bit (magic 01036) numbers; nothing when the file is malformed. What
// follows the string table, such as extended capabilities, is ignored.
std::optional<TerminalDescription> parse_terminfo(std::string bytes);

// The description in the compiled file at `path`; nothing when it cannot be
// opened or read, is not a regular file, is larger than kMaxTerminfoFileSize,
// or is malformed.
std::optional<TerminalDescription> read_terminfo_file(const char* path);

}  // namespace suite
