#pragma once
// The kinds of control the windows are made of. Each kind is its own class so
// that "every control whose class is exactly X" can be told apart at run time.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace bxl::ui {

// A plain label.
class Label : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
};

// A label with a soft gradient, used for headers and result titles.
class SmoothLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
};

// A plain push button; the hidden command buttons are of this kind too.
class Button : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;
};

// A push button with a picture.
class BitBtn : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;
};

// A styled push button.
class SmoothButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;
};

// A styled button with a Down state: Down is the button's checked state, which a
// click flips before the command runs and which commands set explicitly.
class SmoothToggleButton : public QPushButton {
  Q_OBJECT
 public:
  explicit SmoothToggleButton(QWidget* parent = nullptr) : QPushButton(parent) { setCheckable(true); }
};

// A flat button; the lookup window's row and column labels are of this kind.
class SpeedButton : public QToolButton {
  Q_OBJECT
 public:
  explicit SpeedButton(QWidget* parent = nullptr) : QToolButton(parent) { setAutoRaise(true); }
};

class Panel : public QFrame {
  Q_OBJECT
 public:
  using QFrame::QFrame;
};

// A separator line.
class Bevel : public QFrame {
  Q_OBJECT
 public:
  explicit Bevel(QWidget* parent = nullptr) : QFrame(parent) { setFrameShape(QFrame::HLine); }
};

class Edit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
};

// An edit of a fixed number of positions, each taking the kind of character its
// mask names; a position not yet filled shows the mask's blank character.
class MaskEdit : public QLineEdit {
  Q_OBJECT
 public:
  using QLineEdit::QLineEdit;
  // A mask as "POSITIONS;KEEP;BLANK": L a letter that must be given, l a
  // letter that may be; KEEP (whether literals are kept) has no meaning for
  // masks of letters only; BLANK fills empty positions ("LLL;1;*").
  void setEditMask(const QString& mask);
  // The text as it reads, the blank character in every empty position ("AU*").
  QString maskedText() const { return displayText(); }
  // Puts each character at its own position: "A*G" stays "A*G" where
  // setText would close the gap.
  void setMaskedText(const QString& text);

 private:
  QChar blank_ = QLatin1Char(' ');
};

class ListBox : public QListWidget {
  Q_OBJECT
 public:
  using QListWidget::QListWidget;
};

class ProgressBar : public QProgressBar {
  Q_OBJECT
 public:
  using QProgressBar::QProgressBar;
};

// A timer whose ticks can also be delivered by hand. It runs by itself only
// where the desktop says timers run; scripted runs deliver ticks explicitly.
class Timer : public QObject {
  Q_OBJECT
 public:
  explicit Timer(QObject* parent = nullptr);
  bool isEnabled() const { return enabled_; }
  void setEnabled(bool enabled);
  int interval() const { return timer_.interval(); }
  void setInterval(int ms) { timer_.setInterval(ms); }
  void tick() { emit ticked(); }

 signals:
  void ticked();

 private:
  QTimer timer_;
  bool enabled_ = false;
};

// A dialog or other component without a face of its own on the window.
class Component : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
};

}  // namespace bxl::ui
