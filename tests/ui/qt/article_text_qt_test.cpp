// Line-end translation between article text and Qt's document and clipboard forms.
#include "ui/qt/article_text_qt.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace wyc::ui::qt {
namespace {

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

struct RawRow {
  std::u16string raw;
  std::u16string article;
};

TEST(ArticleFromRawText, EveryDocumentLineEndBecomesCrLfAndNothingElseChanges) {
  const std::vector<RawRow> rows = {
      {u"", u""},
      {u"abc", u"abc"},
      {u"a\u2029b", u"a\r\nb"},              // between paragraphs
      {u"a\u2028b", u"a\r\nb"},              // Shift+Enter's line break
      {u"\uFDD0a\uFDD1", u"\r\na\r\n"},      // frame marks
      {u"\u2029\u2029", u"\r\n\r\n"},        // empty paragraphs survive
      {u"a\u00A0b", u"a\u00A0b"},            // no-break space kept, unlike toPlainText()
      {u"\t \U0001F600", u"\t \U0001F600"},  // tabs, spaces, surrogate pairs
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ArticleFromRawText(Q(row.raw)), row.article) << Q(row.raw).toStdString();
  }
}

struct WriteRow {
  std::u16string article;
  std::u16string document;
  std::u16string exchange;
};

TEST(ArticleText, CrLfPairsBecomeOneSeparatorAndLoneCrOrLfStay) {
  const std::vector<WriteRow> rows = {
      {u"", u"", u""},
      {u"a\r\nb", u"a\u2029b", u"a\nb"},
      {u"a\r\n\r\nb", u"a\u2029\u2029b", u"a\n\nb"},
      {u"a\r\r\nb", u"a\r\u2029b", u"a\r\nb"},  // the CR before a CR LF is content
      {u"a\n\rb", u"a\n\rb", u"a\n\rb"},        // LF CR is not a line break
      {u"a\r", u"a\r", u"a\r"},
      {u"\r\n", u"\u2029", u"\n"},
      {u"x\u00A0y\r\n", u"x\u00A0y\u2029", u"x\u00A0y\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(DocumentTextFromArticle(row.article), Q(row.document))
        << Q(row.article).toStdString();
    EXPECT_EQ(ExchangeTextFromArticle(row.article), Q(row.exchange))
        << Q(row.article).toStdString();
  }
}

TEST(DocumentTextFromExchange, PastedLineBreaksOfEveryConventionBecomeOneBreak) {
  // The box starts one paragraph per CR, LF or U+2029 it is given: only a CR LF pair must be
  // merged before it gets there.
  const std::vector<std::pair<std::u16string, std::u16string>> rows = {
      {u"a\nb", u"a\nb"},
      {u"a\r\nb", u"a\nb"},
      {u"a\rb", u"a\rb"},
      {u"a\r\n\r\nb\n", u"a\n\nb\n"},
  };
  for (const auto& [pasted, inserted] : rows) {
    EXPECT_EQ(DocumentTextFromExchange(Q(pasted)), Q(inserted)) << Q(pasted).toStdString();
  }
}

TEST(ExchangeTextFromDocument, CopiedParagraphsBecomeLfAndSpacesStay) {
  EXPECT_EQ(ExchangeTextFromDocument(Q(u"a\u00A0b\u2029c\u2028d")), Q(u"a\u00A0b\nc\nd"));
}

}  // namespace
}  // namespace wyc::ui::qt
