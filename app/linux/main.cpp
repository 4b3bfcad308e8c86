// Entry point of the Linux window: the application object, the window and the event loop.
#include <QApplication>
#include <QIcon>

#include "core/random_source.h"
#include "ui/qt/form1_window.h"
#include "ui/qt/qt_system.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral(WYC_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/weiyuanchuang-32.png")));
  wyc::ui::qt::QtSystem system;
  wyc::ui::qt::Form1Window window(system, wyc::ProcessRandomSource());
  window.show();
  return QApplication::exec();
}
