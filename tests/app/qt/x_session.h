// An Xvfb display of a test's own, and the real program on it driven from outside the way a
// person's desktop would: xdotool for keys and clicks, xclip for the clipboard.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

#include "ui/form1_layout.h"

namespace wyc::app::linux_test {

// Polls `condition` until it holds or `milliseconds` have passed; says whether it held.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 10000);

class XSession {
 public:
  // Starts Xvfb on a display number it picks itself, so parallel runs never collide.
  XSession();
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  [[nodiscard]] bool started() const { return !display_.isEmpty(); }
  [[nodiscard]] QProcessEnvironment environment() const;
  // Runs `program` on the display to its end and returns its standard output.
  [[nodiscard]] QString output(const QString& program, const QStringList& arguments,
                               const QByteArray& input = {}) const;
  void run(const QString& program, const QStringList& arguments) const;
  [[nodiscard]] QString clipboard() const;
  // xclip keeps serving the text from the background until another program takes it over.
  void setClipboard(const QString& text) const;

 private:
  QProcess xvfb_;
  QString display_;
};

// The real `weiyuanchuang` on a session, with a fake xdg-open first on its PATH that records
// the arguments it is given.
class WindowProgram {
 public:
  enum class Opener { Recording, Missing };
  explicit WindowProgram(const XSession& session, Opener opener = Opener::Recording);
  ~WindowProgram();
  WindowProgram(const WindowProgram&) = delete;
  WindowProgram& operator=(const WindowProgram&) = delete;

  // The program's main window; empty when it never appeared.
  [[nodiscard]] const QString& window() const { return window_; }
  // One "argument count|first argument" line per launch of the opener.
  [[nodiscard]] QStringList opened() const;
  // Visible message boxes of this program (they carry the title "工程1").
  [[nodiscard]] int boxes() const;

  void click(ui::ControlName control, int button = 1) const;
  void keys(const QStringList& keys) const;
  void focus() const;
  // Closes the open message box with Enter, as a person would.
  void dismissBox() const;
  // Puts `text` in the box through the clipboard, replacing what it held.
  void paste(const QString& text) const;
  // Copies the box's whole text with Ctrl+A, Ctrl+C and reads it back from the clipboard.
  [[nodiscard]] QString copyAll() const;

 private:
  [[nodiscard]] QStringList windowsNamed(const QString& pattern) const;

  const XSession& session_;
  QTemporaryDir bin_;
  QProcess process_;
  QString window_;
};

}  // namespace wyc::app::linux_test
