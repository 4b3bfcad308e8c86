// Builds Form1's window from the layout table and translates between Qt and Form1.
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>

#include "ui/form1_layout.h"
#include "ui/form1_texts.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/article_box.h"
#include "ui/qt/article_text_qt.h"
#include "ui/qt/busy_cursor.h"
#include "ui/qt/clickable_label.h"
#include "ui/qt/input_completion.h"

namespace wyc::ui::qt {
namespace {

// Tests and accessibility tools find the controls by the names Form1 gives them.
QString ObjectName(ControlName name) {
  const std::string_view text = NameOf(name);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void Place(QWidget& control, const ControlSpec& layout) {
  const PixelRect r = layout.pixels();
  control.setGeometry(r.x, r.y, r.width, r.height);
  control.setObjectName(ObjectName(layout.name));
}

// Whether a control shows its whole text in its fixed box.
bool ShowsWholeText(const QWidget& control) {
  if (const auto* label = qobject_cast<const QLabel*>(&control)) {
    // A CJK font's line is taller than its glyphs; what must fit a one-line label is the ink.
    const QFontMetrics metrics(label->font());
    const QRect box = label->contentsRect();
    return metrics.horizontalAdvance(label->text()) <= box.width() &&
           metrics.tightBoundingRect(label->text()).height() <= box.height();
  }
  const QSize needed = control.sizeHint();
  return needed.width() <= control.width() && needed.height() <= control.height();
}

// A control keeps the desktop's font unless its text would not fit its fixed box; then that
// control alone steps down until it does, but not below a readable size.
void FitFont(QWidget& control) {
  constexpr qreal kSmallestPointSize = 6.0;
  constexpr qreal kStep = 0.5;
  QFont font = control.font();
  // A pixel-sized font has no point size to step: leave the desktop's choice alone.
  while (font.pointSizeF() - kStep >= kSmallestPointSize && !ShowsWholeText(control)) {
    font.setPointSizeF(font.pointSizeF() - kStep);
    control.setFont(font);
  }
}

}  // namespace

Form1Window::Form1Window() : completion_(new InputCompletion(this)) {
  InstallAccessibility();
  setWindowTitle(ToQString(texts::kCaption));
  // No layout manager: resizing or maximising the window moves nothing.
  resize(kClientWidth, kClientHeight);
  buildControls();
  focus(ControlName::Text1);
}

Form1Window::~Form1Window() {
  // Deleting the focused box emits focusChanged, which must not reach a half-destroyed window.
  disconnect(focusConnection_);
}

void Form1Window::bind(Form1& form) {
  form_ = &form;
  for (const ClickHandler& binding : kClickHandlers) {
    QWidget* control = this->control(binding.control);
    const auto handler = [this, control = binding.control] { form_->Click(control); };
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      connect(button, &QPushButton::clicked, this, handler);
    } else if (auto* label = qobject_cast<ClickableLabel*>(control)) {
      connect(label, &ClickableLabel::clicked, this, handler);
    }
  }
  focusConnection_ =
      connect(qApp, &QApplication::focusChanged, this, &Form1Window::reportFocusChange);
}

void Form1Window::buildControls() {
  QWidget* previous = nullptr;
  // The table lists the controls in tab order, so creating them in turn sets that order.
  for (std::size_t i = 0; i < kForm1Controls.size(); ++i) {
    const ControlSpec& layout = kForm1Controls[i];
    QWidget* control = nullptr;
    switch (layout.kind) {
      case ControlKind::TextBox:
        text1_ = new ArticleBox(this);  // NOLINT(cppcoreguidelines-owning-memory): Qt parent
        text1_->setPlainText(ToQString(layout.text));
        // The placeholder is selected, so the first typing or paste replaces it.
        text1_->selectAll();
        text1_->setAccessibleName(ToQString(texts::kArticleBoxName));
        text1_->setAccessibleDescription(ToQString(LayoutOf(ControlName::Label1).text));
        control = text1_;
        break;
      case ControlKind::PushButton: {
        auto* button = new QPushButton(ToQString(layout.text), this);
        // No default button: Enter in the text box is a line break, and on a button it
        // presses that button.
        button->setAutoDefault(false);
        button->installEventFilter(this);
        control = button;
        break;
      }
      case ControlKind::Label: {
        const bool clickable = ClickHandlerOf(layout.name) != nullptr;
        // NOLINTNEXTLINE(cppcoreguidelines-owning-memory)
        auto* label = clickable ? new ClickableLabel(this) : new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText(ToQString(layout.text));
        label->setFocusPolicy(Qt::NoFocus);
        if (clickable) label->setCursor(Qt::PointingHandCursor);
        control = label;
        break;
      }
    }
    controls_[i] = control;
    Place(*control, layout);
    if (control != text1_) FitFont(*control);
    if (layout.takesFocus()) {
      if (previous != nullptr) QWidget::setTabOrder(previous, control);
      previous = control;
    }
  }
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      button->animateClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

std::u16string Form1Window::text() const {
  // Not toPlainText(): that turns no-break spaces into spaces.
  return ArticleFromRawText(text1_->document()->toRawText());
}

void Form1Window::replaceText(std::u16string_view text) {
  // One edit block over the whole document is one undo step, so Ctrl+Z brings back the
  // article; setPlainText() would clear the undo history instead.
  QTextCursor cursor(text1_->document());
  cursor.beginEditBlock();
  cursor.select(QTextCursor::Document);
  // insertText starts a paragraph at each CR LF, and at a lone CR or LF as the box always does.
  cursor.insertText(ToQString(text));
  cursor.endEditBlock();
  // Without scroll bars the box shows where its caret is: the start of the new text.
  text1_->moveCursor(QTextCursor::Start);
}

QWidget* Form1Window::control(ControlName name) const { return controls_[IndexOf(name)]; }

void Form1Window::focus(ControlName name) {
  // setFocus() ignores a widget's focus policy; a label must not take the focus.
  if (LayoutOf(name).takesFocus()) control(name)->setFocus(Qt::OtherFocusReason);
}

void Form1Window::showMessage(std::u16string_view text, std::u16string_view title,
                              std::function<void()> closed) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(title), ToQString(text), QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  // An address in the message can be selected and copied, to open it by hand.
  box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box.exec();
  if (closed) closed();
}

void Form1Window::runBusy(std::function<void()> work) {
  ShowBusyUntilRepainted(*this);
  work();
}

void Form1Window::runAfterCurrentInput(std::function<void()> task) {
  completion_->runAfterCurrentInput(std::move(task));
}

void Form1Window::reportFocusChange(QWidget* old, QWidget* now) {
  if (form_ == nullptr || old != text1_ || now == text1_) return;
  // Focus that went to another window (a message box, another application's window: Qt then
  // reports nothing) or away with the window closing did not go to one of this window's
  // controls. The box's context menu does not count either; Qt reports no change for it, but
  // a popup that takes the focus itself might.
  const bool toOwnControl =
      now != nullptr && now->window() == this && QApplication::activePopupWidget() == nullptr;
  form_->Text1_LostFocus(toOwnControl ? FocusDestination::OtherControl
                                      : FocusDestination::OutsideWindow);
}

}  // namespace wyc::ui::qt
