#include "command_line/usage_text.hpp"

#include "platform/fatal_error.hpp"
#include "platform/standard_output.hpp"

namespace suite {

std::string format_option_row(const OptionSpec& spec) {
  return std::string(spec.long_name);
}

std::string format_usage_text(std::string_view program) {
  std::string text = "Usage: ";
  text += program;
  text += " [OPTIONS] [FILTERS...]\n";
  return text;
}

void print_usage_text(std::string_view program) {
  const std::string text = format_usage_text(program);
  IoResult<> result = standard_output().write(text);
  if (result) result = standard_output().flush();
  if (!result) {
    fatal_error("failed printing to stdout: " + result.error().short_form());
  }
}

}  // namespace suite
