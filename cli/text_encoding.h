// How command-line input is encoded, told by its byte order mark, and the conversion of its
// code units between bytes and the core's code unit types.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace wyc::cli {

enum class TextEncoding {
  Bytes,        // anything without a byte order mark: UTF-8, GBK, invalid sequences alike
  Utf8WithBom,  // processed as bytes; the mark is written back first
  Utf16Le,
  Utf16Be,
  Utf32Le,
  Utf32Be,
};

struct EncodedText {
  TextEncoding encoding = TextEncoding::Bytes;
  std::string_view body;  // the input after its byte order mark
};

EncodedText DetectEncoding(std::string_view bytes);
std::string_view ByteOrderMark(TextEncoding encoding);
// Bytes per code unit: 1, 2 or 4.
std::size_t UnitBytes(TextEncoding encoding);
bool IsBigEndian(TextEncoding encoding);

// The code units of `body`, whose size must be a multiple of sizeof(CharT).
template <class CharT>
std::basic_string<CharT> DecodeUnits(std::string_view body, bool bigEndian) {
  std::basic_string<CharT> units(body.size() / sizeof(CharT), CharT{});
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::uint32_t value = 0;
    for (std::size_t b = 0; b < sizeof(CharT); ++b) {
      const auto byte = static_cast<unsigned char>(body[i * sizeof(CharT) + b]);
      value |= std::uint32_t{byte} << (8 * (bigEndian ? sizeof(CharT) - 1 - b : b));
    }
    units[i] = static_cast<CharT>(value);
  }
  return units;
}

// Writes `units` to `out` as sizeof(CharT) bytes each in the given byte order.
template <class CharT>
void EncodeUnits(std::basic_string_view<CharT> units, bool bigEndian, char* out) {
  if constexpr (sizeof(CharT) == 1) {
    if (!units.empty()) std::memcpy(out, units.data(), units.size());
  } else {
    for (const CharT unit : units) {
      const auto value = static_cast<std::uint32_t>(unit);
      for (std::size_t b = 0; b < sizeof(CharT); ++b) {
        *out++ = static_cast<char>(value >> (8 * (bigEndian ? sizeof(CharT) - 1 - b : b)));
      }
    }
  }
}

}  // namespace wyc::cli
