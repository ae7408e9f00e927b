#include "platform/utf8.hpp"

#include <gtest/gtest.h>

namespace suite {
namespace {

TEST(Utf8, ValidatesWellFormedAndRejectsIllFormedSequences) {
  EXPECT_TRUE(is_valid_utf8(""));
  EXPECT_TRUE(is_valid_utf8("plain ascii"));
  EXPECT_TRUE(is_valid_utf8("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"));
  EXPECT_TRUE(is_valid_utf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
  for (const char* bad : {"\xFF", "\x80", "\xC0\xAF", "\xC3", "\xE0\x80\xAF",
                          "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8\x88\x80\x80\x80",
                          "ab\xE2\x82"}) {
    EXPECT_FALSE(is_valid_utf8(bad)) << bad;
  }
}

TEST(Utf8, LossyConversionReplacesEachMaximalIllFormedSubsequence) {
  std::string out;
  append_lossy_utf8(out, "a\xE2\x82z\xFF\xFE" "b");
  EXPECT_EQ(out, "a\xEF\xBF\xBDz\xEF\xBF\xBD\xEF\xBF\xBD" "b");
}

TEST(Utf8, QuotesWithEscapes) {
  struct Case {
    std::string_view input;
    std::string_view quoted;
  };
  const Case cases[] = {
      {"", R"("")"},
      {"plain", R"("plain")"},
      {"say \"hi\"\\", R"("say \"hi\"\\")"},
      {"a\nb\rc\td", R"("a\nb\rc\td")"},
      {std::string_view("nul\0", 4), R"("nul\0")"},
      {"\x1b[0m\x7f", R"("\u{1b}[0m\u{7f}")"},
      {"\xC2\x85", R"("\u{85}")"},
      {"caf\xC3\xA9", "\"caf\xC3\xA9\""},
      {"\xFF", R"("\xFF")"},
      {"a\xE2\x82z\x0f", R"("a\xE2\x82z\u{f}")"},
      {"\x80\x01", R"("\x80\u{1}")"},
  };
  for (const Case& c : cases) {
    std::string out;
    append_quoted(out, c.input);
    EXPECT_EQ(out, c.quoted);
  }
}

}  // namespace
}  // namespace suite
