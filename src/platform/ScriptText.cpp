#include "platform/ScriptText.h"

namespace bxl::platform {

QString quoteScriptText(const QString& text) {
  QString out;
  out.reserve(text.size() + 2);
  out += '"';
  for (QChar c : text) {
    switch (c.unicode()) {
      case '"': out += QStringLiteral("\\\""); break;
      case '\\': out += QStringLiteral("\\\\"); break;
      case '\n': out += QStringLiteral("\\n"); break;
      case '\r': out += QStringLiteral("\\r"); break;
      case '\t': out += QStringLiteral("\\t"); break;
      default:
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
          out += QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, '0');
        else
          out += c;
    }
  }
  out += '"';
  return out;
}

}  // namespace bxl::platform
