#include "platform/RichEdit.h"

#include <QObject>

#include "platform/Desktop.h"

namespace bxl::platform {

void RichEdit::copyToClipboard() const {
  if (selLength() > 0) desktop().setClipboardText(selectedText());
}

void RichEdit::cutToClipboard() {
  if (selLength() == 0) return;
  copyToClipboard();
  replaceSelection(QString());
}

void RichEdit::pasteFromClipboard() { replaceSelection(desktop().clipboardText()); }

RichEdit* asRichEdit(QObject* object) { return dynamic_cast<RichEdit*>(object); }

QString normalizeLineEnds(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace('\r', '\n');
  return text;
}

QString withCrLf(const QString& text) {
  QString out = text;
  out.replace('\n', QStringLiteral("\r\n"));
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
