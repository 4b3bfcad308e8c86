// Clipboard, address opening, paths and time of day on Linux.
#include "ui/qt/qt_system.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include "core/time_of_day.h"
#include "ui/qt/article_text_qt.h"

namespace wyc::ui::qt {
namespace {

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// X11 gives no result for taking the clipboard: the process simply becomes its owner.
bool QtSystem::clearClipboard() {
  QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
  return true;
}

bool QtSystem::setClipboardText(std::u16string_view text) {
  QGuiApplication::clipboard()->setText(ExchangeTextFromArticle(text), QClipboard::Clipboard);
  return true;
}

bool QtSystem::openAddress(std::u16string_view address) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return false;
  // One argument, no shell: the address reaches the opener exactly as it is written.
  return QProcess::startDetached(opener, {ToQString(address)});
}

std::u16string QtSystem::applicationDirectory() const {
  return QCoreApplication::applicationDirPath().toStdU16String();
}

NarrowText QtSystem::toSystemNarrow(std::u16string_view text) const {
  const QString wide = ToQString(text);
  const QByteArray narrow = wide.toLocal8Bit();
  return {narrow.toStdString(), QString::fromLocal8Bit(narrow) == wide};
}

// Linux paths have no short form.
std::u16string QtSystem::shortPath(std::u16string_view directory) const {
  return std::u16string(directory);
}

// There is no skin engine for Linux: the window keeps the desktop's own look.
void QtSystem::attachSkin(const std::string& /*skinPath*/, const std::string& /*options*/) {}

float QtSystem::secondsSinceMidnight() const { return wyc::SecondsSinceMidnight(); }

}  // namespace wyc::ui::qt
