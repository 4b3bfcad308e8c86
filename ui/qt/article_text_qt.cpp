// Line-end translation between the article text and Qt's text box and clipboard.
#include "ui/qt/article_text_qt.h"

namespace wyc::ui::qt {
namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

// The characters a QTextDocument uses between its blocks and for forced line breaks.
constexpr bool IsDocumentLineEnd(char16_t c) {
  return c == u'\u2029' || c == u'\u2028' || c == u'\uFDD0' || c == u'\uFDD1';
}

}  // namespace

// Every CR LF becomes LF; a lone CR or LF stays as it is. Written through a pointer into a
// buffer of the final size: a 10 MB article passes here on every run.
QString ExchangeTextFromArticle(std::u16string_view text) {
  QString out(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  auto* write = reinterpret_cast<char16_t*>(out.data());
  const char16_t* const begin = write;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kCr && i + 1 < text.size() && text[i + 1] == kLf) {
      *write++ = kLf;
      ++i;
    } else {
      *write++ = text[i];
    }
  }
  out.truncate(write - begin);
  return out;
}

std::u16string ArticleFromRawText(QStringView raw) {
  std::size_t lineEnds = 0;
  for (const QChar c : raw) lineEnds += IsDocumentLineEnd(c.unicode()) ? 1 : 0;
  std::u16string out(static_cast<std::size_t>(raw.size()) + lineEnds, u'\0');
  char16_t* write = out.data();
  for (const QChar c : raw) {
    if (IsDocumentLineEnd(c.unicode())) {
      *write++ = kCr;
      *write++ = kLf;
    } else {
      *write++ = c.unicode();
    }
  }
  return out;
}

QString ExchangeTextFromDocument(QStringView text) {
  QString out = text.toString();
  for (QChar& c : out) {
    if (IsDocumentLineEnd(c.unicode())) c = QChar(kLf);
  }
  return out;
}

}  // namespace wyc::ui::qt
