#include "ui/Form.h"

#include <algorithm>
#include <string_view>

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>

#include "platform/Desktop.h"
#include "platform/Scaling.h"
#include "ui/Controls.h"
#include "ui/FindDialog.h"

namespace bxl::ui {
namespace {

constexpr const char* kAutoSize = "bxlAutoSize";

std::vector<Form*>& registry() {
  static std::vector<Form*> windows;
  return windows;
}

void forget(Form* form) { std::erase(registry(), form); }

QFont designFont(const FontDesign& design, const QFont& windowFont) {
  if (!design.family) return windowFont;
  QFont font{QString::fromLatin1(design.family)};
  if (design.unit == FontUnit::Pixels)
    font.setPixelSize(design.size);
  else
    font.setPointSize(design.size);
  font.setBold(design.bold);
  font.setItalic(design.italic);
  if (font.family().startsWith(QLatin1String("Courier"))) {
    // Sequences need every character to stand under one base.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  }
  return font;
}

bool hasOption(const char* options, const QString& option) {
  return QString::fromLatin1(options).split(',').contains(option);
}

QString optionText(const char* options, const QString& key) {
  for (const QString& option : QString::fromLatin1(options).split(','))
    if (option.startsWith(key + '=')) return option.mid(key.size() + 1);
  return {};
}

int optionValue(const char* options, const QString& key, int fallback) {
  const QString text = optionText(options, key);
  return text.isEmpty() ? fallback : text.toInt();
}

}  // namespace

Form::Form(const QString& formClass, QWidget* parent)
    : QMainWindow(parent), formClass_(formClass), client_(new QWidget(this)) {
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);
  registry().push_back(this);
}

Form::~Form() { forget(this); }

const std::vector<Form*>& Form::openWindows() { return registry(); }

QObject* Form::control(const QString& name) const {
  if (QObject* found = findChild<QObject*>(name)) return found;
  throw std::logic_error(formClass_.toStdString() + " has no control " + name.toStdString());
}

platform::RichEdit* Form::richEdit(const QString& name) const {
  if (platform::RichEdit* edit = platform::asRichEdit(control(name))) return edit;
  throw std::logic_error("control " + name.toStdString() + " is not a rich edit");
}

bool Form::spanish() const {
  const auto* language = findChild<QLabel*>(QStringLiteral("LabelIdioma"));
  return language && language->text() == QLatin1String("Es");
}

platform::Answer Form::showMessage(const MessageDesign& message, platform::Buttons buttons, const QStringList& arguments) {
  QString text = QString::fromUtf8(spanish() && message.spanish ? message.spanish : message.english);
  for (const QString& argument : arguments) text = text.arg(argument);
  return platform::desktop().message(this, QString::fromUtf8(message.caption), text, buttons);
}

void Form::build(std::span<const ControlDesign> design, std::span<const HeldText> heldTexts) {
  for (const ControlDesign& d : design) {
    QWidget* parent = d.parent ? control<QWidget>(QString::fromLatin1(d.parent)) : client_;
    const QString caption = QString::fromUtf8(d.caption ? d.caption : "");
    QObject* object = nullptr;
    QWidget* widget = nullptr;
    switch (d.kind) {
      case Kind::Label: widget = new Label(caption, parent); break;
      case Kind::SmoothLabel: widget = new SmoothLabel(caption, parent); break;
      case Kind::Button: widget = new Button(parent); break;
      case Kind::BitBtn: widget = new BitBtn(parent); break;
      case Kind::SmoothButton: widget = new SmoothButton(parent); break;
      case Kind::SmoothToggleButton: widget = new SmoothToggleButton(parent); break;
      case Kind::SpeedButton: widget = new SpeedButton(parent); break;
      case Kind::Panel: widget = new Panel(parent); break;
      case Kind::Bevel: {
        auto* bevel = new Bevel(parent);
        if (hasOption(d.options, QStringLiteral("frame"))) bevel->setFrameShape(QFrame::Box);
        widget = bevel;
        break;
      }
      case Kind::Edit: widget = new Edit(caption, parent); break;
      case Kind::MaskEdit: {
        auto* edit = new MaskEdit(parent);
        edit->setEditMask(optionText(d.options, QStringLiteral("mask")));
        widget = edit;
        break;
      }
      case Kind::ListBox: widget = new ListBox(parent); break;
      case Kind::RadioButton: widget = new RadioButton(parent); break;
      case Kind::CheckBox: widget = new CheckBox(parent); break;
      case Kind::ScrollBox: widget = new ScrollBox(parent); break;
      case Kind::Image: widget = new Image(parent); break;
      case Kind::ProgressBar: {
        auto* bar = new ProgressBar(parent);
        bar->setRange(0, 100);
        bar->setValue(0);
        widget = bar;
        break;
      }
      case Kind::RichEdit: {
        platform::RichEdit* edit = platform::createRichEditView(parent);
        edit->setWordWrap(hasOption(d.options, QStringLiteral("wrap")));
        edit->setScrollBars(hasOption(d.options, QStringLiteral("scroll-vertical-always")) ? platform::ScrollBars::VerticalAlways
                            : hasOption(d.options, QStringLiteral("scroll-both"))          ? platform::ScrollBars::Both
                                                                                           : platform::ScrollBars::Vertical);
        edit->setKeepSelectionVisible(hasOption(d.options, QStringLiteral("keep-selection")));
        edit->setWantReturns(!hasOption(d.options, QStringLiteral("no-return")));
        edit->setTextFont(designFont(d.font, font()));
        widget = edit->view();
        break;
      }
      case Kind::TextHolder: {
        const auto held = std::find_if(heldTexts.begin(), heldTexts.end(),
                                       [&](const HeldText& h) { return std::string_view(h.holder) == d.name; });
        platform::RichEdit* holder =
            held == heldTexts.end() ? platform::createTextHolder(parent) : platform::createTextHolder(parent, held->text);
        holder->setTextFont(designFont(d.font, font()));
        object = holder->object();
        break;
      }
      case Kind::Timer: {
        auto* timer = new Timer(this);
        timer->setInterval(optionValue(d.options, QStringLiteral("interval"), 1000));
        object = timer;
        break;
      }
      case Kind::Picture: widget = new Picture(QSize(d.width, d.height), parent); break;
      case Kind::Component: object = new Component(this); break;
      case Kind::FindDialog: object = new FindDialog(this); break;
    }
    if (widget) object = widget;
    // Named first: the style sheet picks some controls by name.
    object->setObjectName(QString::fromLatin1(d.name));
    platform::markAsControl(object);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) setCaptionOf(button, caption);
    if (auto* label = qobject_cast<QLabel*>(widget)) label->setWordWrap(hasOption(d.options, QStringLiteral("wrap")));
    if (widget) {
      if (auto* box = qobject_cast<ScrollBox*>(parent)) box->setWidget(widget);
      widget->setGeometry(d.left, d.top, d.width, d.height);
      widget->setFont(designFont(d.font, font()));
      if (d.width == 0 && d.height == 0) {
        // A control designed without a size fits its caption, now and after every change.
        widget->setProperty(kAutoSize, true);
        widget->adjustSize();
      }
      widget->setVisible(d.visible);
    }
  }
}

