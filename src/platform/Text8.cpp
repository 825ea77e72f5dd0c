#include "platform/Text8.h"

#include "sequence/Ansi.h"

namespace bxl::platform {

std::string toAnsi(const QString& text) {
  std::string bytes;
  bytes.reserve(std::size_t(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t code = text[i].unicode();
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      code = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    bytes.push_back(unicodeToAnsi(code));
  }
  return bytes;
}

QString fromAnsi(std::string_view bytes) {
  // A genome-sized text gets room to grow, so the first character typed into
  // it does not copy the whole text.
  const auto size = qsizetype(bytes.size());
  QString text;
  text.reserve(size + (size > 65536 ? size / 64 : 0));
  // Latin-1 and the code page differ only in 0x80..0x9F, which sequences rarely hold.
  text.append(QLatin1StringView(bytes.data(), size));
  QChar* chars = text.data();
  for (qsizetype i = 0; i < text.size(); ++i)
    if (chars[i].unicode() >= 0x80 && chars[i].unicode() <= 0x9F)
      chars[i] = QChar(char16_t(ansiToUnicode(static_cast<unsigned char>(chars[i].unicode()))));
  return text;
}

}  // namespace bxl::platform
