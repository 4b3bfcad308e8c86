// Text1: the article box, a plain-text editor whose clipboard exchange keeps line ends and
// no-break spaces as the article has them.
#pragma once

#include <QPlainTextEdit>

namespace wyc::ui::qt {

class ArticleBox final : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ArticleBox(QWidget* parent);

 protected:
  // Shows the busy cursor while a paste is taken in.
  void insertFromMimeData(const QMimeData* source) override;
  // Qt's copy turns no-break spaces into spaces; it goes through the article text's own
  // translation instead.
  [[nodiscard]] QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace wyc::ui::qt