void Form::buildMainMenu(const MainMenuDesign& design) {
  auto* menu = new QMenu(QString::fromUtf8(design.top), this);
  menu->setObjectName(QString::fromLatin1(design.name));
  for (const char* item : design.items) {
    if (QLatin1String(item) == QLatin1String("-"))
      menu->addSeparator();
    else
      setCaptionOf(menu->addAction(QString()), QString::fromUtf8(item));
  }
  for (const MenuItemDesign& item : design.commands) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(item.name));
    setCaptionOf(action, QString::fromUtf8(item.caption));
  }
}

void Form::buildPopupMenu(const PopupMenuDesign& design) {
  auto* menu = new QMenu(this);
  menu->setObjectName(QString::fromLatin1(design.name));
  for (const MenuItemDesign& item : design.items) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(item.name));
    setCaptionOf(action, QString::fromUtf8(item.caption));
    if (item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
  }
}

void Form::attachMenu(QMenu* menu) {
  if (menu == attachedMenu_) return;
  menuBar()->clear();
  if (menu) menuBar()->addMenu(menu);
  attachedMenu_ = menu;
}

void Form::bindCommand(const QString& name, std::function<void()> command) {
  QObject* target = control(name);
  auto guarded = [this, command = std::move(command)] { runGuarded(command); };
  if (auto* button = qobject_cast<QAbstractButton*>(target))
    connect(button, &QAbstractButton::clicked, this, guarded);
  else if (auto* action = qobject_cast<QAction*>(target))
    connect(action, &QAction::triggered, this, guarded);
  else if (auto* timer = qobject_cast<Timer*>(target))
    connect(timer, &Timer::ticked, this, guarded);
  else
    throw std::logic_error("control " + name.toStdString() + " runs no command");
}

void Form::setCaption(const QString& name, const QString& caption) { setCaptionOf(control(name), caption); }

// Buttons and menu items take "&" as a mnemonic mark, so it is doubled there.
void Form::setCaptionOf(QObject* control, const QString& caption) {
  QString escaped = caption;
  escaped.replace('&', QStringLiteral("&&"));
  if (auto* button = qobject_cast<QAbstractButton*>(control))
    button->setText(escaped);
  else if (auto* action = qobject_cast<QAction*>(control))
    action->setText(escaped);
  else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(caption);
    if (label->property(kAutoSize).toBool()) label->adjustSize();
  } else if (auto* window = qobject_cast<QWidget*>(control); window && window->isWindow())
    window->setWindowTitle(caption);
  else
    throw std::logic_error("control " + control->objectName().toStdString() + " has no caption");
}

QString Form::captionOf(const QObject* control) {
  QString text;
  if (auto* button = qobject_cast<const QAbstractButton*>(control))
    text = button->text();
  else if (auto* action = qobject_cast<const QAction*>(control))
    text = action->text();
  else if (auto* label = qobject_cast<const QLabel*>(control))
    return label->text();
  else if (auto* window = qobject_cast<const QWidget*>(control); window && window->isWindow())
    return window->windowTitle();
  return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void Form::applyCaptions(std::span<const CaptionDesign> captions, bool spanish) {
  for (const CaptionDesign& c : captions) {
    const QString text = QString::fromUtf8(spanish ? c.spanish : c.english);
    setCaptionOf(c.control ? control(QString::fromLatin1(c.control)) : this, text);
  }
}

void Form::runGuarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    platform::desktop().showException(this, QString::fromUtf8(error.what()));
  }
}

void Form::scrollWhenSmaller() {
  auto* area = new QScrollArea(this);
  area->setObjectName(QStringLiteral("clientScroll"));
  area->setFrameShape(QFrame::NoFrame);
  // The client fills the window when the window is larger, and keeps its
  // extent, with scroll bars, when it is smaller.
  area->setWidgetResizable(true);
  takeCentralWidget();
  area->setWidget(client_);
  setCentralWidget(area);
}

void Form::setClientExtent(QSize extent) { client_->setMinimumSize(extent); }

void Form::closeEvent(QCloseEvent* event) {
  forget(this);
  QMainWindow::closeEvent(event);
}

}  // namespace bxl::ui
