#pragma once
// A terminal's capabilities, looked up by their standard short names.

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "terminal/capability_names.hpp"

namespace suite {

// The names and capabilities of one terminal. The name field and the string
// values are ranges of a single owned buffer (for a compiled file, the file's
// own bytes), so a description costs one allocation however many strings it
// has.
class TerminalDescription {
 public:
  // A range of bytes in the buffer.
  struct Slice {
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
  };

  // A description without capabilities whose name field is `names` of
  // `storage`.
  TerminalDescription(std::string storage, Slice names);

  // The buffer that slices index.
  std::string_view storage() const { return storage_; }
  // Appends `bytes` to the buffer, for values that are not in it yet.
  Slice append(std::string_view bytes);
  // Sets the boolean capability at `position`.
  void set_flag(std::size_t position);
  // Gives the number capability at `position` the value `value`.
  void set_number(std::size_t position, std::uint32_t value);
  // Gives the string capability at `position` the bytes `value`.
  void set_string(std::size_t position, Slice value);

  // The terminal's names: the name field split at "|".
  std::vector<std::string_view> names() const;
  // True when the boolean capability `name` is set.
  bool flag(std::string_view name) const;
  // The value of the number capability `name`, if present.
  std::optional<std::uint32_t> number(std::string_view name) const;
  // The bytes of the string capability `name`, if present.
  std::optional<std::string_view> string(std::string_view name) const;

 private:
  std::string_view text(Slice slice) const;

  std::string storage_;
  Slice names_;
  std::bitset<kBooleanCount> flags_;
  std::bitset<kNumberCount> has_number_;
  std::bitset<kStringCount> has_string_;
  std::array<std::uint32_t, kNumberCount> numbers_{};
  std::array<Slice, kStringCount> strings_{};
};

// A number capability by name, for descriptions written in code.
struct NamedNumber {
  std::string_view name;
  std::uint32_t value;
};

// A string capability by name, for descriptions written in code.
struct NamedString {
  std::string_view name;
  std::string_view value;
};

// A description written in code, with the name field `names`; entries whose
// names are not standard are left out.
TerminalDescription describe_terminal(std::string_view names,
                                      std::span<const NamedNumber> numbers,
                                      std::span<const NamedString> strings);

}  // namespace suite
