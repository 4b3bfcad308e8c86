// ToAnsi: exact where the ANSI code page holds every character, flagged where it does not.
#include "ui/win32/text_conversion.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace wyc::ui::win32 {
namespace {

TEST(TextConversionTest, AsciiPathsConvertExactly) {
  for (const std::wstring text : {L"", L"C:\\tools/aero.she", L"D:\\/aero.she"}) {
    const NarrowText narrow = ToAnsi(text);
    EXPECT_TRUE(narrow.exact) << "row " << narrow.bytes;
    EXPECT_EQ(narrow.bytes, std::string(text.begin(), text.end()));
  }
}

TEST(TextConversionTest, CharactersOutsideTheCodePageAreFlaggedNotGuessed) {
  if (GetACP() == CP_UTF8) GTEST_SKIP() << "the UTF-8 code page holds every character";
  // Thai and an emoji (a surrogate pair) are in no Western or Chinese ANSI code page; "ā" would
  // be "a" under best-fit mapping, a different folder name.
  for (const std::wstring text : {L"C:\\\u0E01\u0E02", L"C:\\\U0001F600", L"C:\\\u0101bc"}) {
    if (GetACP() == 1257 && text.back() == L'c') continue;  // Baltic holds "ā"
    const NarrowText narrow = ToAnsi(text);
    EXPECT_FALSE(narrow.exact) << "row of length " << text.size();
    EXPECT_EQ(narrow.bytes.rfind("C:\\", 0), 0U) << "the representable part is kept";
  }
}

TEST(TextConversionTest, WideAndUtf16StringsRoundTrip) {
  const std::u16string text = u"朔屿\r\n\U0001F600 end";
  EXPECT_EQ(FromWide(ToWide(text)), text);
  EXPECT_EQ(ToWide(text).size(), text.size());
}

}  // namespace
}  // namespace wyc::ui::win32
