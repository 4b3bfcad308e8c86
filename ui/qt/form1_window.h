// The Linux main window: Form1's controls built from the layout table, Qt's events handed to
// Form1's handlers, and Form1's requests carried out on the widgets.
#pragma once

#include <QMetaObject>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "core/random_source.h"
#include "ui/form1.h"
#include "ui/platform.h"

namespace wyc::ui::qt {

class ArticleBox;
class InputCompletion;

class Form1Window final : public QWidget, public WindowPort {
  Q_OBJECT

 public:
  // Runs Form_Load before it returns, so before the window is first shown. The ports must
  // outlive the window.
  Form1Window(SystemPort& system, RandomSource& random);
  ~Form1Window() override;
  Form1Window(const Form1Window&) = delete;
  Form1Window& operator=(const Form1Window&) = delete;

  [[nodiscard]] std::u16string text() const override;
  void replaceText(std::u16string_view text) override;
  void focusText() override;
  void showMessage(std::u16string_view text, std::u16string_view title) override;
  void runAfterCurrentInput(std::function<void()> task) override;

 private:
  // Slots: Qt's signals reach Form1's handlers through these.
  void rewrite();
  void openWebsite();
  void openMicroblog();
  void openWebsiteFromFooter();
  void reportFocusChange(QWidget* old, QWidget* now);

  void buildControls();
  void fitFontToLabels();

  // Children of this widget: Qt deletes them with it.
  ArticleBox* text1_ = nullptr;
  InputCompletion* completion_ = nullptr;
  QMetaObject::Connection focusConnection_;
  Form1 form_;
};

}  // namespace wyc::ui::qt
