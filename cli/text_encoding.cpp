// Byte order marks of command-line input.
#include "cli/text_encoding.h"

#include <array>

namespace wyc::cli {
namespace {

using namespace std::string_view_literals;

struct Mark {
  TextEncoding encoding;
  std::string_view bytes;
};
// UTF-32 LE first: its mark begins with UTF-16 LE's.
constexpr std::array<Mark, 5> kMarks{{
    {TextEncoding::Utf8WithBom, "\xEF\xBB\xBF"sv},
    {TextEncoding::Utf32Le, "\xFF\xFE\0\0"sv},
    {TextEncoding::Utf32Be, "\0\0\xFE\xFF"sv},
    {TextEncoding::Utf16Le, "\xFF\xFE"sv},
    {TextEncoding::Utf16Be, "\xFE\xFF"sv},
}};

}  // namespace

EncodedText DetectEncoding(std::string_view bytes) {
  for (const Mark& mark : kMarks) {
    if (bytes.starts_with(mark.bytes)) return {mark.encoding, bytes.substr(mark.bytes.size())};
  }
  return {TextEncoding::Bytes, bytes};
}

std::string_view ByteOrderMark(TextEncoding encoding) {
  for (const Mark& mark : kMarks) {
    if (mark.encoding == encoding) return mark.bytes;
  }
  return {};
}

std::size_t UnitBytes(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
      return 2;
    case TextEncoding::Utf32Le:
    case TextEncoding::Utf32Be:
      return 4;
    case TextEncoding::Bytes:
    case TextEncoding::Utf8WithBom:
      break;
  }
  return 1;
}

bool IsBigEndian(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16Be || encoding == TextEncoding::Utf32Be;
}

}  // namespace wyc::cli
