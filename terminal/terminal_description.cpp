#include "terminal/terminal_description.hpp"

#include <utility>

namespace suite {

TerminalDescription::TerminalDescription(std::string storage, Slice names)
    : storage_(std::move(storage)), names_(names) {}

TerminalDescription::Slice TerminalDescription::append(std::string_view bytes) {
  const Slice slice{static_cast<std::uint32_t>(storage_.size()),
                    static_cast<std::uint32_t>(bytes.size())};
  storage_.append(bytes);
  return slice;
}

void TerminalDescription::set_flag(std::size_t position) {
  flags_.set(position);
}

void TerminalDescription::set_number(std::size_t position,
                                     std::uint32_t value) {
  has_number_.set(position);
  numbers_[position] = value;
}

void TerminalDescription::set_string(std::size_t position, Slice value) {
  has_string_.set(position);
  strings_[position] = value;
}

std::vector<std::string_view> TerminalDescription::names() const {
  std::vector<std::string_view> names;
  std::string_view rest = text(names_);
  for (std::size_t bar; (bar = rest.find('|')) != std::string_view::npos;
       rest.remove_prefix(bar + 1))
    names.push_back(rest.substr(0, bar));
  names.push_back(rest);
  return names;
}

bool TerminalDescription::flag(std::string_view name) const {
  const auto position = capability_position(CapabilityKind::Boolean, name);
  return position && flags_.test(*position);
}

std::optional<std::uint32_t> TerminalDescription::number(
    std::string_view name) const {
  const auto position = capability_position(CapabilityKind::Number, name);
  if (!position || !has_number_.test(*position)) return std::nullopt;
  return numbers_[*position];
}

std::optional<std::string_view> TerminalDescription::string(
    std::string_view name) const {
  const auto position = capability_position(CapabilityKind::String, name);
  if (!position || !has_string_.test(*position)) return std::nullopt;
  return text(strings_[*position]);
}

std::string_view TerminalDescription::text(Slice slice) const {
  return std::string_view(storage_).substr(slice.offset, slice.size);
}

TerminalDescription describe_terminal(std::string_view names,
                                      std::span<const NamedNumber> numbers,
                                      std::span<const NamedString> strings) {
  TerminalDescription description(
      std::string(names), {0, static_cast<std::uint32_t>(names.size())});
  for (const NamedNumber& number : numbers)
    if (const auto position =
            capability_position(CapabilityKind::Number, number.name))
      description.set_number(*position, number.value);
  for (const NamedString& string : strings)
    if (const auto position =
            capability_position(CapabilityKind::String, string.name))
      description.set_string(*position, description.append(string.value));
  return description;
}

}  // namespace suite
