#include "platform/environment.hpp"

#include <cstdlib>

#include "platform/utf8.hpp"

namespace suite {

std::optional<std::string_view> environment_text(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  const std::string_view text(value);
  if (!is_valid_utf8(text)) return std::nullopt;
  return text;
}

}  // namespace suite
