#pragma once
// The 8-bit code page of sequence texts (Windows-1252). Every character of a
// sequence text is one byte, so each one stands under exactly one base.
#include <string>

namespace bxl {

// The middle dot that fills codon cells ("M··").
inline constexpr char kMiddleDot = '\xB7';

// Byte standing for a character the code page cannot hold.
inline constexpr char kUnmappable = '?';

// Code point of a byte.
char32_t ansiToUnicode(unsigned char byte);
// Byte of a code point, or kUnmappable when the code page has no such character.
char unicodeToAnsi(char32_t codePoint);

// Upper-casing as the code page's locale does it: ASCII letters, the accented
// Latin-1 letters and the few Windows-1252 letters (š, œ, ž, ÿ). ß and µ stay.
char ansiUpper(char c);
std::string ansiUpper(std::string text);

}  // namespace bxl
