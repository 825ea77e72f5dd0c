#include "app/ControlDump.h"

#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>

#include "platform/RichEdit.h"
#include "platform/ScriptText.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace bxl::app {
namespace {

using platform::quoteScriptText;

QString flag(bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); }

QString fontSize(const QFont& font) {
  if (font.pixelSize() > 0) return QStringLiteral("%1px").arg(font.pixelSize());
  return QStringLiteral("%1pt").arg(font.pointSizeF());
}

QString formatText(const platform::CharFormat& f) {
  QString text = QStringLiteral("color=") + f.color.name(QColor::HexRgb).toUpper();
  if (f.bold) text += QStringLiteral(" bold");
  if (f.italic) text += QStringLiteral(" italic");
  if (f.underline) text += QStringLiteral(" underline");
  if (f.strikeout) text += QStringLiteral(" strikeout");
  return text;
}

// Lines in the fixed order of properties; each kind of control adds those that apply.
class Lines {
 public:
  explicit Lines(const QString& prefix) : prefix_(prefix) {}
  void add(const QString& property, const QString& value) { lines_ << prefix_ + '.' + property + QStringLiteral(" = ") + value; }
  void addGeometry(const QRect& r, const QFont& font) {
    add(QStringLiteral("left"), QString::number(r.x()));
    add(QStringLiteral("top"), QString::number(r.y()));
    add(QStringLiteral("width"), QString::number(r.width()));
    add(QStringLiteral("height"), QString::number(r.height()));
    add(QStringLiteral("font-size"), fontSize(font));
  }
  QStringList take() { return std::move(lines_); }

 private:
  QString prefix_;
  QStringList lines_;
};

// Whether the user sees the whole widget now: shown, and not cut off by the
// window's edge, a scrolled-away part of the window or the panel it stands on.
bool inView(const QWidget* widget) {
  if (!widget->isVisible()) return false;
  const QWidget* window = widget->window();
  const QRect whole(widget->mapTo(window, QPoint()), widget->size());
  QRect seen = whole;
  for (const QWidget* outer = widget->parentWidget(); outer && outer != window; outer = outer->parentWidget())
    seen &= QRect(outer->mapTo(window, QPoint()), outer->size());
  seen &= window->rect();
  return seen == whole;
}

void dumpRichEdit(Lines& out, platform::RichEdit& edit) {
  out.add(QStringLiteral("text"), quoteScriptText(edit.text()));
  QWidget* view = edit.view();
  out.add(QStringLiteral("visible"), flag(view && view->isVisibleTo(view->parentWidget())));
  out.add(QStringLiteral("enabled"), flag(!view || !view->testAttribute(Qt::WA_Disabled)));
  if (view) {
    out.addGeometry(view->geometry(), edit.textFont());
    out.add(QStringLiteral("in-view"), flag(inView(view)));
  } else
    out.add(QStringLiteral("font-size"), fontSize(edit.textFont()));
  out.add(QStringLiteral("selstart"), QString::number(edit.selStart()));
  out.add(QStringLiteral("sellength"), QString::number(edit.selLength()));
  const QStringList lines = edit.lines();
  for (qsizetype i = 0; i < lines.size(); ++i) out.add(QStringLiteral("line[%1]").arg(i), quoteScriptText(lines[i]));
  for (const platform::FormatRun& run : edit.formatRuns())
    out.add(QStringLiteral("format[%1,%2]").arg(run.start).arg(run.length), formatText(run.format));
}

