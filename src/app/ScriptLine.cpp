#include "app/ScriptLine.h"

namespace bxl::app {
namespace {

QChar unescape(const QString& line, qsizetype& i) {
  // line[i] is the backslash; leaves i on the last character of the escape.
  if (i + 1 >= line.size()) throw ScriptError(QStringLiteral("a text ends with a lone backslash"));
  const QChar c = line[++i];
  switch (c.unicode()) {
    case 'n': return QChar('\n');
    case 'r': return QChar('\r');
    case 't': return QChar('\t');
    case '"': return QChar('"');
    case '\\': return QChar('\\');
    case 'x': {
      bool ok = false;
      const int value = line.mid(i + 1, 2).toInt(&ok, 16);
      if (!ok || line.mid(i + 1, 2).size() != 2)
        throw ScriptError(QStringLiteral("\\x must be followed by two hexadecimal digits"));
      i += 2;
      return QChar(char16_t(value));
    }
    default:
      throw ScriptError(QStringLiteral("unknown escape \\%1").arg(c));
  }
}

}  // namespace

std::vector<Word> splitScriptLine(const QString& line) {
  std::vector<Word> words;
  qsizetype i = 0;
  while (i < line.size()) {
    if (line[i].isSpace()) {
      ++i;
      continue;
    }
    Word word;
    if (line[i] == '"') {
      word.quoted = true;
      for (++i;; ++i) {
        if (i >= line.size()) throw ScriptError(QStringLiteral("a quoted text is not closed"));
        if (line[i] == '"') break;
        word.text += line[i] == '\\' ? unescape(line, i) : line[i];
      }
      ++i;
      if (i < line.size() && !line[i].isSpace())
        throw ScriptError(QStringLiteral("a quoted text must be followed by a blank"));
    } else {
      while (i < line.size() && !line[i].isSpace()) word.text += line[i++];
    }
    words.push_back(word);
  }
  return words;
}

}  // namespace bxl::app
