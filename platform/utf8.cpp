#include "platform/utf8.hpp"

#include <cstdint>

namespace suite {
namespace {

// One step of decoding: a scalar value and its length, or, when `valid` is
// false, the length of the maximal ill-formed subsequence at that position.
struct DecodedScalar {
  bool valid;
  std::size_t length;
  char32_t scalar;
};

DecodedScalar decode_at(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint8_t>(bytes[at + i]);
  };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) return {true, 1, lead};

  std::size_t length = 0;
  char32_t scalar = 0;
  std::uint8_t second_low = 0x80;  // the range of the second byte depends on
  std::uint8_t second_high = 0xBF; // the lead byte (no overlongs, surrogates)
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    scalar = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    scalar = lead & 0x0F;
    if (lead == 0xE0) second_low = 0xA0;
    if (lead == 0xED) second_high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    scalar = lead & 0x07;
    if (lead == 0xF0) second_low = 0x90;
    if (lead == 0xF4) second_high = 0x8F;
  } else {
    return {false, 1, 0};
  }

  for (std::size_t i = 1; i < length; ++i) {
    if (at + i >= bytes.size()) return {false, i, 0};
    const std::uint8_t next = byte(i);
    const std::uint8_t low = i == 1 ? second_low : 0x80;
    const std::uint8_t high = i == 1 ? second_high : 0xBF;
    if (next < low || next > high) return {false, i, 0};
    scalar = (scalar << 6) | (next & 0x3F);
  }
  return {true, length, scalar};
}

void append_hex(std::string& out, std::uint32_t value, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  char text[8];
  std::size_t count = 0;
  do {
    text[count++] = digits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  while (count > 0) out += text[--count];
}

bool is_control(char32_t scalar) {
  return scalar < 0x20 || (scalar >= 0x7F && scalar <= 0x9F);
}

}  // namespace

bool is_valid_utf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const DecodedScalar decoded = decode_at(bytes, at);
    if (!decoded.valid) return false;
    at += decoded.length;
  }
  return true;
}

void append_lossy_utf8(std::string& out, std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const DecodedScalar decoded = decode_at(bytes, at);
    if (decoded.valid)
      out.append(bytes.substr(at, decoded.length));
    else
      out += "\xEF\xBF\xBD";
    at += decoded.length;
  }
}

void append_quoted(std::string& out, std::string_view bytes) {
  out += '"';
  for (std::size_t at = 0; at < bytes.size();) {
    const DecodedScalar decoded = decode_at(bytes, at);
    if (!decoded.valid) {
      for (std::size_t i = 0; i < decoded.length; ++i) {
        out += "\\x";
        const auto invalid = static_cast<std::uint8_t>(bytes[at + i]);
        if (invalid < 0x10) out += '0';
        append_hex(out, invalid, true);
      }
    } else {
      switch (decoded.scalar) {
        case U'"': out += "\\\""; break;
        case U'\\': out += "\\\\"; break;
        case U'\n': out += "\\n"; break;
        case U'\r': out += "\\r"; break;
        case U'\t': out += "\\t"; break;
        case U'\0': out += "\\0"; break;
        default:
          if (is_control(decoded.scalar)) {
            out += "\\u{";
            append_hex(out, decoded.scalar, false);
            out += '}';
          } else {
            out.append(bytes.substr(at, decoded.length));
          }
      }
    }
    at += decoded.length;
  }
  out += '"';
}

}  // namespace suite
