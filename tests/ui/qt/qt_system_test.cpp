// The Linux system services: the desktop opener through PATH, the clipboard's line ends, the
// narrow encoding and paths.
#include "ui/qt/qt_system.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <utility>
#include <vector>

namespace wyc::ui::qt {
namespace {

QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Puts a directory first on PATH for the test's lifetime.
class ScopedPath {
 public:
  explicit ScopedPath(const QString& directory) : saved_(qgetenv("PATH")) {
    qputenv("PATH", (directory + ":" + QString::fromLocal8Bit(saved_)).toLocal8Bit());
  }
  ~ScopedPath() { qputenv("PATH", saved_); }
  ScopedPath(const ScopedPath&) = delete;
  ScopedPath& operator=(const ScopedPath&) = delete;

 private:
  QByteArray saved_;
};

// A stand-in for xdg-open that writes its argument count and arguments, one a line.
bool WriteFakeOpener(const QString& directory, const QString& record) {
  QFile script(directory + "/xdg-open");
  if (!script.open(QIODevice::WriteOnly)) return false;
  script.write(QStringLiteral("#!/bin/sh\n{ echo \"$#\"; printf '%s\\n' \"$@\"; } > '%1.tmp'\n"
                              "mv '%1.tmp' '%1'\n")
                   .arg(record)
                   .toUtf8());
  script.close();
  return script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString WaitForRecord(const QString& record) {
  QFile file(record);
  const QDeadlineTimer deadline(10000);
  while (!file.exists() && !deadline.hasExpired()) QTest::qWait(10);
  if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("(opener never ran)");
  return QString::fromUtf8(file.readAll());
}

TEST(QtSystem, OpenAddressHandsTheOpenerExactlyOneUntouchedArgument) {
  const std::vector<std::u16string> addresses = {
      u"http://shuoyu.example", u"http://weibo.example/朔屿",
      u"http://a.example/x y",            // a shell would split here
      u"http://a.example/?a=1&b=$HOME;",  // and expand or chain here
  };
  QTemporaryDir bin;
  ASSERT_TRUE(bin.isValid());
  const ScopedPath path(bin.path());
  QtSystem system;
  int n = 0;
  for (const auto& address : addresses) {
    const QString record = bin.filePath(QString::number(n++));
    ASSERT_TRUE(WriteFakeOpener(bin.path(), record));
    EXPECT_TRUE(system.openAddress(address));
    EXPECT_EQ(WaitForRecord(record), "1\n" + Q(address) + "\n");
  }
}

TEST(QtSystem, OpenAddressReportsFailureWhenNoOpenerIsFound) {
  QTemporaryDir empty;
  ASSERT_TRUE(empty.isValid());
  const QByteArray saved = qgetenv("PATH");
  qputenv("PATH", empty.path().toLocal8Bit());
  QtSystem system;
  const bool opened = system.openAddress(u"http://shuoyu.example");
  qputenv("PATH", saved);
  EXPECT_FALSE(opened);
}

TEST(QtSystem, ClipboardGetsLfLineBreaksAfterBeingCleared) {
  QGuiApplication::clipboard()->setText(QStringLiteral("before"));
  QtSystem system;
  ASSERT_TRUE(system.clearClipboard());
  EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
  ASSERT_TRUE(system.setClipboardText(u"b\u00A01\r\n\r\na\r\n"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), Q(u"b\u00A01\n\na\n"));
}

TEST(QtSystem, NarrowTextIsExactOnlyWhenItConvertsBack) {
  const QtSystem system;
  const std::vector<std::pair<std::u16string, bool>> rows = {
      {u"", true},
      {u"/opt/wyc/aero.she", true},
      {u"/home/用户/工具/aero.she", true},    // Linux's narrow encoding is UTF-8
      {std::u16string(1, u'\xD800'), false},  // a lone surrogate has no encoding
  };
  for (const auto& [text, exact] : rows) {
    const NarrowText narrow = system.toSystemNarrow(text);
    EXPECT_EQ(narrow.exact, exact) << Q(text).toStdString();
    if (exact) {
      EXPECT_EQ(QString::fromLocal8Bit(narrow.bytes), Q(text));
    }
  }
}

TEST(QtSystem, PathsAreTheExecutablesDirectoryWithNoShortForm) {
  const QtSystem system;
  EXPECT_EQ(Q(system.applicationDirectory()), QCoreApplication::applicationDirPath());
  EXPECT_EQ(system.shortPath(u"/home/用户/工具"), u"/home/用户/工具");
}

}  // namespace
}  // namespace wyc::ui::qt
