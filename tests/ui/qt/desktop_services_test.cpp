// The Linux address opener: the window names the address in its cannot-open message only when
// the opener says it failed, so the opener must tell a missing xdg-open from a started one.
#include "ui/qt/desktop_services.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace wyc::ui::qt {
namespace {

TEST(XdgOpenLauncher, SucceedsOnlyWhenXdgOpenIsOnThePath) {
  const QTemporaryDir bin;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", bin.path().toLocal8Bit());
  EXPECT_FALSE(XdgOpenLauncher().open(u"http://shuoyu.example"));
  QFile opener(bin.filePath(QStringLiteral("xdg-open")));
  ASSERT_TRUE(opener.open(QIODevice::WriteOnly) && opener.write("#!/bin/sh\n") > 0);
  opener.close();
  opener.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_TRUE(XdgOpenLauncher().open(u"http://shuoyu.example"));
  qputenv("PATH", path);
}

}  // namespace
}  // namespace wyc::ui::qt
