#include "ui/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace bxl::ui {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent), text_(new QLineEdit(this)), matchCase_(new QCheckBox(QStringLiteral("Match &case"), this)),
      wholeWord_(new QCheckBox(QStringLiteral("Match &whole word only"), this)),
      next_(new QPushButton(QStringLiteral("&Find Next"), this)) {
  setWindowTitle(QStringLiteral("Find"));
  setModal(false);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  auto* layout = new QGridLayout(this);
  // With the text field as its buddy, "&n" is the label's shortcut, not a plain "&".
  auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
  label->setBuddy(text_);
  layout->addWidget(label, 0, 0);
  layout->addWidget(text_, 0, 1);
  layout->addWidget(next_, 0, 2);
  layout->addWidget(wholeWord_, 1, 0, 1, 2);
  layout->addWidget(cancel, 1, 2);
  layout->addWidget(matchCase_, 2, 0, 1, 2);
  next_->setDefault(true);
  // Find-next is offered only for a text to find.
  next_->setEnabled(false);
  connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) { next_->setEnabled(!text.isEmpty()); });
  connect(next_, &QPushButton::clicked, this, &FindDialog::findNext);
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindDialog::findText() const { return text_->text(); }
void FindDialog::setFindText(const QString& text) { text_->setText(text); }
bool FindDialog::matchCase() const { return matchCase_->isChecked(); }
bool FindDialog::wholeWord() const { return wholeWord_->isChecked(); }

void FindDialog::setOptions(bool matchCase, bool wholeWord) {
  matchCase_->setChecked(matchCase);
  wholeWord_->setChecked(wholeWord);
}

void FindDialog::findNext() {
  if (!findText().isEmpty() && onFind) onFind();
}

}  // namespace bxl::ui
