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
  QString text;
  text.reserve(qsizetype(bytes.size()));
  for (char b : bytes) text.append(QChar(char16_t(ansiToUnicode(static_cast<unsigned char>(b)))));
  return text;
}

}  // namespace bxl::platform
