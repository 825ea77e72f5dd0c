#pragma once
// The kinds of control the windows are made of. Each kind is its own class so
// that "every control whose class is exactly X" can be told apart at run time.
#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStringListModel>
#include <QTimer>
#include <QToolButton>
#include <functional>

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

// A list of text lines. Every line has the same height, so a list of a
// genome's hundred thousand lines is laid out at once; a line wider than the
// list is cut at its right edge unless a horizontal extent lets it scroll.
class ListBox : public QListView {
  Q_OBJECT
 public:
  explicit ListBox(QWidget* parent = nullptr);

  int count() const { return model_->rowCount(); }
  QString item(int row) const;
  QStringList items() const { return model_->stringList(); }
  // Replaces every line at once: the way to fill a long list.
  void setItems(const QStringList& lines) { model_->setStringList(lines); }
  void setItem(int row, const QString& text);
  void addItem(const QString& text);
  void clear() { model_->setStringList({}); }

  // The height of every line; 0 follows the font.
  void setItemHeight(int pixels);
  int itemHeight() const { return itemHeight_; }
  // How wide the list's lines may scroll, in pixels; 0: as wide as the list.
  void setHorizontalExtent(int pixels);
  int horizontalExtent() const { return horizontalExtent_; }

 private:
  class LineDelegate;
  QStringListModel* model_;
  int itemHeight_ = 0;
  int horizontalExtent_ = 0;
};

class ProgressBar : public QProgressBar {
  Q_OBJECT
 public:
  using QProgressBar::QProgressBar;
};

class RadioButton : public QRadioButton {
  Q_OBJECT
 public:
  using QRadioButton::QRadioButton;
};

class CheckBox : public QCheckBox {
  Q_OBJECT
 public:
  using QCheckBox::QCheckBox;
};

// Scrolls the one control the design places in it.
class ScrollBox : public QScrollArea {
  Q_OBJECT
 public:
  explicit ScrollBox(QWidget* parent = nullptr);
};

// A picture painted on demand from what the window keeps, never stored as one
// bitmap: only the part in view is painted, so a picture taller than any
// bitmap could be is still shown, scrolled and read pixel by pixel.
class Image : public QWidget {
  Q_OBJECT
 public:
  // Paints the part of the picture in `region`, in picture coordinates.
  using Paint = std::function<void(QPainter& painter, const QRect& region)>;

  explicit Image(QWidget* parent = nullptr);
  // The picture's size and how to paint it; the control takes that size.
  void setPicture(QSize size, Paint paint);
  QSize pictureSize() const { return size_; }
  // The pixels of a region of the picture, on white where nothing is painted.
  QImage render(const QRect& region) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize size_;
  Paint paint_;
};

// Clears a check box or radio button as a command does, running none of its
// click handlers; a radio button's group alone never clears its checked one.
void uncheck(QAbstractButton* button);

// A picture the window draws on. The picture keeps its size when the window
// is scaled and is shown stretched over the control; a press reports where it
// falls on the picture, so at the design size control and picture coordinates agree.
class Picture : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QImage image READ image)
 public:
  explicit Picture(QSize size, QWidget* parent = nullptr);
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
