// The rich edit shown on a window: a fixed-pitch view over a TextModel that
// paints only the rows in sight, so whole genomes scroll and edit at once.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QtMath>
#include <QKeyEvent>
#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <optional>

#include "platform/RichEdit.h"
#include "platform/richtext/TextModel.h"

namespace bxl::platform {
namespace {

constexpr int kMargin = 3;

class SequenceView : public QAbstractScrollArea, public RichEdit {
 public:
  explicit SequenceView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    updateMetrics();
  }

  // --- RichEdit -------------------------------------------------------------
  QObject* object() override { return this; }
  QWidget* view() override { return this; }

  QString plainText() const override { return model_.text(); }
  void setText(const QString& text) override {
    model_.setText(text);
    anchor_ = caret_ = 0;
    typingFormat_.reset();
    afterEdit(false);
  }
  QStringList lines() const override {
    QStringList out;
    if (model_.length() == 0) return out;
    out.reserve(model_.lineCount());
    for (qsizetype line = 0; line < model_.lineCount(); ++line)
      out << model_.text().mid(model_.lineStart(line), model_.lineLength(line));
    return out;
  }
  qsizetype length() const override { return model_.length(); }

  qsizetype selStart() const override { return std::min(anchor_, caret_); }
  qsizetype selLength() const override { return std::abs(caret_ - anchor_); }
  void setSelection(qsizetype start, qsizetype length) override {
    anchor_ = std::clamp<qsizetype>(start, 0, model_.length());
    caret_ = std::clamp<qsizetype>(anchor_ + std::max<qsizetype>(0, length), anchor_, model_.length());
    typingFormat_.reset();
    ensureCaretVisible();
    viewport()->update();
  }
  QString selectionText() const override { return model_.text().mid(selStart(), selLength()); }
  void replaceSelection(const QString& text) override {
    const qsizetype start = selStart();
    const QString inserted = normalizeLineEnds(text);
    model_.replace(start, selLength(), inserted);
    if (typingFormat_) model_.setFormat(start, inserted.size(), *typingFormat_);
    anchor_ = caret_ = start + inserted.size();
    afterEdit(true);
  }

  CharFormat formatAt(qsizetype position) const override { return model_.formatAt(position); }
  void setSelectionFormat(const CharFormat& format) override {
    // With nothing selected the format is the one the next typed text takes.
    if (selLength() == 0) typingFormat_ = format;
    model_.setFormat(selStart(), selLength(), format);
    viewport()->update();
  }
  void applyFormats(std::span<const FormatRun> runs) override {
    model_.setFormats(runs);
    viewport()->update();
  }
  std::vector<FormatRun> formatRuns() const override { return model_.formatRuns(); }
  qsizetype findText(const QString& what, qsizetype start, qsizetype length, int options) const override {
    return findInText(model_.text(), what, start, length, options);
  }

