#pragma once
// The kinds of control the windows are made of. Each kind is its own class so
// that "every control whose class is exactly X" can be told apart at run time.
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

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

// A picture the window draws on. The picture keeps its size when the window
// is scaled and is shown stretched over the control; a press reports where it
// falls on the picture, so at the design size control and picture coordinates agree.
class Image : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QImage image READ image)
 public:
  explicit Image(QSize size, QWidget* parent = nullptr);
  const QImage& image() const { return picture_; }
  // The picture to draw on; update() shows what was drawn.
  QImage& picture() { return picture_; }

 signals:
  // Any mouse button, in picture coordinates.
  void pressed(QPoint at);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
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
