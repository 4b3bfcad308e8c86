// Entry point of the Linux window: the application object, the window with Form1 bound to it,
// and the event loop.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/random_source.h"
#include "ui/form1.h"
#include "ui/qt/desktop_services.h"
#include "ui/qt/form1_window.h"
#include "ui/system_clock.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setDesktopFileName(QStringLiteral(WYC_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/weiyuanchuang-32.png")));
  // The program speaks Chinese (PRC) whatever the system's locale, Qt's own texts (the message
  // box's button, the text box's menu) included; without their file these stay English.
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }

  wyc::ui::qt::Form1Window window;
  wyc::ui::qt::QtClipboard clipboard;
  wyc::ui::qt::XdgOpenLauncher launcher;
  wyc::ui::SystemClock clock;
  wyc::ui::Form1 form(window, {.clipboard = clipboard,
                               .launcher = launcher,
                               .clock = clock,
                               .random = wyc::ProcessRandomSource()});
  window.bind(form);
  form.Form_Load();
  window.show();
  return QApplication::exec();
}