  QFont textFont() const override { return font(); }
  void setTextFont(const QFont& font) override { setFont(font); }
  void setWordWrap(bool wrap) override {
    wrap_ = wrap;
    relayout();
  }
  void setScrollBars(ScrollBars bars) override {
    setVerticalScrollBarPolicy(bars == ScrollBars::None ? Qt::ScrollBarAlwaysOff
                               : bars == ScrollBars::VerticalAlways ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(bars == ScrollBars::Both || bars == ScrollBars::VerticalAlways ? Qt::ScrollBarAsNeeded
                                                                                                : Qt::ScrollBarAlwaysOff);
  }
  void setKeepSelectionVisible(bool keep) override { keepSelection_ = keep; }
  void setWantReturns(bool want) override { wantReturns_ = want; }
  void setPopupMenu(QMenu* menu) override { popup_ = menu; }

 protected:
  // --- Qt -------------------------------------------------------------------
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::FontChange) updateMetrics();
    QAbstractScrollArea::changeEvent(event);
  }
  void resizeEvent(QResizeEvent* event) override {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
  }
  void scrollContentsBy(int, int) override { viewport()->update(); }
  void focusInEvent(QFocusEvent* event) override {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(area, palette().color(QPalette::Base));
    const qsizetype firstRow = verticalScrollBar()->value();
    const qsizetype rows = model_.rowCount();
    const int xOffset = kMargin - horizontalScrollBar()->value();
    const bool showSelection = selLength() > 0 && (hasFocus() || keepSelection_);
    const QColor selectionColor = palette().color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    const QColor selectedText = palette().color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::HighlightedText);
    const qsizetype firstColumn = std::max(0, -xOffset / charWidth_);
    const qsizetype visibleColumns = area.width() / charWidth_ + 2;
    for (qsizetype row = firstRow, y = kMargin; row < rows && y < area.height(); ++row, y += lineHeight_) {
      const qsizetype start = model_.rowStart(row);
      const qsizetype length = model_.rowLength(row);
      // Without wrap a row may be a whole genome: draw only the columns in sight.
      const qsizetype from = start + std::min(firstColumn, length);
      const qsizetype to = start + std::min(length, firstColumn + visibleColumns);
      model_.forEachStretch(from, to, [&](qsizetype at, qsizetype count, const CharFormat& format) {
        const int x = xOffset + int(at - start) * charWidth_;
        const qsizetype selFrom = std::max(at, showSelection ? selStart() : at + count);
        const qsizetype selTo = std::min(at + count, showSelection ? selStart() + selLength() : at);
        QFont f = font();
        f.setBold(format.bold);
        f.setItalic(format.italic);
        f.setUnderline(format.underline);
        f.setStrikeOut(format.strikeout);
        painter.setFont(f);
        if (selFrom < selTo)
          painter.fillRect(QRect(xOffset + int(selFrom - start) * charWidth_, y, int(selTo - selFrom) * charWidth_, lineHeight_), selectionColor);
        drawRun(painter, x, y, at, count, selFrom, selTo, format.color, selectedText);
      });
      // A selected line end shows as one cell, so empty lines in a selection can be seen.
      const qsizetype lineEnd = start + length;
      if (showSelection && lineEnd < model_.length() && model_.text()[lineEnd] == QLatin1Char('\n') && lineEnd >= selStart() &&
          lineEnd < selStart() + selLength())
        painter.fillRect(QRect(xOffset + int(length) * charWidth_, y, charWidth_ / 2, lineHeight_), selectionColor);
    }
    if (hasFocus()) {
      const auto at = model_.rowColumnOf(caret_);
      const int x = xOffset + int(at.column) * charWidth_;
      const int y = kMargin + int(at.row - firstRow) * lineHeight_;
      painter.fillRect(QRect(x, y, 1, lineHeight_), palette().color(QPalette::Text));
    }
  }

  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    const qsizetype at = positionAt(event->position().toPoint());
    typingFormat_.reset();
    caret_ = at;
    if (!(event->modifiers() & Qt::ShiftModifier)) anchor_ = at;
    viewport()->update();
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!(event->buttons() & Qt::LeftButton)) return;
    caret_ = positionAt(event->position().toPoint());
    ensureCaretVisible();
    viewport()->update();
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    const qsizetype at = positionAt(event->position().toPoint());
    const QString& text = model_.text();
    const auto isWord = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    qsizetype from = at, to = at;
    while (from > 0 && isWord(text[from - 1])) --from;
    while (to < text.size() && isWord(text[to])) ++to;
    anchor_ = from;
    caret_ = to;
    viewport()->update();
  }
  // The menu opens without a loop of its own: its items run as it closes,
  // and whoever owns the menu can set its items up as it is about to show.
  void contextMenuEvent(QContextMenuEvent* event) override {
    if (popup_) popup_->popup(event->globalPos());
  }

  void keyPressEvent(QKeyEvent* event) override {
    // The shortcuts of the pop-up menu's items run the window's commands.
    if (popup_) {
      const QKeySequence pressed(event->keyCombination());
      for (QAction* action : popup_->actions())
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed) return action->trigger();
    }
    if (event == QKeySequence::Copy) return copyToClipboard();
    if (event == QKeySequence::Cut) return cutToClipboard();
    if (event == QKeySequence::Paste) return pasteFromClipboard();
    if (event == QKeySequence::SelectAll) {
      anchor_ = 0;
      caret_ = model_.length();
      viewport()->update();
      return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    const auto at = model_.rowColumnOf(caret_);
    const qsizetype page = std::max<qsizetype>(1, viewport()->height() / lineHeight_ - 1);
    switch (event->key()) {
      case Qt::Key_Left: return moveCaret(control ? wordStart(caret_) : caret_ - 1, extend);
      case Qt::Key_Right: return moveCaret(control ? wordEnd(caret_) : caret_ + 1, extend);
      case Qt::Key_Up: return moveCaret(at.row == 0 ? 0 : model_.positionAt(at.row - 1, at.column), extend);
      case Qt::Key_Down:
        return moveCaret(at.row + 1 >= model_.rowCount() ? model_.length() : model_.positionAt(at.row + 1, at.column), extend);
      case Qt::Key_PageUp: return moveCaret(model_.positionAt(std::max<qsizetype>(0, at.row - page), at.column), extend);
      case Qt::Key_PageDown: return moveCaret(model_.positionAt(std::min(model_.rowCount() - 1, at.row + page), at.column), extend);
      case Qt::Key_Home: return moveCaret(control ? 0 : model_.rowStart(at.row), extend);
      case Qt::Key_End: return moveCaret(control ? model_.length() : model_.rowStart(at.row) + model_.rowLength(at.row), extend);
      case Qt::Key_Backspace:
        if (selLength() == 0 && caret_ > 0) anchor_ = caret_ - 1;
        return replaceSelection(QString());
      case Qt::Key_Delete:
        if (selLength() == 0 && caret_ < model_.length()) anchor_ = caret_ + 1;
        return replaceSelection(QString());
      case Qt::Key_Return:
      case Qt::Key_Enter:
        if (!wantReturns_) return event->ignore();
        return replaceSelection(QStringLiteral("\n"));
      default:
        break;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && !control && !(event->modifiers() & Qt::AltModifier) && typed[0].isPrint())
      return replaceSelection(typed);
    event->ignore();
  }

 private:
  void updateMetrics() {
    const QFontMetricsF metrics(font());
    charWidth_ = std::max(1, qRound(metrics.horizontalAdvance(QLatin1Char('M'))));
    lineHeight_ = std::max(1, qCeil(metrics.lineSpacing()));
    relayout();
  }

  void relayout() {
    const int usable = viewport()->width() - 2 * kMargin;
    model_.setColumns(wrap_ ? std::max(1, usable / charWidth_) : 0);
    const int visibleRows = std::max(1, (viewport()->height() - kMargin) / lineHeight_);
    verticalScrollBar()->setRange(0, int(std::max<qsizetype>(0, model_.rowCount() - visibleRows)));
    verticalScrollBar()->setPageStep(visibleRows);
    verticalScrollBar()->setSingleStep(1);
    const qsizetype contentWidth = wrap_ ? 0 : model_.longestLine() * charWidth_ + 2 * kMargin + charWidth_;
    horizontalScrollBar()->setRange(0, int(std::clamp<qsizetype>(contentWidth - viewport()->width(), 0, INT_MAX)));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(charWidth_);
    viewport()->update();
  }

  void afterEdit(bool typed) {
    relayout();
    if (typed) ensureCaretVisible();
    changed();
  }

  qsizetype positionAt(QPoint point) const {
    const qsizetype row = verticalScrollBar()->value() + std::max(0, point.y() - kMargin) / lineHeight_;
    if (row >= model_.rowCount()) return model_.length();
    const int x = point.x() - kMargin + horizontalScrollBar()->value();
    return model_.positionAt(row, std::max(0, (x + charWidth_ / 2) / charWidth_));
  }

  void moveCaret(qsizetype to, bool extend) {
    typingFormat_.reset();
    caret_ = std::clamp<qsizetype>(to, 0, model_.length());
    if (!extend) anchor_ = caret_;
    ensureCaretVisible();
    viewport()->update();
  }

  qsizetype wordStart(qsizetype from) const {
    const QString& text = model_.text();
    while (from > 0 && !text[from - 1].isLetterOrNumber()) --from;
    while (from > 0 && text[from - 1].isLetterOrNumber()) --from;
    return from;
  }
  qsizetype wordEnd(qsizetype from) const {
    const QString& text = model_.text();
    while (from < text.size() && !text[from].isLetterOrNumber()) ++from;
    while (from < text.size() && text[from].isLetterOrNumber()) ++from;
    return from;
  }

  void ensureCaretVisible() {
    const auto at = model_.rowColumnOf(caret_);
    QScrollBar* v = verticalScrollBar();
    const int visibleRows = std::max(1, (viewport()->height() - kMargin) / lineHeight_);
    if (at.row < v->value()) v->setValue(int(at.row));
    else if (at.row >= v->value() + visibleRows) v->setValue(int(at.row - visibleRows + 1));
    if (!wrap_) {
      QScrollBar* h = horizontalScrollBar();
      const qsizetype x = at.column * charWidth_;
      if (x < h->value()) h->setValue(int(x));
      else if (x > h->value() + viewport()->width() - 2 * kMargin - charWidth_)
        h->setValue(int(x - viewport()->width() + 2 * kMargin + charWidth_));
    }
  }

  // One stretch of one format, with its selected part in the selection's text colour.
  void drawRun(QPainter& painter, int x, int y, qsizetype at, qsizetype count, qsizetype selFrom, qsizetype selTo,
               const QColor& color, const QColor& selectedColor) const {
    const QFontMetrics metrics(painter.font());
    const int baseline = y + metrics.ascent();
    // Each character is drawn in its own cell: glyph advances are fractional and
    // would drift from the cells the caret and the selection use.
    const auto draw = [&](qsizetype from, qsizetype to, const QColor& pen) {
      if (from >= to) return;
      painter.setPen(pen);
      const QChar* chars = model_.text().constData();
      for (qsizetype i = from; i < to; ++i)
        if (!chars[i].isSpace()) painter.drawText(x + int(i - at) * charWidth_, baseline, QString(chars[i]));
    };
    draw(at, std::max(at, std::min(selFrom, at + count)), color);
    draw(selFrom, selTo, selectedColor);
    draw(std::max(at, std::max(selTo, selFrom)), at + count, color);
  }

  TextModel model_;
  qsizetype anchor_ = 0;
  qsizetype caret_ = 0;
  int charWidth_ = 8;
  int lineHeight_ = 16;
  bool wrap_ = false;
  bool keepSelection_ = false;
  bool wantReturns_ = true;
  QMenu* popup_ = nullptr;
  std::optional<CharFormat> typingFormat_;
};

}  // namespace

RichEdit* createRichEditView(QWidget* parent) { return new SequenceView(parent); }

}  // namespace bxl::platform
