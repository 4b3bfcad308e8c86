// Byte order marks and UTF-16 decoding for the command line.
#include "cli/text_encoding.h"

#include <cassert>

namespace wyc::cli {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

}  // namespace

EncodedText DetectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return {TextEncoding::Utf8WithBom, bytes.substr(3)};
  if (bytes.starts_with(kUtf16LeBom)) return {TextEncoding::Utf16Le, bytes.substr(2)};
  if (bytes.starts_with(kUtf16BeBom)) return {TextEncoding::Utf16Be, bytes.substr(2)};
  return {TextEncoding::Bytes, bytes};
}

std::string_view ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8WithBom:
      return kUtf8Bom;
    case TextEncoding::Utf16Le:
      return kUtf16LeBom;
    case TextEncoding::Utf16Be:
      return kUtf16BeBom;
    case TextEncoding::Bytes:
      break;
  }
  return {};
}

bool IsUtf16(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

std::u16string DecodeUtf16(std::string_view body, TextEncoding encoding) {
  assert(IsUtf16(encoding) && body.size() % 2 == 0);
  const bool bigEndian = encoding == TextEncoding::Utf16Be;
  std::u16string units(body.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto first = static_cast<unsigned char>(body[2 * i]);
    const auto second = static_cast<unsigned char>(body[2 * i + 1]);
    units[i] = bigEndian ? static_cast<char16_t>(first << 8 | second)
                         : static_cast<char16_t>(second << 8 | first);
  }
  return units;
}

}  // namespace wyc::cli
