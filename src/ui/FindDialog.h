#pragma once
// The find dialog: modeless, forward only, with match-case and whole-word
// options. It keeps its search text between searches; find-next runs the
// handler the window gives it.
#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace bxl::ui {

class FindDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FindDialog(QWidget* parent = nullptr);

  QString findText() const;
  void setFindText(const QString& text);
  bool matchCase() const;
  bool wholeWord() const;
  void setOptions(bool matchCase, bool wholeWord);
  // Presses find-next, as the user does.
  void findNext();

  std::function<void()> onFind;

 private:
  QLineEdit* text_;
  QCheckBox* matchCase_;
  QCheckBox* wholeWord_;
  QPushButton* next_;
};

}  // namespace bxl::ui
