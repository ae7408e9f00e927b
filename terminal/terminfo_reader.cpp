#include "terminal/terminfo_reader.hpp"

#include <array>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/utf8.hpp"

namespace suite {
namespace {

constexpr std::uint32_t kNarrowMagic = 0432;
constexpr std::uint32_t kWideMagic = 01036;
constexpr std::size_t kHeaderSize = 12;
constexpr std::uint32_t kAbsentOffset = 0xFFFF;
constexpr std::uint32_t kCancelledOffset = 0xFFFE;

// The little-endian unsigned integer of `width` bytes at `offset`.
std::uint32_t little_endian(std::string_view bytes, std::size_t offset,
                            std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = width; i-- > 0;)
    value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return value;
}

// Where the sections of a compiled file lie: counts and sizes from the
// header, and the offsets in the file that follow from them.
struct Layout {
  std::size_t number_width;
  std::size_t boolean_count;
  std::size_t number_count;
  std::size_t string_count;
  std::size_t table_size;
  std::size_t names;
  std::size_t booleans;
  std::size_t numbers;
  std::size_t offsets;
  std::size_t table;
};

// The header's length field `index` (0 for the names' size): -1 stands for
// 0, and other negative values make the file malformed.
std::optional<std::size_t> header_length(std::string_view bytes,
                                         std::size_t index) {
  const auto value =
      static_cast<std::int16_t>(little_endian(bytes, 2 + 2 * index, 2));
  if (value < -1) return std::nullopt;
  return value == -1 ? 0 : static_cast<std::size_t>(value);
}

std::optional<Layout> read_layout(std::string_view bytes) {
  if (bytes.size() < kHeaderSize) return std::nullopt;
  const std::uint32_t magic = little_endian(bytes, 0, 2);
  if (magic != kNarrowMagic && magic != kWideMagic) return std::nullopt;
  std::array<std::size_t, 5> lengths;
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    const auto length = header_length(bytes, i);
    if (!length) return std::nullopt;
    lengths[i] = *length;
  }
  const auto [names_size, boolean_count, number_count, string_count,
              table_size] = lengths;
  if (names_size == 0 || boolean_count > kBooleanCount ||
      number_count > kNumberCount || string_count > kStringCount)
    return std::nullopt;

  Layout layout{};
  layout.number_width = magic == kWideMagic ? 4 : 2;
  layout.boolean_count = boolean_count;
  layout.number_count = number_count;
  layout.string_count = string_count;
  layout.table_size = table_size;
  layout.names = kHeaderSize;
  layout.booleans = layout.names + names_size;
  // A pad byte after the booleans puts the numbers on an even offset.
  layout.numbers = (layout.booleans + boolean_count + 1) & ~std::size_t{1};
  layout.offsets = layout.numbers + number_count * layout.number_width;
  layout.table = layout.offsets + string_count * 2;
  // The lengths are at most 32767 each, so none of the sums can wrap.
  if (layout.table > bytes.size() || table_size > bytes.size() - layout.table)
    return std::nullopt;
  return layout;
}

// The name field: the names section without the NUL that must end it.
std::optional<TerminalDescription::Slice> name_field(std::string_view bytes,
                                                     const Layout& layout) {
  const std::string_view section =
      bytes.substr(layout.names, layout.booleans - layout.names);
  if (section.back() != '\0') return std::nullopt;
  if (!is_valid_utf8(section.substr(0, section.size() - 1)))
    return std::nullopt;
  return TerminalDescription::Slice{
      static_cast<std::uint32_t>(layout.names),
      static_cast<std::uint32_t>(section.size() - 1)};
}

void read_flags(std::string_view bytes, const Layout& layout,
                TerminalDescription& description) {
  for (std::size_t i = 0; i < layout.boolean_count; ++i)
    if (bytes[layout.booleans + i] == 1) description.set_flag(i);
}

void read_numbers(std::string_view bytes, const Layout& layout,
                  TerminalDescription& description) {
  // All bits set marks an absent number; every other value is the number,
  // including the cancelled marker -2.
  const std::uint32_t absent =
      layout.number_width == 4 ? 0xFFFFFFFF : 0xFFFF;
  for (std::size_t i = 0; i < layout.number_count; ++i) {
    const std::uint32_t value = little_endian(
        bytes, layout.numbers + i * layout.number_width, layout.number_width);
    if (value != absent) description.set_number(i, value);
  }
}

// False when a string offset points outside the table or at bytes that no
// NUL ends within it.
bool read_strings(std::string_view bytes, const Layout& layout,
                  TerminalDescription& description) {
  const std::string_view table = bytes.substr(layout.table, layout.table_size);
  for (std::size_t i = 0; i < layout.string_count; ++i) {
    const std::uint32_t offset = little_endian(bytes, layout.offsets + 2 * i, 2);
    if (offset == kAbsentOffset) continue;
    if (offset == kCancelledOffset) {
      description.set_string(i, {});
      continue;
    }
    if (offset >= table.size()) return false;
    const std::size_t end = table.find('\0', offset);
    if (end == std::string_view::npos) return false;
    description.set_string(
        i, {static_cast<std::uint32_t>(layout.table + offset),
            static_cast<std::uint32_t>(end - offset)});
  }
  return true;
}

// The whole content of the regular file open as `descriptor`, or nothing
// when it is larger than kMaxTerminfoFileSize or cannot be read.
std::optional<std::string> read_small_file(int descriptor) {
  struct stat status;
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
      static_cast<std::uintmax_t>(status.st_size) > kMaxTerminfoFileSize)
    return std::nullopt;
  std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t count =
        ::read(descriptor, bytes.data() + filled, bytes.size() - filled);
    if (count == 0) break;
    if (count < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    filled += static_cast<std::size_t>(count);
  }
  bytes.resize(filled);
  return bytes;
}

}  // namespace

std::optional<TerminalDescription> parse_terminfo(std::string bytes) {
  const std::optional<Layout> layout = read_layout(bytes);
  if (!layout) return std::nullopt;
  const auto names = name_field(bytes, *layout);
  if (!names) return std::nullopt;
  TerminalDescription description(std::move(bytes), *names);
  const std::string_view file = description.storage();
  read_flags(file, *layout, description);
  read_numbers(file, *layout, description);
  if (!read_strings(file, *layout, description)) return std::nullopt;
  return description;
}

std::optional<TerminalDescription> read_terminfo_file(const char* path) {
  // Without O_NONBLOCK, opening a FIFO would wait for a writer.
  const int descriptor = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return std::nullopt;
  std::optional<std::string> bytes = read_small_file(descriptor);
  ::close(descriptor);
  if (!bytes) return std::nullopt;
  return parse_terminfo(std::move(*bytes));
}

}  // namespace suite
