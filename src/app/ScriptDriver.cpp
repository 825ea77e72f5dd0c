#include "app/ScriptDriver.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollArea>

#include "app/ControlDump.h"
#include "platform/RichEdit.h"
#include "platform/ScriptText.h"
#include "platform/ScriptedDesktop.h"
#include "ui/Controls.h"
#include "ui/FindDialog.h"
#include "ui/Form.h"
#include "ui/StateDump.h"

namespace bxl::app {
namespace {

using platform::quoteScriptText;

const QString& quotedText(const Word& word, const char* what) {
  if (!word.quoted) throw ScriptError(QStringLiteral("%1 must be a quoted text").arg(QLatin1String(what)));
  return word.text;
}

int number(const Word& word, const char* what) {
  bool ok = false;
  const int value = word.text.toInt(&ok);
  if (!ok || word.quoted) throw ScriptError(QStringLiteral("%1 must be a whole number, not %2").arg(QLatin1String(what), word.text));
  return value;
}

QWidget* widgetOf(QObject* control) {
  if (platform::RichEdit* edit = platform::asRichEdit(control)) return edit->view();
  return qobject_cast<QWidget*>(control);
}

// The text a key press types: printable keys without Ctrl or Alt.
QString typedText(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return QStringLiteral("\r");
  if (key == Qt::Key_Tab) return QStringLiteral("\t");
  if (key < 0x20 || key > 0xFF) return {};
  const QChar c(key);
  return QString((modifiers & Qt::ShiftModifier) ? c.toUpper() : c.toLower());
}

}  // namespace

ScriptDriver::ScriptDriver(platform::ScriptedDesktop& desktop, Output out) : desktop_(desktop), out_(std::move(out)) {}

ScriptDriver::Target ScriptDriver::resolve(const QString& path) const {
  static const QRegularExpression pattern(QStringLiteral(R"(^(TForm\w+)(?:\[(\d+)\])?(?:\.(\w+))?$)"));
  const auto match = pattern.match(path);
  if (!match.hasMatch()) throw ScriptError(QStringLiteral("%1 does not name a window or control (Form.Control)").arg(path));
  const QString formClass = match.captured(1);
  std::vector<ui::Form*> windows;
  for (ui::Form* window : ui::Form::openWindows())
    if (window->formClass() == formClass) windows.push_back(window);
  Target target;
  target.name = path;
  if (match.capturedLength(2) > 0) {
    const auto index = match.captured(2).toULongLong();
    if (index >= windows.size())
      throw ScriptError(QStringLiteral("there is no open window %1[%2] (%3 open)").arg(formClass).arg(index).arg(windows.size()));
    target.window = windows[index];
  } else {
    if (windows.empty()) throw ScriptError(QStringLiteral("there is no open window %1").arg(formClass));
    target.window = windows.back();
  }
  if (match.capturedLength(3) > 0) {
    target.control = target.window->findChild<QObject*>(match.captured(3));
    if (!target.control) throw ScriptError(QStringLiteral("%1 has no control %2").arg(formClass, match.captured(3)));
  }
  return target;
}

QObject* ScriptDriver::controlOf(const Word& word) const {
  const Target target = resolve(word.text);
  if (!target.control) throw ScriptError(QStringLiteral("%1 names a window, not a control").arg(word.text));
  return target.control;
}

void ScriptDriver::settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  if (const QString failure = desktop_.takeFailure(); !failure.isEmpty()) throw ScriptError(failure);
}

std::span<const ScriptDriver::Verb> ScriptDriver::verbs() {
  static const Verb table[] = {
      {"set", "set Form.Control \"text\"", 2, 2, &ScriptDriver::set},
      {"select", "select Form.Control START LENGTH", 3, 3, &ScriptDriver::select},
      {"focus", "focus Form.Control", 1, 1, &ScriptDriver::focus},
      {"click", "click Form.Control", 1, 1, &ScriptDriver::click},
      {"key", "key Form.Control \"Ctrl+V\"", 2, 2, &ScriptDriver::key},
      {"press", "press Form.Control X Y", 3, 3, &ScriptDriver::press},
      {"tick", "tick Form.Control N", 2, 2, &ScriptDriver::tick},
      {"answer", "answer Yes|No|OK|Cancel|\"path\"", 1, 1, &ScriptDriver::answer},
      {"find", "find \"text\" [match-case] [whole-word]", 1, 3, &ScriptDriver::find},
      {"print-dir", "print-dir \"DIR\"", 1, 1, &ScriptDriver::printDir},
      {"printer", "printer installed|none", 1, 1, &ScriptDriver::printer},
      {"cancel-print", "cancel-print PAGE", 1, 1, &ScriptDriver::cancelPrint},
      {"clipboard", "clipboard \"text\"", 1, 1, &ScriptDriver::clipboard},
      {"clipboard-file", "clipboard-file \"file\"", 1, 1, &ScriptDriver::clipboardFile},
      {"popup", "popup Form.Control", 1, 1, &ScriptDriver::popup},
      {"resize", "resize Form WIDTH HEIGHT", 3, 3, &ScriptDriver::resize},
      {"reveal", "reveal Form.Control", 1, 1, &ScriptDriver::reveal},
      {"dump", "dump Form.Control | dump Form", 1, 1, &ScriptDriver::dump},
      {"dump-state", "dump-state workspace|orf|graph", 1, 1, &ScriptDriver::dumpState},
      {"dump-clipboard", "dump-clipboard", 0, 0, &ScriptDriver::dumpClipboard},
      {"pixel", "pixel Form.Control X Y", 3, 3, &ScriptDriver::pixel},
      {"image", "image Form.Control \"file.png\"", 2, 2, &ScriptDriver::image},
      {"grab", "grab Form \"file.png\"", 2, 2, &ScriptDriver::grab},
      {"messages", "messages", 0, 0, &ScriptDriver::messages},
      {"close", "close Form", 1, 1, &ScriptDriver::close},
  };
  return table;
}

