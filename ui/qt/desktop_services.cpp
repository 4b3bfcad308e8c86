// Clipboard and address opening on Linux.
#include "ui/qt/desktop_services.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include "ui/qt/article_text_qt.h"

namespace wyc::ui::qt {

// X11 and Wayland give no result for taking the clipboard: the process simply becomes its owner.
bool QtClipboard::clear() {
  QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
  return true;
}

void QtClipboard::setText(std::u16string_view text, std::function<void(bool copied)> done) {
  QGuiApplication::clipboard()->setText(ExchangeTextFromArticle(text), QClipboard::Clipboard);
  done(true);
}

bool XdgOpenLauncher::open(std::u16string_view address) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return false;
  // One argument, no shell: the address reaches the opener exactly as it is written.
  return QProcess::startDetached(opener, {ToQString(address)});
}

}  // namespace wyc::ui::qt
