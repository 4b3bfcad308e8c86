// What the command line does with text: byte order marks, code units in both byte orders, the
// line break convention, and names quoted for messages.
#include "cli/text_encoding.h"

#include <gtest/gtest.h>

#include "cli/line_break.h"
#include "cli/quote.h"

namespace wyc::cli {
namespace {

using namespace std::string_view_literals;

TEST(DetectEncoding, ByteOrderMarkDecidesAndWritingItBackRestoresTheInput) {
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
      {"\xFF\xFE\0\0x\0\0\0"sv, TextEncoding::Utf32Le, "x\0\0\0"sv},
      {"\0\0\xFE\xFF\0\0\0x"sv, TextEncoding::Utf32Be, "\0\0\0x"sv},
      {"\0\0\xFE"sv, TextEncoding::Bytes, "\0\0\xFE"sv},
  };
  for (const auto& row : rows) {
    const EncodedText detected = DetectEncoding(row.bytes);
    EXPECT_EQ(detected.encoding, row.encoding) << ::testing::PrintToString(row.bytes);
    EXPECT_EQ(detected.body, row.body);
    EXPECT_EQ(std::string(ByteOrderMark(detected.encoding)) + std::string(detected.body),
              row.bytes);
  }
}

TEST(DecodeUnits, ReadsAndWritesBothByteOrders) {
  const std::u32string text = U"朱\r\n\U0001F600";
  const std::string_view bytes[] = {"\x31\x67\0\0\r\0\0\0\n\0\0\0\x00\xF6\x01\0"sv,
                                    "\0\0\x67\x31\0\0\0\r\0\0\0\n\0\x01\xF6\x00"sv};
  for (const bool bigEndian : {false, true}) {
    EXPECT_EQ(DecodeUnits<char32_t>(bytes[bigEndian], bigEndian), text);
    std::string encoded(bytes[bigEndian].size(), '\0');
    EncodeUnits<char32_t>(text, bigEndian, encoded.data());
    EXPECT_EQ(encoded, bytes[bigEndian]);
  }
  EXPECT_EQ(DecodeUnits<char16_t>("\x67\x31\x00\x0D"sv, true), u"朱\r");
}

TEST(DetectLineBreak, TheFirstLineBreakDecides) {
  const std::string_view rows[][2] = {
      {"a\r\nb\nc", "\r\n"}, {"a\nb\r\nc", "\n"}, {"abc", "\n"},      {"", "\n"},
      {"a\rb\r\nc", "\r\n"}, {"\na", "\n"},       {"\r\r\n", "\r\n"}, {"a\r", "\n"},
  };
  for (const auto& [text, lineBreak] : rows) {
    EXPECT_EQ(DetectLineBreak(text), lineBreak) << ::testing::PrintToString(text);
  }
}

TEST(QuoteForMessage, GivesOneLineWithoutControlCharacters) {
  const std::string_view rows[][2] = {
      {"a.txt", "'a.txt'"},
      {"", "''"},
      {"it's", "'it'\\''s'"},
      {"a\nb", "'a'$'\\n''b'"},
      {"\x1B[31m\t", "''$'\\033''[31m'$'\\t'''"},
      {"文章.txt", "'文章.txt'"},
      {"\xC2\x9B\xFF\xE6\x96", "''$'\\302\\233\\377\\346\\226'''"},  // C1 control, not UTF-8
  };
  for (const auto& [name, quoted] : rows) EXPECT_EQ(QuoteForMessage(name), quoted);
}

}  // namespace
}  // namespace wyc::cli
