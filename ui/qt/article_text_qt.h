// Article text (UTF-16, CR LF between lines) to and from the forms Qt's text box and the X11
// clipboard use.
#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace wyc::ui::qt {

// The same UTF-16 code units as a QString.
inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// QTextDocument::toRawText() keeps every character (no-break spaces too, which toPlainText()
// turns into plain spaces) but marks line ends with its own separators; each becomes CR LF.
std::u16string ArticleFromRawText(QStringView raw);

// Plain text handed to another program: LF line ends, the X11 convention.
QString ExchangeTextFromArticle(std::u16string_view article);

// Text the box hands to another program: its paragraph separators as LF, nothing else changed.
QString ExchangeTextFromDocument(QStringView text);

}  // namespace wyc::ui::qt
