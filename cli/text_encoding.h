// How command-line input is encoded, told by its byte order mark.
#pragma once

#include <string>
#include <string_view>

namespace wyc::cli {

enum class TextEncoding {
  Bytes,        // anything without a byte order mark: UTF-8, GBK, invalid sequences alike
  Utf8WithBom,  // processed as bytes; the mark is written back first
  Utf16Le,
  Utf16Be,
};

struct EncodedText {
  TextEncoding encoding = TextEncoding::Bytes;
  std::string_view body;  // the input after its byte order mark
};

EncodedText DetectEncoding(std::string_view bytes);
std::string_view ByteOrderMark(TextEncoding encoding);
bool IsUtf16(TextEncoding encoding);

// `body` must hold an even number of bytes.
std::u16string DecodeUtf16(std::string_view body, TextEncoding encoding);

}  // namespace wyc::cli
