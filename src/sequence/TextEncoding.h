#pragma once
// Bringing the bytes of a text file to the 8-bit code page of sequence texts.
//
// A byte-order mark names the encoding (UTF-8, UTF-16 little or big endian).
// Without one:
// - bytes holding NULs in the pattern of UTF-16 (at least half of the code
//   units with a zero high byte, no unit zero) are UTF-16 of that byte order;
// - valid UTF-8 holding bytes beyond ASCII is UTF-8;
// - anything else is taken as Windows-1252, byte for byte.
// A character the code page has no place for becomes one kUnmappable ('?'):
// it stays visible as an unusable character, one per character, and never
// vanishes; so do malformed UTF-8 sequences and unpaired UTF-16 surrogates.
#include <string>
#include <string_view>

namespace bxl {

enum class TextEncoding { Windows1252, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct DetectedEncoding {
  TextEncoding encoding = TextEncoding::Windows1252;
  bool byteOrderMark = false;
};

// What the bytes are; Windows-1252 without a mark means they are the text.
DetectedEncoding detectTextEncoding(std::string_view bytes);

// The bytes in the 8-bit code page, read in the given encoding (a mark, when
// the encoding has one, is skipped). May hold NULs when the bytes are not text.
std::string toCodePage(std::string_view bytes, DetectedEncoding encoding);

struct DecodedText {
  std::string text;
  TextEncoding encoding = TextEncoding::Windows1252;
  bool byteOrderMark = false;
};

// Both at once.
DecodedText decodeText(std::string_view bytes);

}  // namespace bxl
