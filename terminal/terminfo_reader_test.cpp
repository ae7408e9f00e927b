#include "terminal/terminfo_reader.hpp"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace suite {
namespace {

std::string file_bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// Each line of the fixture's source holds one capability: "name," for a
// boolean, "name#value," for a number and "name=value," for a string whose
// value has no escapes.
TEST(TerminfoReader, ReadsEveryStandardCapabilityAtItsPosition) {
  const auto description =
      read_terminfo_file("testdata/a/all-capabilities");
  ASSERT_TRUE(description);
  std::istringstream source(file_bytes("testdata/all-capabilities.src"));
  std::set<std::string> seen;
  for (std::string line; std::getline(source, line);) {
    if (!line.starts_with('\t')) continue;
    const std::string entry = line.substr(1, line.size() - 2);
    const std::size_t mark = entry.find_first_of("#=");
    const std::string name = entry.substr(0, mark);
    seen.insert(name);
    if (mark == std::string::npos)
      EXPECT_TRUE(description->flag(name)) << name;
    else if (entry[mark] == '#')
      EXPECT_EQ(description->number(name), std::stoul(entry.substr(mark + 1)))
          << name;
    else
      EXPECT_EQ(description->string(name), entry.substr(mark + 1)) << name;
  }
  // The source leaves out only box1, which tic cannot store.
  for (const CapabilityKind kind :
       {CapabilityKind::Boolean, CapabilityKind::Number,
        CapabilityKind::String})
    for (const std::string_view name : capability_names(kind))
      EXPECT_EQ(seen.contains(std::string(name)), name != "box1") << name;
}

TEST(TerminfoReader, ReadsCompiledSamples) {
  struct Case {
    const char* path;
    std::vector<std::string_view> names;
    std::vector<std::string_view> flags;
    std::vector<std::pair<std::string_view, std::optional<std::uint32_t>>>
        numbers;
    std::vector<std::pair<std::string_view, std::optional<std::string_view>>>
        strings;
  };
  const Case cases[] = {
      // A cancelled number keeps its marker as a value; a cancelled string
      // is present and empty.
      {"testdata/c/cancelling",
       {"cancelling", "cancelling-too", "a third name"},
       {"am"},
       {{"colors", 65534}, {"cols", std::nullopt}},
       {{"smso", ""}, {"bold", "\x1b[1m"}, {"setaf", std::nullopt}}},
      {"testdata/w/wide",
       {"wide", "numbers in 32 bits"},
       {},
       {{"cols", 80}, {"colors", 0x1000000}, {"pairs", 0x10000},
        {"lines", std::nullopt}},
       {{"sgr0", "\x1b[m"}}},
      {"testdata/e/extended",
       {"extended", "user-defined capabilities after the standard ones"},
       {"km"},
       {{"colors", 256}},
       {{"setaf", "\x1b[38;5;%p1%dm"}, {"XM", std::nullopt}}},
  };
  for (const Case& c : cases) {
    const auto description = read_terminfo_file(c.path);
    ASSERT_TRUE(description) << c.path;
    EXPECT_EQ(description->names(), c.names) << c.path;
    for (const std::string_view name : capability_names(CapabilityKind::Boolean))
      EXPECT_EQ(description->flag(name), std::ranges::count(c.flags, name) == 1)
          << c.path << " " << name;
    for (const auto& [name, value] : c.numbers)
      EXPECT_EQ(description->number(name), value) << c.path << " " << name;
    for (const auto& [name, value] : c.strings)
      EXPECT_EQ(description->string(name), value) << c.path << " " << name;
  }
}

TEST(TerminfoReader, ReadsTheSystemXterm256Color) {
  const char* const paths[] = {"/usr/share/terminfo/x/xterm-256color",
                               "/lib/terminfo/x/xterm-256color"};
  const auto found = std::ranges::find_if(
      paths, [](const char* path) { return ::access(path, R_OK) == 0; });
  if (found == std::end(paths)) GTEST_SKIP() << "no system xterm-256color";
  const auto description = read_terminfo_file(*found);
  ASSERT_TRUE(description);
  // The values infocmp shows for the same file.
  EXPECT_EQ(description->names().front(), "xterm-256color");
  EXPECT_TRUE(description->flag("am"));
  EXPECT_TRUE(description->flag("xenl"));
  EXPECT_FALSE(description->flag("bw"));
  EXPECT_EQ(description->number("colors"), 256u);
  EXPECT_EQ(description->number("pairs"), 0x10000u);
  EXPECT_EQ(description->number("cols"), 80u);
  EXPECT_EQ(description->string("setaf"),
            "\x1b[%?%p1%{8}%<%t3%p1%d%e%p1%{16}%<%t9%p1%{8}%-%d%e38;5;%p1%d%;m");
  EXPECT_EQ(description->string("sgr0"), "\x1b(B\x1b[m");
  EXPECT_EQ(description->string("op"), "\x1b[39;49m");
}

void append_little_endian(std::string& out, std::uint32_t value,
                          std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) out += static_cast<char>(value >> 8 * i);
}

