// Byte order marks decide how the command line reads and writes text.
#include "cli/text_encoding.h"

#include <gtest/gtest.h>

namespace wyc::cli {
namespace {

TEST(DetectEncoding, ByteOrderMarkDecidesAndIsRemoved) {
  using namespace std::string_view_literals;
  struct Row {
    std::string_view bytes;
    TextEncoding encoding;
    std::string_view body;
  };
  const Row rows[] = {
      {"abc", TextEncoding::Bytes, "abc"},
      {"", TextEncoding::Bytes, ""},
      {"\xEF\xBB\xBFx", TextEncoding::Utf8WithBom, "x"},
      {"\xEF\xBBx", TextEncoding::Bytes, "\xEF\xBBx"},  // half a mark is text
      {"\xFF\xFEx\0"sv, TextEncoding::Utf16Le, "x\0"sv},
      {"\xFE\xFF\0x"sv, TextEncoding::Utf16Be, "\0x"sv},
      {"\xB0\xA1", TextEncoding::Bytes, "\xB0\xA1"},  // GBK passes as bytes
  };
  for (const auto& row : rows) {
    const EncodedText detected = DetectEncoding(row.bytes);
    EXPECT_EQ(detected.encoding, row.encoding) << ::testing::PrintToString(row.bytes);
    EXPECT_EQ(detected.body, row.body);
    // Writing back the mark and the body restores the input.
    EXPECT_EQ(std::string(ByteOrderMark(detected.encoding)) + std::string(detected.body),
              row.bytes);
  }
}

TEST(DecodeUtf16, ReadsBothByteOrders) {
  using namespace std::string_view_literals;
  EXPECT_EQ(DecodeUtf16("\x31\x67\x0D\x00\x0A\x00"sv, TextEncoding::Utf16Le), u"朱\r\n");
  EXPECT_EQ(DecodeUtf16("\x67\x31\x00\x0D\x00\x0A"sv, TextEncoding::Utf16Be), u"朱\r\n");
  EXPECT_EQ(DecodeUtf16("\x3D\xD8\x00\xDE"sv, TextEncoding::Utf16Le), u"\U0001F600");
}

}  // namespace
}  // namespace wyc::cli
