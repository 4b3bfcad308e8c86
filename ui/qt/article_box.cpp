// The article box's clipboard and drop exchange.
#include "ui/qt/article_box.h"

#include <QMimeData>
#include <QTextCursor>
#include <memory>

#include "ui/qt/article_text_qt.h"
#include "ui/qt/busy_cursor.h"

namespace wyc::ui::qt {

ArticleBox::ArticleBox(QWidget* parent) : QPlainTextEdit(parent) {
  // The design has no scroll bars: long lines wrap at the right edge.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Tab moves to the next control, as in every other box of the window.
  setTabChangesFocus(true);
}

void ArticleBox::insertFromMimeData(const QMimeData* source) {
  // A paste of megabytes freezes the window while Qt lays it out.
  ShowBusyUntilRepainted(*window());
  if (source == nullptr || !source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  // Straight into the document, not through a fragment as Qt would: a quarter of a second less
  // per 10 MB. One paragraph per LF, CR or CR LF, whatever the other program's convention.
  insertPlainText(source->text());
}

QMimeData* ArticleBox::createMimeDataFromSelection() const {
  auto data = std::make_unique<QMimeData>();
  // selectedText() is the raw text, with U+2029 between paragraphs.
  data->setText(ExchangeTextFromDocument(textCursor().selectedText()));
  return data.release();  // the clipboard or the drag takes ownership
}

}  // namespace wyc::ui::qt
