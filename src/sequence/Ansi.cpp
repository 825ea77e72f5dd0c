#include "sequence/Ansi.h"

#include <array>

namespace bxl {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unused bytes.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t ansiToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    const char32_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : char32_t(byte);
  }
  return char32_t(byte);
}

char unicodeToAnsi(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return char(codePoint);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    const char32_t mapped = kHighControls[i] != 0 ? kHighControls[i] : char32_t(0x80 + i);
    if (mapped == codePoint) return char(0x80 + i);
  }
  return kUnmappable;
}

char ansiUpper(char c) {
  const auto b = static_cast<unsigned char>(c);
  if (b >= 'a' && b <= 'z') return char(b - 0x20);
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return char(b - 0x20);
  switch (b) {
    case 0x9A: return '\x8A';  // š
    case 0x9C: return '\x8C';  // œ
    case 0x9E: return '\x8E';  // ž
    case 0xFF: return '\x9F';  // ÿ
    default: return c;
  }
}

std::string ansiUpper(std::string text) {
  for (char& c : text) c = ansiUpper(c);
  return text;
}

}  // namespace bxl
