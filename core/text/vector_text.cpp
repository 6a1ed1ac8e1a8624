#include "core/text/vector_text.h"

#include <iconv.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <unordered_map>

#include "core/text/windows1252.h"

namespace plot {
namespace {

// Code point to MacRoman byte, for the bytes above 127, from the C library's own table.
const std::unordered_map<char32_t, uint8_t>& mac_roman_bytes() {
  static const auto table = [] {
    std::unordered_map<char32_t, uint8_t> bytes;
    const iconv_t to_unicode = iconv_open("UTF-32LE", "MACINTOSH");
    if (to_unicode == reinterpret_cast<iconv_t>(-1)) return bytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      char in = static_cast<char>(byte);
      std::array<uint8_t, 8> out{};
      char* in_at = &in;
      auto* out_at = reinterpret_cast<char*>(out.data());
      std::size_t in_left = 1;
      std::size_t out_left = out.size();
      if (iconv(to_unicode, &in_at, &in_left, &out_at, &out_left) == static_cast<std::size_t>(-1))
        continue;
      const char32_t cp = out[0] | (out[1] << 8) | (out[2] << 16) | (char32_t{out[3]} << 24);
      bytes.emplace(cp, static_cast<uint8_t>(byte));
    }
    iconv_close(to_unicode);
    return bytes;
  }();
  return table;
}

uint8_t mac_roman_byte(char32_t cp) {
  if (cp < 0x80) return static_cast<uint8_t>(cp);
  const auto& table = mac_roman_bytes();
  const auto found = table.find(cp);
  return found != table.end() ? found->second : static_cast<uint8_t>('?');
}

uint8_t latin1_byte(char32_t cp) {
  return cp <= 0xFF ? static_cast<uint8_t>(cp) : static_cast<uint8_t>('?');
}

template <typename ByteOf>
std::string postscript_string(std::string_view codes, ByteOf&& byte_of) {
  std::string out;
  out.reserve(codes.size());
  for (const char c : codes) {
    const uint8_t byte = byte_of(cp1252_to_unicode(static_cast<uint8_t>(c)));
    if (byte == '(' || byte == ')' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte >= 0x80) {
      char octal[5];
      std::snprintf(octal, sizeof octal, "\\%03o", byte);
      out += octal;
    } else {
      out += static_cast<char>(byte);
    }
  }
  return out;
}

}  // namespace

std::string svg_text(std::string_view codes) {
  const std::string utf8 = cp1252_to_utf8(codes);
  std::string out;
  out.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string pdf_text(std::string_view codes) {
  return postscript_string(codes, mac_roman_byte);
}

std::string eps_text(std::string_view codes) {
  return postscript_string(codes, latin1_byte);
}

}  // namespace plot
