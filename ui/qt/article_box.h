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
  // Qt would make a CR LF pair into two paragraphs, and its copy turns no-break spaces into
  // spaces; both go through the article text's own translation instead.
  void insertFromMimeData(const QMimeData* source) override;
  [[nodiscard]] QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace wyc::ui::qt
