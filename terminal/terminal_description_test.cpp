#include "terminal/terminal_description.hpp"

#include <gtest/gtest.h>

namespace suite {
namespace {

TEST(TerminalDescription, SplitsTheNameFieldAtBars) {
  struct Case {
    std::string_view field;
    std::vector<std::string_view> names;
  };
  const Case cases[] = {
      {"xterm", {"xterm"}},
      {"xterm-256color|xterm with 256 colors",
       {"xterm-256color", "xterm with 256 colors"}},
      {"a||b|", {"a", "", "b", ""}},
      {"", {""}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(describe_terminal(c.field, {}, {}).names(), c.names) << c.field;
}

TEST(TerminalDescription, LooksUpWhatWasGivenByStandardName) {
  const NamedNumber numbers[] = {{"colors", 8}, {"cols", 0}, {"nonsense", 1}};
  const NamedString strings[] = {
      {"setaf", "\x1b[3%p1%dm"}, {"sgr0", ""}, {"bogus", "x"}};
  const TerminalDescription description =
      describe_terminal("cygwin", numbers, strings);

  EXPECT_EQ(description.number("colors"), 8u);
  EXPECT_EQ(description.number("cols"), 0u);
  EXPECT_EQ(description.number("lines"), std::nullopt);
  EXPECT_EQ(description.number("nonsense"), std::nullopt);
  EXPECT_EQ(description.string("setaf"), "\x1b[3%p1%dm");
  EXPECT_EQ(description.string("sgr0"), "");
  EXPECT_EQ(description.string("setab"), std::nullopt);
  EXPECT_EQ(description.string("bogus"), std::nullopt);
  EXPECT_FALSE(description.flag("am"));
  EXPECT_EQ(description.names(), std::vector<std::string_view>{"cygwin"});
}

}  // namespace
}  // namespace suite
