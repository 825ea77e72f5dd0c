#pragma once
// A rich edit as the windows use it: text with character formats, a
// selection, find and the clipboard. Positions are 0-based and count a line
// end as one character; text() writes line ends as "\r\n".
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QMenu;
class QObject;
class QWidget;

namespace bxl::platform {

// Line ends "\r\n" and "\r" become "\n", the single line end used inside.
QString normalizeLineEnds(QString text);
// The text with "\n" line ends written as "\r\n".
QString withCrLf(const QString& text);

struct CharFormat {
  QColor color = QColor(Qt::black);
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  bool operator==(const CharFormat& other) const = default;
  bool isPlain() const { return *this == CharFormat{}; }
};

struct FormatRun {
  qsizetype start = 0;
  qsizetype length = 0;
  CharFormat format;
};

enum FindOption { FindMatchCase = 1, FindWholeWord = 2 };

enum class ScrollBars { None, Vertical, Both, VerticalAlways };

class RichEdit {
 public:
  virtual ~RichEdit() = default;

  // The control as a Qt object, for names, parents and the script driver.
  virtual QObject* object() = 0;
  // The widget that shows the text, or nullptr for a holder that only keeps it.
  virtual QWidget* view() = 0;

  // The text with "\n" line ends, one character per position.
  virtual QString plainText() const = 0;
  QString text() const { return withCrLf(plainText()); }
  // Replaces the whole text, as typing it would: the change handler runs.
  virtual void setText(const QString& text) = 0;
  virtual QStringList lines() const = 0;
  // Number of positions: characters plus one per line end.
  virtual qsizetype length() const = 0;

  virtual qsizetype selStart() const = 0;
  virtual qsizetype selLength() const = 0;
  virtual void setSelection(qsizetype start, qsizetype length) = 0;
  // The selected text with "\n" line ends.
  virtual QString selectionText() const = 0;
  QString selectedText() const { return withCrLf(selectionText()); }
  virtual void replaceSelection(const QString& text) = 0;

  virtual CharFormat formatAt(qsizetype position) const = 0;
  virtual void setSelectionFormat(const CharFormat& format) = 0;
  // Formats many ranges at once (sorted, not overlapping), leaving the selection alone.
  virtual void applyFormats(std::span<const FormatRun> runs) = 0;
  // The maximal runs whose format is not plain black, in order.
  virtual std::vector<FormatRun> formatRuns() const = 0;

  // Position of the first match inside [start, start + length), or -1.
  virtual qsizetype findText(const QString& what, qsizetype start, qsizetype length, int options) const = 0;

  virtual QFont textFont() const = 0;
  virtual void setTextFont(const QFont& font) = 0;
  virtual void setWordWrap(bool wrap) = 0;
  virtual void setScrollBars(ScrollBars bars) = 0;
  // Keep the selection painted while another control has the focus.
  virtual void setKeepSelectionVisible(bool keep) = 0;
  // Whether the Return key starts a new line.
  virtual void setWantReturns(bool want) = 0;
  virtual void setPopupMenu(QMenu* menu) = 0;

  void selectAll() { setSelection(0, length()); }
  void copyToClipboard() const;
  void cutToClipboard();
  void pasteFromClipboard();

  // Runs after every change of the text (not of its formats).
  std::function<void()> onChanged;

 protected:
  void changed() {
    if (onChanged) onChanged();
  }
};

// The rich edit found under this object, or nullptr.
RichEdit* asRichEdit(QObject* object);

// The implementations are in richtext/.
// A visible rich edit on a window (richtext/SequenceView.cpp).
RichEdit* createRichEditView(QWidget* parent);
// A hidden holder that keeps text between commands and paints nothing (richtext/TextHolder.cpp).
RichEdit* createTextHolder(QObject* parent);
// A hidden holder whose text is an 8-bit string kept elsewhere (Windows-1252,
// one byte per character), read and written in place; the string outlives it.
// Whoever changes the string directly leaves the holder's selection inside it.
RichEdit* createTextHolder(QObject* parent, std::string* ansiText);

// find over a text whose line ends are single "\n" characters.
qsizetype findInText(const QString& text, const QString& what, qsizetype start, qsizetype length, int options);

}  // namespace bxl::platform
