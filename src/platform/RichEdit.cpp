#include "platform/RichEdit.h"

#include <algorithm>

#include <QObject>

#include "platform/Desktop.h"

namespace bxl::platform {

void RichEdit::copyToClipboard() const {
  // The clipboard of this desktop takes "\n" line ends.
  if (selLength() > 0) desktop().setClipboardText(selectionText());
}

void RichEdit::cutToClipboard() {
  if (selLength() == 0) return;
  copyToClipboard();
  replaceSelection(QString());
}

void RichEdit::pasteFromClipboard() { replaceSelection(desktop().clipboardText()); }

RichEdit* asRichEdit(QObject* object) { return dynamic_cast<RichEdit*>(object); }

// Both run in one pass: QString::replace with many matches is quadratic-ish and
// takes most of a second on a genome-scale display.
QString normalizeLineEnds(QString text) {
  if (!text.contains(QLatin1Char('\r'))) return text;
  QString out(text.size(), Qt::Uninitialized);
  QChar* to = out.data();
  const QChar* from = text.constData();
  const QChar* end = from + text.size();
  qsizetype written = 0;
  for (; from < end; ++from) {
    if (*from == QLatin1Char('\r')) {
      to[written++] = QLatin1Char('\n');
      if (from + 1 < end && from[1] == QLatin1Char('\n')) ++from;
    } else {
      to[written++] = *from;
    }
  }
  out.truncate(written);
  return out;
}

QString withCrLf(const QString& text) {
  const char16_t* from = reinterpret_cast<const char16_t*>(text.constData());
  const char16_t* end = from + text.size();
  const auto ends = std::count(from, end, u'\n');
  if (ends == 0) return text;
  QString out(text.size() + ends, Qt::Uninitialized);
  char16_t* to = reinterpret_cast<char16_t*>(out.data());
  for (; from < end; ++from) {
    if (*from == u'\n') *to++ = u'\r';
    *to++ = *from;
  }
  return out;
}

namespace {
bool isWordCharacter(QChar c) { return c.isLetterOrNumber() || c == '_'; }
}  // namespace

qsizetype findInText(const QString& text, const QString& what, qsizetype start, qsizetype length, int options) {
  if (what.isEmpty() || start < 0 || start >= text.size()) return -1;
  const qsizetype end = std::min(text.size(), start + std::max<qsizetype>(0, length));
  const Qt::CaseSensitivity cs = (options & FindMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (qsizetype at = text.indexOf(what, start, cs); at >= 0 && at + what.size() <= end;
       at = text.indexOf(what, at + 1, cs)) {
    if (options & FindWholeWord) {
      const bool startsWord = at == 0 || !isWordCharacter(text[at - 1]);
      const bool endsWord = at + what.size() >= text.size() || !isWordCharacter(text[at + what.size()]);
      if (!startsWord || !endsWord) continue;
    }
    return at;
  }
  return -1;
}

}  // namespace bxl::platform