// The parts of a compiled file, written out as given, so that a test can
// make any one of them wrong. Header lengths default to the true ones.
struct Image {
  std::uint16_t magic = 0432;
  std::string names{"t|test\0", 7};
  std::string booleans{"\1\0\1", 3};
  std::vector<std::uint32_t> numbers{80, 0xFFFF, 0xFFFE};
  std::vector<std::uint16_t> offsets{0, 0xFFFF, 0xFFFE, 4};
  std::string table{"abc\0\x1b[m\0", 8};
  std::string trailer;
  std::optional<std::int16_t> names_size, boolean_count, number_count,
      string_count, table_size;

  std::string bytes() const {
    const std::size_t width = magic == 01036 ? 4 : 2;
    std::string out;
    append_little_endian(out, magic, 2);
    for (const auto& [given, actual] :
         {std::pair{names_size, names.size()},
          {boolean_count, booleans.size()},
          {number_count, numbers.size()},
          {string_count, offsets.size()},
          {table_size, table.size()}})
      append_little_endian(out, static_cast<std::uint16_t>(given.value_or(
                                    static_cast<std::int16_t>(actual))),
                           2);
    out += names;
    out += booleans;
    if (out.size() % 2 != 0) out += '\0';
    for (const std::uint32_t number : numbers)
      append_little_endian(out, number, width);
    for (const std::uint16_t offset : offsets)
      append_little_endian(out, offset, 2);
    return out + table + trailer;
  }
};

TEST(TerminfoReader, ReadsEachPartOfAHandWrittenFile) {
  const auto description = parse_terminfo(Image{}.bytes());
  ASSERT_TRUE(description);
  EXPECT_EQ(description->names(), (std::vector<std::string_view>{"t", "test"}));
  // Only the byte 1 sets a boolean.
  EXPECT_TRUE(description->flag("bw"));
  EXPECT_FALSE(description->flag("am"));
  EXPECT_TRUE(description->flag("xsb"));
  EXPECT_EQ(description->number("cols"), 80u);
  EXPECT_EQ(description->number("it"), std::nullopt);
  EXPECT_EQ(description->number("lines"), 65534u);
  EXPECT_EQ(description->string("cbt"), "abc");
  EXPECT_EQ(description->string("bel"), std::nullopt);
  EXPECT_EQ(description->string("cr"), "");
  EXPECT_EQ(description->string("csr"), "\x1b[m");
}

