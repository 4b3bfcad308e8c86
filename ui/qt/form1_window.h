// The Linux main window: Form1's controls built from the layout table, Qt's events handed to
// Form1's handlers, and Form1's requests carried out on the widgets.
#pragma once

#include <QMetaObject>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "ui/form1.h"
#include "ui/form1_layout.h"
#include "ui/ports.h"

namespace wyc::ui::qt {

class ArticleBox;
class InputCompletion;

class Form1Window final : public QWidget, public WindowPort {
  Q_OBJECT

 public:
  // Builds the controls, still hidden.
  Form1Window();
  ~Form1Window() override;
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  // From now on the controls' events reach `form`, which must outlive the window.
  void bind(Form1& form);

  [[nodiscard]] std::u16string text() const override;
  void replaceText(std::u16string_view text) override;
  void focus(ControlName control) override;
  void showMessage(std::u16string_view text, std::u16string_view title,
                   std::function<void()> closed) override;
  void runAfterCurrentInput(std::function<void()> task) override;
  void runBusy(std::function<void()> work) override;

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void buildControls();
  void reportFocusChange(QWidget* old, QWidget* now);
  [[nodiscard]] QWidget* control(ControlName name) const;

  // Children of this widget: Qt deletes them with it. In the order of the layout table, which
  // is the tab order.
  std::array<QWidget*, kForm1Controls.size()> controls_{};
  ArticleBox* text1_ = nullptr;
  InputCompletion* completion_ = nullptr;
  Form1* form_ = nullptr;
  QMetaObject::Connection focusConnection_;
};

}  // namespace wyc::ui::qt
