// The rich edit shown on a window, drawn by Qt's text edit.
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "platform/RichEdit.h"

namespace bxl::platform {
namespace {

CharFormat fromQt(const QTextCharFormat& f) {
  CharFormat out;
  if (f.foreground().style() != Qt::NoBrush) out.color = f.foreground().color();
  out.bold = f.fontWeight() >= QFont::Bold;
  out.italic = f.fontItalic();
  out.underline = f.fontUnderline();
  out.strikeout = f.fontStrikeOut();
  return out;
}

class TextEditRichEdit : public QTextEdit, public RichEdit {
 public:
  explicit TextEditRichEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    connect(this, &QTextEdit::textChanged, this, [this] {
      if (!formatting_) changed();
    });
  }

  QObject* object() override { return this; }
  QWidget* view() override { return this; }

  QString text() const override { return withCrLf(toPlainText()); }
  void setText(const QString& text) override { setPlainText(normalizeLineEnds(text)); }
  QStringList lines() const override {
    const QString plain = toPlainText();
    return plain.isEmpty() ? QStringList() : plain.split('\n');
  }
  void appendLine(const QString& line) override {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText((document()->isEmpty() ? QString() : QStringLiteral("\n")) + normalizeLineEnds(line),
                      QTextCharFormat());
  }
  qsizetype length() const override { return document()->characterCount() - 1; }

  qsizetype selStart() const override { return textCursor().selectionStart(); }
  qsizetype selLength() const override { return textCursor().selectionEnd() - textCursor().selectionStart(); }
  void setSelection(qsizetype start, qsizetype length) override {
    const qsizetype from = std::clamp<qsizetype>(start, 0, this->length());
    const qsizetype to = std::clamp<qsizetype>(from + std::max<qsizetype>(0, length), from, this->length());
    QTextCursor cursor(document());
    cursor.setPosition(int(from));
    cursor.setPosition(int(to), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
  }
  QString selectedText() const override {
    return withCrLf(textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'));
  }
  void replaceSelection(const QString& text) override { textCursor().insertText(normalizeLineEnds(text)); }

  CharFormat selectionFormat() const override { return fromQt(textCursor().charFormat()); }
  void setSelectionFormat(const CharFormat& format) override {
    QTextCharFormat f;
    f.setForeground(format.color);
    f.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(format.italic);
    f.setFontUnderline(format.underline);
    f.setFontStrikeOut(format.strikeout);
    formatting_ = true;
    textCursor().mergeCharFormat(f);
    formatting_ = false;
  }
  std::vector<FormatRun> formatRuns() const override {
    std::vector<FormatRun> runs;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const CharFormat format = fromQt(fragment.charFormat());
        const qsizetype start = fragment.position();
        // A run goes on over a line end when the text on both sides has its format.
        if (!runs.empty() && runs.back().format == format) {
          const qsizetype end = runs.back().start + runs.back().length;
          if (start == end || start == end + 1) {
            runs.back().length = start + fragment.length() - runs.back().start;
            continue;
          }
        }
        runs.push_back({start, fragment.length(), format});
      }
    }
    std::erase_if(runs, [](const FormatRun& run) { return run.format.isPlain(); });
    return runs;
  }

  qsizetype findText(const QString& what, qsizetype start, qsizetype length, int options) const override {
    return findInText(toPlainText(), what, start, length, options);
  }

  QFont textFont() const override { return QTextEdit::font(); }
  void setTextFont(const QFont& font) override { QTextEdit::setFont(font); }
  void setWordWrap(bool wrap) override { setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap); }
  void setScrollBars(ScrollBars bars) override {
    setVerticalScrollBarPolicy(bars == ScrollBars::None ? Qt::ScrollBarAlwaysOff
                               : bars == ScrollBars::VerticalAlways ? Qt::ScrollBarAlwaysOn
                                                                    : Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(bars == ScrollBars::Both || bars == ScrollBars::VerticalAlways ? Qt::ScrollBarAsNeeded
                                                                                                : Qt::ScrollBarAlwaysOff);
  }
  void setKeepSelectionVisible(bool keep) override {
    QPalette p = palette();
    const QPalette::ColorGroup source = keep ? QPalette::Active : QPalette::Inactive;
    p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(source, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(source, QPalette::HighlightedText));
    setPalette(p);
  }
  void setWantReturns(bool want) override { wantReturns_ = want; }
  void setPopupMenu(QMenu* menu) override { popup_ = menu; }
  QMenu* popupMenu() const override { return popup_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!wantReturns_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
      event->ignore();
      return;
    }
    QTextEdit::keyPressEvent(event);
  }
  void contextMenuEvent(QContextMenuEvent* event) override {
    if (popup_) popup_->exec(event->globalPos());
  }

 private:
  bool formatting_ = false;
  bool wantReturns_ = true;
  QMenu* popup_ = nullptr;
};

}  // namespace

RichEdit* createRichEditView(QWidget* parent) { return new TextEditRichEdit(parent); }

}  // namespace bxl::platform
