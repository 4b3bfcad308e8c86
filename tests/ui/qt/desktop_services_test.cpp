// The Linux address opener: the window names the address in its cannot-open message only when
// the opener says it failed, as it must when the desktop has no xdg-open at all.
#include "ui/qt/desktop_services.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace wyc::ui::qt {
namespace {

TEST(XdgOpenLauncher, FailsWhenNoXdgOpenIsOnThePath) {
  const QTemporaryDir empty;
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", empty.path().toLocal8Bit());
  const bool opened = XdgOpenLauncher().open(u"http://shuoyu.example");
  qputenv("PATH", path);
  EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace wyc::ui::qt
