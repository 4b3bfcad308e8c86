// Xvfb, the program under test and the X tools that drive it.
#include "x_session.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include "ui/form1_texts.h"

namespace wyc::app::linux_test {
namespace {

constexpr int kToolTimeoutMs = 10000;

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

void Stop(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (!process.waitForFinished(3000)) {
    process.kill();
    process.waitForFinished(3000);
  }
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
  const QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QThread::msleep(50);
  }
  return true;
}

XSession::XSession() {
  // -displayfd 1: Xvfb takes the first free display number and prints it once it is ready.
  // -noreset: a program that starts just as the previous last client quits must not meet a
  // server in the middle of its reset.
  xvfb_.start(QStringLiteral("Xvfb"),
              {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
  if (!xvfb_.waitForStarted(kToolTimeoutMs)) return;
  QByteArray number;
  const QDeadlineTimer deadline(kToolTimeoutMs);
  while (!number.contains('\n') && !deadline.hasExpired() && xvfb_.state() == QProcess::Running) {
    xvfb_.waitForReadyRead(100);
    number += xvfb_.readAllStandardOutput();
  }
  if (number.contains('\n')) display_ = ":" + QString::fromLatin1(number.trimmed());
}

XSession::~XSession() { Stop(xvfb_); }

QProcessEnvironment XSession::environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), display_);
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
  return environment;
}

void XSession::run(const QString& program, const QStringList& arguments) const {
  static_cast<void>(output(program, arguments));
}

QString XSession::output(const QString& program, const QStringList& arguments,
                         const QByteArray& input) const {
  QProcess tool;
  tool.setProcessEnvironment(environment());
  tool.start(program, arguments);
  if (!tool.waitForStarted(kToolTimeoutMs)) return {};
  tool.write(input);
  tool.closeWriteChannel();
  if (!tool.waitForFinished(kToolTimeoutMs)) Stop(tool);
  return QString::fromUtf8(tool.readAllStandardOutput());
}

QString XSession::clipboard() const {
  return output(QStringLiteral("xclip"), {"-o", "-selection", "clipboard"});
}

void XSession::setClipboard(const QString& text) const {
  QProcess xclip;
  xclip.setProcessEnvironment(environment());
  // Its background half keeps the pipes open; only the foreground half is waited for.
  xclip.setStandardOutputFile(QProcess::nullDevice());
  xclip.setStandardErrorFile(QProcess::nullDevice());
  xclip.start(QStringLiteral("xclip"), {"-i", "-selection", "clipboard"});
  if (!xclip.waitForStarted(kToolTimeoutMs)) return;
  xclip.write(text.toUtf8());
  xclip.closeWriteChannel();
  xclip.waitForFinished(kToolTimeoutMs);
  WaitFor([this, &text] { return clipboard() == text; });
}

WindowProgram::WindowProgram(const XSession& session, Opener opener) : session_(session) {
  QProcessEnvironment environment = session.environment();
  if (opener == Opener::Recording) {
    QFile script(bin_.filePath(QStringLiteral("xdg-open")));
    if (script.open(QIODevice::WriteOnly)) {
      script.write(QStringLiteral("#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" >> '%1'\n")
                       .arg(bin_.filePath(QStringLiteral("opened.log")))
                       .toUtf8());
      script.close();
      script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    environment.insert(QStringLiteral("PATH"),
                       bin_.path() + ":" + environment.value(QStringLiteral("PATH")));
  } else {
    environment.insert(QStringLiteral("PATH"), bin_.path());
  }
  process_.setProcessEnvironment(environment);
  process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_.setStandardOutputFile(QProcess::nullDevice());
  process_.start(QStringLiteral(WYC_WINDOW_PATH), {});
  if (!process_.waitForStarted(kToolTimeoutMs)) return;
  WaitFor([this] {
    const QStringList found = windowsNamed("^" + ToQString(ui::texts::kCaption) + "$");
    if (!found.isEmpty()) window_ = found.front();
    return !window_.isEmpty();
  });
  focus();
}

WindowProgram::~WindowProgram() { Stop(process_); }

QStringList WindowProgram::windowsNamed(const QString& pattern) const {
  return session_
      .output(QStringLiteral("xdotool"), {"search", "--all", "--onlyvisible", "--pid",
                                          QString::number(process_.processId()), "--name", pattern})
      .split('\n', Qt::SkipEmptyParts);
}

QStringList WindowProgram::opened() const {
  QFile log(bin_.filePath(QStringLiteral("opened.log")));
  if (!log.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
}

int WindowProgram::boxes() const {
  return static_cast<int>(windowsNamed("^" + ToQString(ui::texts::kApplicationTitle) + "$").size());
}

void WindowProgram::click(ui::ControlName control, int button) const {
  const ui::PixelRect r = ui::LayoutOf(control).pixels();
  session_.run(QStringLiteral("xdotool"),
               {"mousemove", "--window", window_, QString::number(r.x + r.width / 2),
                QString::number(r.y + r.height / 2), "click", QString::number(button)});
}

void WindowProgram::keys(const QStringList& keys) const {
  QStringList arguments{"key", "--delay", "30"};
  arguments += keys;
  session_.run(QStringLiteral("xdotool"), arguments);
}

void WindowProgram::focus() const {
  session_.run(QStringLiteral("xdotool"), {"windowfocus", "--sync", window_});
}

void WindowProgram::dismissBox() const {
  const QStringList open = windowsNamed("^" + ToQString(ui::texts::kApplicationTitle) + "$");
  if (open.isEmpty()) return;
  session_.run(QStringLiteral("xdotool"), {"windowfocus", "--sync", open.front()});
  keys({"Return"});
  WaitFor([this] { return boxes() == 0; });
  // Xvfb has no window manager to hand the focus back to the main window, as a desktop does
  // when a dialog closes; without it Qt sees its window inactive and reports no focus changes.
  focus();
}

void WindowProgram::paste(const QString& text) const {
  session_.setClipboard(text);
  keys({"ctrl+a", "ctrl+v"});
}

QString WindowProgram::copyAll() const {
  // A marker first, so the copy that follows is known to have landed.
  session_.setClipboard(QStringLiteral("(nothing copied)"));
  keys({"ctrl+a", "ctrl+c"});
  QString text;
  WaitFor([this, &text] {
    text = session_.clipboard();
    return text != QStringLiteral("(nothing copied)");
  });
  return text;
}

}  // namespace wyc::app::linux_test
