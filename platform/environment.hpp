#pragma once
// Reading environment variables as text.

#include <optional>
#include <string_view>

namespace suite {

// The value of the variable `name` when it is set and valid UTF-8; a value
// that is not valid UTF-8 counts as absent.
std::optional<std::string_view> environment_text(const char* name);

}  // namespace suite