void ScriptDriver::runLine(const QString& line) {
  if (line.trimmed().startsWith('#')) return;
  const std::vector<Word> words = splitScriptLine(line);
  if (words.empty()) return;
  const QString& name = words[0].text;
  const auto verbs = ScriptDriver::verbs();
  const auto verb = std::find_if(verbs.begin(), verbs.end(), [&](const Verb& v) { return name == QLatin1String(v.name); });
  if (verb == verbs.end()) throw ScriptError(QStringLiteral("unknown command %1").arg(name));
  const std::size_t arguments = words.size() - 1;
  if (arguments < verb->minArguments || arguments > verb->maxArguments)
    throw ScriptError(QStringLiteral("usage: %1").arg(QLatin1String(verb->usage)));
  (this->*verb->run)(words);
  settle();
}

void ScriptDriver::set(const std::vector<Word>& words) {
  QObject* control = controlOf(words[1]);
  const QString& text = quotedText(words[2], "the text");
  if (platform::RichEdit* edit = platform::asRichEdit(control))
    edit->setText(text);
  else if (auto* lineEdit = qobject_cast<QLineEdit*>(control))
    lineEdit->setText(text);
  else
    throw ScriptError(QStringLiteral("%1 is not an edit").arg(words[1].text));
}

void ScriptDriver::select(const std::vector<Word>& words) {
  QObject* control = controlOf(words[1]);
  const int start = number(words[2], "START");
  const int length = number(words[3], "LENGTH");
  if (platform::RichEdit* edit = platform::asRichEdit(control))
    edit->setSelection(start, length);
  else if (auto* lineEdit = qobject_cast<QLineEdit*>(control))
    lineEdit->setSelection(start, length);
  else
    throw ScriptError(QStringLiteral("%1 is not an edit").arg(words[1].text));
}

void ScriptDriver::focus(const std::vector<Word>& words) {
  QWidget* widget = widgetOf(controlOf(words[1]));
  if (!widget) throw ScriptError(QStringLiteral("%1 cannot take the focus").arg(words[1].text));
  widget->window()->activateWindow();
  widget->setFocus(Qt::OtherFocusReason);
}

void ScriptDriver::click(const std::vector<Word>& words) {
  QObject* control = controlOf(words[1]);
  if (auto* button = qobject_cast<QAbstractButton*>(control))
    button->click();
  else if (auto* action = qobject_cast<QAction*>(control))
    action->trigger();
  else
    throw ScriptError(QStringLiteral("%1 cannot be clicked").arg(words[1].text));
}

