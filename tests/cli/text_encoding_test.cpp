// What the command line does with text: byte order marks, and names quoted for messages.
#include "cli/text_encoding.h"

#include <gtest/gtest.h>

#include "cli/quote.h"

namespace wyc::cli {
namespace {

using namespace std::string_view_literals;

TEST(DetectEncoding, ByteOrderMarkDecidesAndWritingItBackRestoresTheInput) {
  using enum TextEncoding;
  // Part of a mark is text.
  const std::pair<std::string_view, TextEncoding> rows[] = {
      {"abc", Bytes},
      {"\xEF\xBB\xBFx", Utf8WithBom},
      {"\xEF\xBBx", Bytes},
      {"\xFF\xFEx\0"sv, Utf16Le},
      {"\xFE\xFF\0x"sv, Utf16Be},
      {"\xFF\xFE\0\0x\0\0\0"sv, Utf32Le},
      {"\0\0\xFE\xFF\0\0\0x"sv, Utf32Be},
      {"\0\0\xFE"sv, Bytes},
  };
  for (const auto& [bytes, encoding] : rows) {
    const EncodedText detected = DetectEncoding(bytes);
    EXPECT_EQ(detected.encoding, encoding) << ::testing::PrintToString(bytes);
    EXPECT_EQ(std::string(ByteOrderMark(encoding)) + std::string(detected.body), bytes);
  }
}

TEST(QuoteForMessage, GivesOneLineWithoutControlCharacters) {
  // The last: a C1 control, then bytes that are not UTF-8.
  const std::string_view rows[][2] = {
      {"a.txt", "'a.txt'"},       {"it's", "'it'\\''s'"},
      {"a\nb", "'a'$'\\n''b'"},   {"\x1B[31m\t", "''$'\\033''[31m'$'\\t'''"},
      {"文章.txt", "'文章.txt'"}, {"\xC2\x9B\xFF\xE6\x96", "''$'\\302\\233\\377\\346\\226'''"},
  };
  for (const auto& [name, quoted] : rows) EXPECT_EQ(QuoteForMessage(name), quoted);
}

}  // namespace
}  // namespace wyc::cli
