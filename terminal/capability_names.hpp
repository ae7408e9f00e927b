#pragma once
// The standard capabilities of compiled terminfo files and their positions.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace suite {

// The kinds of capability; a compiled file keeps each in a section of its own.
enum class CapabilityKind { Boolean, Number, String };

// How many standard capabilities there are of each kind.
inline constexpr std::size_t kBooleanCount = 44;
inline constexpr std::size_t kNumberCount = 39;
inline constexpr std::size_t kStringCount = 414;

// The short names of the standard capabilities of `kind`, each at the index
// of its position in a compiled file.
std::span<const std::string_view> capability_names(CapabilityKind kind);

// The position of the standard capability `name` of `kind`, if there is one.
std::optional<std::size_t> capability_position(CapabilityKind kind,
                                               std::string_view name);

}  // namespace suite