void dumpWidget(Lines& out, QWidget* w) {
  if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w))
    out.add(QStringLiteral("caption"), quoteScriptText(ui::Form::captionOf(w)));
  // A masked edit reads as shown, the blank character in every empty position.
  if (auto* masked = qobject_cast<ui::MaskEdit*>(w))
    out.add(QStringLiteral("text"), quoteScriptText(masked->maskedText()));
  else if (auto* edit = qobject_cast<QLineEdit*>(w))
    out.add(QStringLiteral("text"), quoteScriptText(edit->text()));
  out.add(QStringLiteral("visible"), flag(w->isVisibleTo(w->parentWidget())));
  out.add(QStringLiteral("enabled"), flag(!w->testAttribute(Qt::WA_Disabled)));
  if (auto* toggle = qobject_cast<ui::SmoothToggleButton*>(w))
    out.add(QStringLiteral("down"), flag(toggle->isChecked()));
  else if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
    out.add(QStringLiteral("checked"), flag(button->isChecked()));
  out.addGeometry(w->geometry(), w->font());
  if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w)) {
    // As painted: style sheets set the caption's colour through the palette.
    w->ensurePolished();
    out.add(QStringLiteral("font-bold"), flag(w->font().bold()));
    out.add(QStringLiteral("font-color"), w->palette().color(w->foregroundRole()).name(QColor::HexRgb).toUpper());
  }
  out.add(QStringLiteral("in-view"), flag(inView(w)));
  if (auto* bar = qobject_cast<QProgressBar*>(w)) out.add(QStringLiteral("position"), QString::number(bar->value()));
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    const bool selected = edit->hasSelectedText();
    out.add(QStringLiteral("selstart"), QString::number(selected ? edit->selectionStart() : edit->cursorPosition()));
    out.add(QStringLiteral("sellength"), QString::number(selected ? edit->selectedText().size() : 0));
  }
  if (auto* list = qobject_cast<ui::ListBox*>(w)) {
    out.add(QStringLiteral("horizontal-extent"), QString::number(list->horizontalExtent()));
    const QStringList items = list->items();
    for (qsizetype i = 0; i < items.size(); ++i) out.add(QStringLiteral("item[%1]").arg(i), quoteScriptText(items[i]));
  }
  // A painted picture's size is known without painting it, however tall it is.
  const QSize size = qobject_cast<ui::Image*>(w) ? static_cast<ui::Image*>(w)->pictureSize() : imageOf(w).size();
  if (!size.isEmpty()) out.add(QStringLiteral("size"), QStringLiteral("%1x%2").arg(size.width()).arg(size.height()));
}

void dumpMenuItems(QStringList& lines, const QString& prefix, QMenu* menu, int& index) {
  for (QAction* action : menu->actions()) {
    const QString caption = action->isSeparator() ? QStringLiteral("-") : ui::Form::captionOf(action);
    lines << QStringLiteral("%1.menu.item[%2] = %3").arg(prefix).arg(index++).arg(quoteScriptText(caption));
    if (QMenu* sub = action->menu()) dumpMenuItems(lines, prefix, sub, index);
  }
}

}  // namespace

QImage imageOf(QObject* control) {
  if (auto* image = qobject_cast<ui::Image*>(control)) return image->render(QRect(QPoint(), image->pictureSize()));
  if (auto* label = qobject_cast<QLabel*>(control); label && !label->pixmap().isNull()) return label->pixmap().toImage();
  return control->property("image").value<QImage>();
}

QStringList dumpControl(const QString& prefix, QObject* control) {
  Lines out(prefix);
  if (platform::RichEdit* edit = platform::asRichEdit(control)) {
    dumpRichEdit(out, *edit);
  } else if (auto* widget = qobject_cast<QWidget*>(control)) {
    dumpWidget(out, widget);
  } else if (auto* action = qobject_cast<QAction*>(control)) {
    out.add(QStringLiteral("caption"), quoteScriptText(ui::Form::captionOf(action)));
    out.add(QStringLiteral("visible"), flag(action->isVisible()));
    out.add(QStringLiteral("enabled"), flag(action->isEnabled()));
    if (action->isCheckable()) out.add(QStringLiteral("checked"), flag(action->isChecked()));
  } else if (auto* timer = qobject_cast<ui::Timer*>(control)) {
    out.add(QStringLiteral("enabled"), flag(timer->isEnabled()));
    out.add(QStringLiteral("interval"), QString::number(timer->interval()));
  }
  return out.take();
}

QStringList dumpWindow(const QString& prefix, ui::Form* window) {
  Lines out(prefix);
  out.add(QStringLiteral("caption"), quoteScriptText(window->windowTitle()));
  out.add(QStringLiteral("visible"), flag(window->isVisible()));
  out.add(QStringLiteral("enabled"), flag(window->isEnabled()));
  out.addGeometry(window->geometry(), window->font());
  QStringList lines = out.take();
  QMenu* menu = window->attachedMenu();
  lines << QStringLiteral("%1.menu = %2").arg(prefix, menu ? menu->objectName() : QStringLiteral("none"));
  if (menu) {
    int index = 0;
    lines << QStringLiteral("%1.menu.item[%2] = %3").arg(prefix).arg(index++).arg(quoteScriptText(menu->title()));
    dumpMenuItems(lines, prefix, menu, index);
  }
  return lines;
}

}  // namespace bxl::app
