#include "command_line/argument_split.hpp"

#include <gtest/gtest.h>
#include <initializer_list>

namespace suite {
namespace {

std::expected<SplitArguments, std::string> split(std::initializer_list<std::string_view> args) {
  return split_arguments(std::span<const std::string_view>(args.begin(), args.size()));
}

using Values = std::vector<std::string_view>;

TEST(ArgumentSplit, FreeArgumentsAndTheEndOfOptions) {
  const auto result = split({"foo", "", "-", "--exact", "--", "--list", "-", "-q"});
  ASSERT_TRUE(result) << result.error();
  EXPECT_EQ(result->free_arguments, (Values{"foo", "", "-", "--list", "-", "-q"}));
  EXPECT_TRUE(result->given(OptionId::exact));
  EXPECT_FALSE(result->given(OptionId::list));
  EXPECT_FALSE(result->given(OptionId::quiet));
}

TEST(ArgumentSplit, ValuesAttachedOrTakenFromTheNextArgument) {
  const auto result = split({"--skip", "a", "--skip=b", "--skip=", "--format", "--list",
                             "-Zunstable-options", "--color", "--"});
  ASSERT_TRUE(result) << result.error();
  EXPECT_EQ((*result)[OptionId::skip].values, (Values{"a", "b", ""}));
  EXPECT_EQ(result->value(OptionId::format), "--list");
  EXPECT_FALSE(result->given(OptionId::list));
  EXPECT_EQ(result->value(OptionId::unstable), "unstable-options");
  EXPECT_EQ(result->value(OptionId::color), "--");
}

TEST(ArgumentSplit, OneCharacterLongNamesAreShortNames) {
  const auto result = split({"--h", "--Z=unstable-options", "--q"});
  ASSERT_TRUE(result) << result.error();
  EXPECT_TRUE(result->given(OptionId::help));
  EXPECT_TRUE(result->given(OptionId::quiet));
  EXPECT_EQ(result->value(OptionId::unstable), "unstable-options");
}

TEST(ArgumentSplit, ClustersOfShortNames) {
  const auto result = split({"-hqZ", "x"});
  ASSERT_TRUE(result) << result.error();
  EXPECT_TRUE(result->given(OptionId::help));
  EXPECT_TRUE(result->given(OptionId::quiet));
  EXPECT_EQ(result->value(OptionId::unstable), "x");

  const auto attached = split({"-qZfoo"});
  ASSERT_TRUE(attached);
  EXPECT_EQ(attached->value(OptionId::unstable), "foo");
}

TEST(ArgumentSplit, TheTwoCaptureOptionsAreDistinct) {
  EXPECT_TRUE(split({"--no-capture", "--nocapture"}));
}

TEST(ArgumentSplit, RejectsWithTheNameAsTyped) {
  struct Case {
    std::initializer_list<std::string_view> args;
    std::string_view message;
  };
  const Case cases[] = {
      {{"--bogus"}, "Unrecognized option: 'bogus'"},
      {{"--bogus=1"}, "Unrecognized option: 'bogus'"},
      {{"--=1"}, "Unrecognized option: ''"},
      {{"-x"}, "Unrecognized option: 'x'"},
      {{"-help"}, "Unrecognized option: 'e'"},
      {{"-q\xC3\xA9"}, "Unrecognized option: '\xC3\xA9'"},
      {{"--Help"}, "Unrecognized option: 'Help'"},
      {{"--x"}, "Unrecognized option: 'x'"},
      {{"--list=yes"}, "Option 'list' does not take an argument"},
      {{"--h="}, "Option 'h' does not take an argument"},
      {{"--color"}, "Argument to option 'color' missing"},
      {{"-Z"}, "Argument to option 'Z' missing"},
      {{"--Z"}, "Argument to option 'Z' missing"},
      {{"-h", "-h"}, "Option 'help' given more than once"},
      {{"-q", "--quiet"}, "Option 'quiet' given more than once"},
      {{"--nocapture", "--nocapture"}, "Option 'nocapture' given more than once"},
      {{"-Z", "a", "-Zb"}, "Option 'Z' given more than once"},
      // The repetition check runs in table order, after a scan without error.
      {{"--color", "a", "--color", "b", "--list", "--list"}, "Option 'list' given more than once"},
      {{"--list", "--list", "--bogus"}, "Unrecognized option: 'bogus'"},
      // Scanning stops at the first error.
      {{"--help", "--bogus"}, "Unrecognized option: 'bogus'"},
      {{"-x", "--color"}, "Unrecognized option: 'x'"},
  };
  for (const Case& c : cases) {
    const auto result = split(c.args);
    ASSERT_FALSE(result) << c.message;
    EXPECT_EQ(result.error(), c.message);
  }
}

}  // namespace
}  // namespace suite