void ScriptDriver::key(const std::vector<Word>& words) {
  QWidget* widget = widgetOf(controlOf(words[1]));
  const QKeySequence sequence(quotedText(words[2], "the key sequence"));
  if (!widget || sequence.isEmpty()) throw ScriptError(QStringLiteral("cannot send %1 to %2").arg(words[2].text, words[1].text));
  for (int i = 0; i < sequence.count(); ++i) {
    const QKeyCombination combination = sequence[i];
    const QString text = typedText(combination.key(), combination.keyboardModifiers());
    QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers(), text);
    QKeyEvent release(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers(), text);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

void ScriptDriver::press(const std::vector<Word>& words) {
  QWidget* widget = widgetOf(controlOf(words[1]));
  if (!widget) throw ScriptError(QStringLiteral("%1 cannot be pressed").arg(words[1].text));
  const QPointF at(number(words[2], "X"), number(words[3], "Y"));
  const QPointF global = widget->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

void ScriptDriver::tick(const std::vector<Word>& words) {
  auto* timer = qobject_cast<ui::Timer*>(controlOf(words[1]));
  if (!timer) throw ScriptError(QStringLiteral("%1 is not a timer").arg(words[1].text));
  const int ticks = number(words[2], "N");
  for (int i = 0; i < ticks; ++i) timer->tick();
}

void ScriptDriver::answer(const std::vector<Word>& words) {
  static const QStringList answers = {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("OK"), QStringLiteral("Cancel")};
  if (!words[1].quoted && !answers.contains(words[1].text))
    throw ScriptError(QStringLiteral("an answer is Yes, No, OK, Cancel or a quoted path, not %1").arg(words[1].text));
  desktop_.queueAnswer(words[1].text, words[1].quoted);
}

// Find-next in the main window's find dialog, as the user presses it.
void ScriptDriver::find(const std::vector<Word>& words) {
  bool matchCase = false, wholeWord = false;
  for (std::size_t i = 2; i < words.size(); ++i) {
    if (words[i].text == QLatin1String("match-case") && !words[i].quoted)
      matchCase = true;
    else if (words[i].text == QLatin1String("whole-word") && !words[i].quoted)
      wholeWord = true;
    else
      throw ScriptError(QStringLiteral("unknown find option %1").arg(words[i].text));
  }
  const QString& text = quotedText(words[1], "the text");
  const Target main = resolve(QStringLiteral("TForm3"));
  auto* dialog = main.window->findChild<ui::FindDialog*>();
  if (!dialog) throw ScriptError(QStringLiteral("%1 has no find dialog").arg(main.name));
  if (!dialog->isVisible()) throw ScriptError(QStringLiteral("the find dialog of %1 is not open").arg(main.name));
  dialog->setFindText(text);
  dialog->setOptions(matchCase, wholeWord);
  dialog->findNext();
}

void ScriptDriver::printDir(const std::vector<Word>& words) { desktop_.setPrintDir(quotedText(words[1], "the folder")); }

void ScriptDriver::printer(const std::vector<Word>& words) {
  const bool installed = words[1].text == QLatin1String("installed");
  if (words[1].quoted || (!installed && words[1].text != QLatin1String("none")))
    throw ScriptError(QStringLiteral("printer takes installed or none, not %1").arg(words[1].text));
  desktop_.setPrinterInstalled(installed);
}

// The user presses Cancel in the progress dialog of the next print job when it shows this page.
void ScriptDriver::cancelPrint(const std::vector<Word>& words) {
  const int page = number(words[1], "PAGE");
  if (page < 1) throw ScriptError(QStringLiteral("pages are counted from 1, not %1").arg(page));
  desktop_.cancelPrintAtPage(page);
}

void ScriptDriver::clipboard(const std::vector<Word>& words) { desktop_.setClipboardText(quotedText(words[1], "the text")); }

// The text of a file, as copied from an editor that shows it, UTF-8.
void ScriptDriver::clipboardFile(const std::vector<Word>& words) {
  QFile file(quotedText(words[1], "the file"));
  if (!file.open(QIODevice::ReadOnly))
    throw ScriptError(QStringLiteral("cannot read %1: %2").arg(words[1].text, file.errorString()));
  desktop_.setClipboardText(QString::fromUtf8(file.readAll()));
}

// A right-click on the control: it takes the focus, as a click gives it, and
// its pop-up menu opens. The line lists the items as the user sees them, the
// greyed ones marked; the menu is then closed without a choice.
void ScriptDriver::popup(const std::vector<Word>& words) {
  QWidget* widget = widgetOf(controlOf(words[1]));
  if (!widget) throw ScriptError(QStringLiteral("%1 has no pop-up menu").arg(words[1].text));
  // A menu closed just before hands the activation back only once events run.
  widget->window()->activateWindow();
  QCoreApplication::processEvents();
  widget->setFocus(Qt::MouseFocusReason);
  // The click lands on whatever is drawn there: a scrolling edit's viewport, say.
  const QPoint centre = widget->rect().center();
  QWidget* under = widget->childAt(centre);
  if (!under) under = widget;
  QContextMenuEvent event(QContextMenuEvent::Mouse, under->mapFrom(widget, centre), widget->mapToGlobal(centre));
  QApplication::sendEvent(under, &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (!menu) throw ScriptError(QStringLiteral("%1 opened no pop-up menu").arg(words[1].text));
  QStringList items;
  for (QAction* action : menu->actions()) {
    const QString caption = action->isSeparator() ? QStringLiteral("-") : quoteScriptText(ui::Form::captionOf(action));
    items << (action->isEnabled() ? caption : caption + QStringLiteral(" (greyed)"));
  }
  out_(QStringLiteral("popup %1: %2").arg(menu->objectName(), items.join(QStringLiteral(", "))));
  menu->close();
  // As on a desktop, the window is active again once its menu is gone.
  widget->window()->activateWindow();
  QCoreApplication::processEvents();
}

// The user makes the window smaller or larger than the screen it was laid out for.
void ScriptDriver::resize(const std::vector<Word>& words) {
  const Target target = resolve(words[1].text);
  if (target.control) throw ScriptError(QStringLiteral("resize takes a window, not a control"));
  const int width = number(words[2], "WIDTH"), height = number(words[3], "HEIGHT");
  if (width <= 0 || height <= 0) throw ScriptError(QStringLiteral("a window needs a width and a height above 0"));
  target.window->resize(width, height);
}

// The user scrolls the window until the control is in view, where it can.
void ScriptDriver::reveal(const std::vector<Word>& words) {
  QWidget* widget = widgetOf(controlOf(words[1]));
  if (!widget) throw ScriptError(QStringLiteral("%1 has no place on the window").arg(words[1].text));
  for (QWidget* outer = widget->parentWidget(); outer; outer = outer->parentWidget())
    if (auto* area = qobject_cast<QScrollArea*>(outer)) return area->ensureWidgetVisible(widget, 0, 0);
}

void ScriptDriver::dump(const std::vector<Word>& words) {
  const Target target = resolve(words[1].text);
  const QStringList lines = target.control ? dumpControl(target.name, target.control) : dumpWindow(target.name, target.window);
  for (const QString& out : lines) out_(out);
}

void ScriptDriver::dumpState(const std::vector<Word>& words) {
  const auto lines = ui::dumpState(words[1].text);
  if (!lines) throw ScriptError(QStringLiteral("there is no module state %1").arg(words[1].text));
  for (const QString& out : *lines) out_(out);
}

void ScriptDriver::dumpClipboard(const std::vector<Word>&) {
  if (desktop_.clipboardHoldsImage())
    out_(QStringLiteral("clipboard = image %1x%2").arg(desktop_.clipboardImage().width()).arg(desktop_.clipboardImage().height()));
  else
    out_(QStringLiteral("clipboard = ") + quoteScriptText(desktop_.clipboardText()));
}

QImage ScriptDriver::pictureOf(const Word& word) const {
  const QImage image = imageOf(controlOf(word));
  if (image.isNull()) throw ScriptError(QStringLiteral("%1 shows no picture").arg(word.text));
  return image;
}

void ScriptDriver::pixel(const std::vector<Word>& words) {
  const int x = number(words[2], "X"), y = number(words[3], "Y");
  // A painted picture paints just the pixel asked for, however tall it is.
  auto* painted = qobject_cast<ui::Image*>(controlOf(words[1]));
  const QImage whole = painted ? QImage() : pictureOf(words[1]);
  const QSize size = painted ? painted->pictureSize() : whole.size();
  if (!QRect(QPoint(), size).contains(x, y))
    throw ScriptError(QStringLiteral("(%1, %2) is outside the %3x%4 picture").arg(x).arg(y).arg(size.width()).arg(size.height()));
  const QColor colour(painted ? painted->render(QRect(x, y, 1, 1)).pixel(0, 0) : whole.pixel(x, y));
  out_(QStringLiteral("%1.pixel[%2,%3] = %4").arg(words[1].text).arg(x).arg(y).arg(colour.name().toUpper()));
}

void ScriptDriver::image(const std::vector<Word>& words) {
  if (!pictureOf(words[1]).save(quotedText(words[2], "the file")))
    throw ScriptError(QStringLiteral("cannot write %1").arg(words[2].text));
}

void ScriptDriver::grab(const std::vector<Word>& words) {
  const Target target = resolve(words[1].text);
  if (target.control) throw ScriptError(QStringLiteral("grab takes a window, not a control"));
  if (!target.window->grab().save(quotedText(words[2], "the file")))
    throw ScriptError(QStringLiteral("cannot write %1").arg(words[2].text));
}

void ScriptDriver::messages(const std::vector<Word>&) {
  for (const QString& out : desktop_.takeLog()) out_(out);
}

void ScriptDriver::close(const std::vector<Word>& words) {
  const Target target = resolve(words[1].text);
  if (target.control) throw ScriptError(QStringLiteral("close takes a window, not a control"));
  target.window->close();
}

int ScriptDriver::runFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    fprintf(stderr, "cannot read the script %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return 2;
  }
  const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    if (line.endsWith('\r')) line.chop(1);
    try {
      runLine(line);
    } catch (const std::exception& error) {
      fprintf(stderr, "%s: line %lld: %s\n", qPrintable(path), static_cast<long long>(i + 1), error.what());
      return 2;
    }
  }
  return 0;
}

}  // namespace bxl::app