TEST(TerminfoReader, AcceptsOrRejectsVariations) {
  struct Case {
    const char* what;
    std::function<void(Image&)> change;
    bool accepted;
  };
  const Case cases[] = {
      {"32-bit numbers", [](Image& i) { i.magic = 01036; }, true},
      {"unknown magic", [](Image& i) { i.magic = 0433; }, false},
      {"byte-swapped magic", [](Image& i) { i.magic = 0x1A01; }, false},
      {"even names and booleans, no pad byte",
       [](Image& i) { i.booleans += '\0'; }, true},
      {"no booleans", [](Image& i) { i.booleans.clear(); }, true},
      {"-1 booleans counts as none",
       [](Image& i) { i.booleans.clear(), i.boolean_count = -1; }, true},
      {"-1 numbers counts as none",
       [](Image& i) { i.numbers.clear(), i.number_count = -1; }, true},
      {"-1 strings and table count as none",
       [](Image& i) {
         i.offsets.clear(), i.table.clear();
         i.string_count = -1, i.table_size = -1;
       },
       true},
      {"a length below -1", [](Image& i) { i.number_count = -2; }, false},
      {"names length -2", [](Image& i) { i.names_size = -2; }, false},
      {"empty names", [](Image& i) { i.names.clear(); }, false},
      {"names length -1 is empty",
       [](Image& i) { i.names.clear(), i.names_size = -1; }, false},
      {"names without NUL", [](Image& i) { i.names = "t|test"; }, false},
      {"names not UTF-8",
       [](Image& i) { i.names = std::string("t\xFF\0", 3); }, false},
      {"names in UTF-8",
       [](Image& i) { i.names = std::string("t\xC3\xA9\0", 4); }, true},
      {"44 booleans", [](Image& i) { i.booleans.resize(44); }, true},
      {"45 booleans", [](Image& i) { i.booleans.resize(45); }, false},
      {"39 numbers", [](Image& i) { i.numbers.resize(39); }, true},
      {"40 numbers", [](Image& i) { i.numbers.resize(40); }, false},
      {"414 strings", [](Image& i) { i.offsets.resize(414, 0xFFFF); }, true},
      {"415 strings", [](Image& i) { i.offsets.resize(415, 0xFFFF); }, false},
      {"string without NUL in the table",
       [](Image& i) { i.table.pop_back(); }, false},
      {"NUL only past the table",
       [](Image& i) { i.table.pop_back(), i.trailer = std::string(1, '\0'); },
       false},
      {"offset at the table's end", [](Image& i) { i.offsets[0] = 8; }, false},
      {"offset beyond the table", [](Image& i) { i.offsets[0] = 9; }, false},
      {"negative offset", [](Image& i) { i.offsets[0] = 0x8000; }, false},
      {"table beyond the file's end",
       [](Image& i) { i.table_size = 9; }, false},
      {"file ends before the table",
       [](Image& i) { i.table.clear(), i.offsets = {0xFFFF}, i.table_size = 0,
                      i.string_count = 5; },
       false},
      {"extended part after the table",
       [](Image& i) { i.trailer = "\x01\x00\xff\xff garbage"; }, true},
  };
  for (const Case& c : cases) {
    Image image;
    c.change(image);
    EXPECT_EQ(parse_terminfo(image.bytes()).has_value(), c.accepted) << c.what;
  }
}

TEST(TerminfoReader, AbsentNumberMarkerDependsOnTheWidth) {
  Image image;
  image.magic = 01036;
  image.numbers = {0xFFFF, 0xFFFFFFFF, 0xFFFFFFFE};
  const auto description = parse_terminfo(image.bytes());
  ASSERT_TRUE(description);
  EXPECT_EQ(description->number("cols"), 0xFFFFu);
  EXPECT_EQ(description->number("it"), std::nullopt);
  EXPECT_EQ(description->number("lines"), 0xFFFFFFFEu);
}

// Every prefix and every single-byte change of a valid file decodes or is
// rejected without reading outside the bytes (checked under sanitizers).
TEST(TerminfoReader, SurvivesTruncationAndCorruption) {
  const std::string valid = file_bytes("testdata/e/extended");
  ASSERT_TRUE(parse_terminfo(valid));
  // Header, names, booleans (80 is even: no pad byte), 14 numbers, 360
  // string offsets and the string table; extended capabilities follow.
  const std::size_t table_end = 12 + 59 + 9 + 14 * 2 + 360 * 2 + 14;
  for (std::size_t size = 0; size < valid.size(); ++size)
    EXPECT_EQ(parse_terminfo(valid.substr(0, size)).has_value(),
              size >= table_end)
        << size;
  for (std::size_t at = 0; at < table_end; ++at)
    for (const unsigned char value : {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF}) {
      std::string changed = valid;
      changed[at] = static_cast<char>(value);
      (void)parse_terminfo(std::move(changed));
    }
}

class TemporaryDirectory {
 public:
  TemporaryDirectory() : path_(::mkdtemp(pattern_)) {}
  ~TemporaryDirectory() { std::system(("rm -rf '" + path_ + "'").c_str()); }
  std::string path(const char* name) const { return path_ + "/" + name; }

 private:
  char pattern_[32] = "/tmp/terminfo_reader.XXXXXX";
  std::string path_;
};

TEST(TerminfoReader, RefusesWhatIsNotASmallRegularFile) {
  TemporaryDirectory directory;
  const std::string big = directory.path("big");
  const std::string fifo = directory.path("fifo");
  std::string content = file_bytes("testdata/w/wide");
  content.resize(kMaxTerminfoFileSize + 1);
  std::ofstream(big, std::ios::binary) << content;
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  EXPECT_FALSE(read_terminfo_file(directory.path("missing").c_str()));
  EXPECT_FALSE(read_terminfo_file(directory.path("").c_str()));
  EXPECT_FALSE(read_terminfo_file(big.c_str()));
  EXPECT_FALSE(read_terminfo_file(fifo.c_str()));
  content.resize(kMaxTerminfoFileSize);
  std::ofstream(big, std::ios::binary) << content;
  EXPECT_TRUE(read_terminfo_file(big.c_str()));
}

}  // namespace
}  // namespace suite
