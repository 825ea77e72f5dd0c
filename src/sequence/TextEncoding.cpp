#include "sequence/TextEncoding.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "sequence/Ansi.h"

namespace bxl {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

unsigned char byteAt(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

// One UTF-8 character at i. A malformed or cut sequence (overlong forms and
// surrogates included) is one bad character spanning its lead byte and the
// continuation bytes that were still acceptable, so each one costs a single
// replacement.
struct Utf8Char {
  char32_t code;
  std::size_t length;
  bool valid;
};

Utf8Char utf8CharAt(std::string_view bytes, std::size_t i) {
  const unsigned char lead = byteAt(bytes, i);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t extra = 0;
  char32_t code = 0;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, code = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, code = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // beyond U+10FFFF
  } else {
    return {0, 1, false};
  }
  std::size_t k = 1;
  for (; k <= extra && i + k < bytes.size(); ++k) {
    const unsigned char b = byteAt(bytes, i + k);
    if (k == 1 ? (b < low || b > high) : (b & 0xC0) != 0x80) break;
    code = (code << 6) | (b & 0x3F);
  }
  return k > extra ? Utf8Char{code, k, true} : Utf8Char{0, k, false};
}

// Where the first byte beyond ASCII is, eight bytes at a time.
std::size_t firstNonAscii(std::string_view bytes) {
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, 8);
    if (word & 0x8080808080808080u) break;
  }
  while (i < bytes.size() && (byteAt(bytes, i) & 0x80) == 0) ++i;
  return i;
}

bool isValidUtf8(std::string_view bytes, std::size_t from) {
  for (std::size_t i = from; i < bytes.size();) {
    i += firstNonAscii(bytes.substr(i));
    if (i == bytes.size()) break;
    const Utf8Char c = utf8CharAt(bytes, i);
    if (!c.valid) return false;
    i += c.length;
  }
  return true;
}

std::string fromUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t ascii = firstNonAscii(bytes.substr(i));
    out.append(bytes.substr(i, ascii));
    i += ascii;
    if (i == bytes.size()) break;
    const Utf8Char c = utf8CharAt(bytes, i);
    out.push_back(c.valid ? unicodeToAnsi(c.code) : kUnmappable);
    i += c.length;
  }
  return out;
}

char32_t utf16UnitAt(std::string_view bytes, std::size_t i, bool bigEndian) {
  const unsigned char a = byteAt(bytes, i), b = byteAt(bytes, i + 1);
  return bigEndian ? char32_t(a << 8 | b) : char32_t(b << 8 | a);
}

// A surrogate pair is one character; an odd last byte is a cut character.
std::string fromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = utf16UnitAt(bytes, i, bigEndian);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      const char32_t low = utf16UnitAt(bytes, i + 2, bigEndian);
      if (low >= 0xDC00 && low < 0xE000) {
        out.push_back(unicodeToAnsi(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
        i += 2;
        continue;
      }
    }
    out.push_back(unicodeToAnsi(unit));
  }
  if (bytes.size() % 2 != 0) out.push_back(kUnmappable);
  return out;
}

// UTF-16 without a mark: whole code units, none of them zero (which no text
// holds), and at least half of them with a zero high byte, as text in Latin
// letters has. Returns whether it is, and which byte order.
bool looksLikeUtf16(std::string_view bytes, bool& bigEndian) {
  if (bytes.empty() || bytes.size() % 2 != 0) return false;
  std::size_t zeroFirst = 0, zeroSecond = 0;
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    const bool first = bytes[i] == '\0', second = bytes[i + 1] == '\0';
    if (first && second) return false;
    zeroFirst += first;
    zeroSecond += second;
  }
  const std::size_t units = bytes.size() / 2;
  bigEndian = zeroFirst > zeroSecond;
  return std::max(zeroFirst, zeroSecond) * 2 >= units;
}

}  // namespace

DetectedEncoding detectTextEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return {TextEncoding::Utf8, true};
  if (bytes.starts_with(kUtf16LittleMark)) return {TextEncoding::Utf16LittleEndian, true};
  if (bytes.starts_with(kUtf16BigMark)) return {TextEncoding::Utf16BigEndian, true};
  if (bytes.find('\0') != std::string_view::npos) {
    bool bigEndian = false;
    if (looksLikeUtf16(bytes, bigEndian))
      return {bigEndian ? TextEncoding::Utf16BigEndian : TextEncoding::Utf16LittleEndian, false};
    return {};
  }
  const std::size_t from = firstNonAscii(bytes);
  if (from < bytes.size() && isValidUtf8(bytes, from)) return {TextEncoding::Utf8, false};
  return {};
}

std::string toCodePage(std::string_view bytes, DetectedEncoding found) {
  if (found.byteOrderMark)
    bytes.remove_prefix(found.encoding == TextEncoding::Utf8 ? kUtf8Mark.size() : kUtf16LittleMark.size());
  switch (found.encoding) {
    case TextEncoding::Utf8: return fromUtf8(bytes);
    case TextEncoding::Utf16LittleEndian: return fromUtf16(bytes, false);
    case TextEncoding::Utf16BigEndian: return fromUtf16(bytes, true);
    case TextEncoding::Windows1252: break;
  }
  return std::string(bytes);
}

DecodedText decodeText(std::string_view bytes) {
  const DetectedEncoding found = detectTextEncoding(bytes);
  return {toCodePage(bytes, found), found.encoding, found.byteOrderMark};
}

}  // namespace bxl
