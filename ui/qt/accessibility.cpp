// Accessible interfaces for the two widget classes Qt would describe wrongly: a plain top-level
// QWidget passes for a filler, a label that opens a page for static text.
#include "ui/qt/accessibility.h"

#include <QAccessibleWidget>

#include "ui/qt/clickable_label.h"
#include "ui/qt/form1_window.h"

namespace wyc::ui::qt {
namespace {

// QAccessibleWidget is already the action interface: only the actions change.
class LinkAccessible final : public QAccessibleWidget {
 public:
  explicit LinkAccessible(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

  [[nodiscard]] QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Name ? label()->text() : QAccessibleWidget::text(kind);
  }
  // Named as other toolkits name a link's action.
  [[nodiscard]] QStringList actionNames() const override { return {QStringLiteral("click")}; }
  void doAction(const QString& action) override {
    if (action == QStringLiteral("click")) emit label()->clicked();
  }

 private:
  [[nodiscard]] ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

// Qt owns what a factory returns.
QAccessibleInterface* Describe(const QString& className, QObject* object) {
  // NOLINTBEGIN(cppcoreguidelines-owning-memory)
  if (className == QLatin1String(Form1Window::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  if (className == QLatin1String(ClickableLabel::staticMetaObject.className())) {
    return new LinkAccessible(static_cast<ClickableLabel*>(object));
  }
  // NOLINTEND(cppcoreguidelines-owning-memory)
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&Describe);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace wyc::ui::qt
