#pragma once
// UTF-8 validation and the quoted, escaped rendering of text in messages.

#include <string>
#include <string_view>

namespace suite {

// True when `bytes` is well-formed UTF-8 (no overlongs, surrogates or
// values above U+10FFFF).
bool is_valid_utf8(std::string_view bytes);

// Appends `bytes` with every maximal ill-formed subsequence replaced by
// U+FFFD, so that the result is valid UTF-8.
void append_lossy_utf8(std::string& out, std::string_view bytes);

// Appends `bytes` between double quotes as messages show text: quotes and
// backslashes escaped, \n \r \t \0, other control characters as \u{hex} and
// every byte that is not part of valid UTF-8 as \xHH.
void append_quoted(std::string& out, std::string_view bytes);

}  // namespace suite
