#include "terminal/capability_names.hpp"

#include <gtest/gtest.h>

namespace suite {
namespace {

TEST(CapabilityNames, PositionsMatchWhatTheCompilerWrites) {
  struct Case {
    CapabilityKind kind;
    std::string_view name;
    std::optional<std::size_t> position;
  };
  // Positions as found in files that tic wrote.
  const Case cases[] = {
      {CapabilityKind::Boolean, "bw", 0},
      {CapabilityKind::Boolean, "da", 11},
      {CapabilityKind::Boolean, "db", 12},
      {CapabilityKind::Boolean, "OTxr", 43},
      {CapabilityKind::Number, "cols", 0},
      {CapabilityKind::Number, "colors", 13},
      {CapabilityKind::Number, "OTkn", 38},
      {CapabilityKind::String, "cbt", 0},
      {CapabilityKind::String, "sgr0", 39},
      {CapabilityKind::String, "acsc", 146},
      {CapabilityKind::String, "setaf", 359},
      {CapabilityKind::String, "setab", 360},
      {CapabilityKind::String, "box1", 413},
      {CapabilityKind::Number, "setaf", std::nullopt},
      {CapabilityKind::String, "Tc", std::nullopt},
      {CapabilityKind::String, "", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(capability_position(c.kind, c.name), c.position) << c.name;
}

TEST(CapabilityNames, EachNameHasOnePosition) {
  const std::pair<CapabilityKind, std::size_t> kinds[] = {
      {CapabilityKind::Boolean, kBooleanCount},
      {CapabilityKind::Number, kNumberCount},
      {CapabilityKind::String, kStringCount},
  };
  for (const auto& [kind, count] : kinds) {
    const auto names = capability_names(kind);
    ASSERT_EQ(names.size(), count);
    for (std::size_t i = 0; i < names.size(); ++i)
      EXPECT_EQ(capability_position(kind, names[i]), i) << names[i];
  }
}

}  // namespace
}  // namespace suite
