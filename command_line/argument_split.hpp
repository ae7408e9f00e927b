#pragma once
// Splitting the arguments into options with their values and free arguments.

#include <array>
#include <cstddef>
#include <expected>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command_line/option_table.hpp"

namespace suite {

// How often one option occurred, with its values in command-line order.
struct OptionOccurrences {
  std::size_t count = 0;
  std::vector<std::string_view> values;
};

// The arguments after the program name, split by the option table.
struct SplitArguments {
  std::array<OptionOccurrences, kOptionCount> options;
  std::vector<std::string_view> free_arguments;

  // The occurrences of `id`.
  const OptionOccurrences& operator[](OptionId id) const {
    return options[static_cast<std::size_t>(id)];
  }
  // Whether `id` occurred at all.
  bool given(OptionId id) const { return (*this)[id].count > 0; }
  // The value of the last occurrence of `id`; `id` must have occurred.
  std::string_view value(OptionId id) const { return (*this)[id].values.back(); }
};

// Splits `arguments` (the program name excluded) and checks for repeated
// options; the error is the one-line rejection message.
std::expected<SplitArguments, std::string> split_arguments(
    std::span<const std::string_view> arguments);

}  // namespace suite
