#include <gtest/gtest.h>

#include <string>

#include "sequence/Ansi.h"
#include "sequence/TextEncoding.h"

namespace bxl {
namespace {

using Encoding = TextEncoding;
using namespace std::string_literals;

std::string utf8(char32_t c) {
  if (c < 0x80) return std::string(1, char(c));
  if (c < 0x800) return {char(0xC0 | c >> 6), char(0x80 | (c & 0x3F))};
  return {char(0xE0 | c >> 12), char(0x80 | (c >> 6 & 0x3F)), char(0x80 | (c & 0x3F))};
}

std::string utf16(char32_t c, bool bigEndian) {
  const char high = char(c >> 8), low = char(c & 0xFF);
  return bigEndian ? std::string{high, low} : std::string{low, high};
}

TEST(TextEncoding, DecidesTheEncodingAndDecodes) {
  const struct {
    std::string bytes;
    std::string text;
    Encoding encoding;
    bool mark;
  } cases[] = {
      {"ATG", "ATG", Encoding::Windows1252, false},
      {"", "", Encoding::Windows1252, false},
      // Not valid UTF-8: taken byte for byte, as before.
      {"AT\xE9G", "AT\xE9G", Encoding::Windows1252, false},
      {"\xC3\xA9 \xE9", "\xC3\xA9 \xE9", Encoding::Windows1252, false},
      {"A\xC0\x80", "A\xC0\x80", Encoding::Windows1252, false},          // overlong NUL
      {"A\xED\xA0\x80", "A\xED\xA0\x80", Encoding::Windows1252, false},  // a surrogate
      {"A\xF4\x90\x80\x80", "A\xF4\x90\x80\x80", Encoding::Windows1252, false},
      // Valid UTF-8 beyond ASCII; what the code page lacks is one '?' per character.
      {"AT\xC3\xA9G", "AT\xE9G", Encoding::Utf8, false},
      {"\xE2\x82\xAC", "\x80", Encoding::Utf8, false},
      {"ATG\xCE\xB1\xCE\xB2\xCE\xB3" "AAA", "ATG???AAA", Encoding::Utf8, false},
      {"A\xF0\x9F\x98\x80" "C", "A?C", Encoding::Utf8, false},
      // With a mark, malformed pieces are kept visible, one '?' each.
      {"\xEF\xBB\xBF", "", Encoding::Utf8, true},
      {"\xEF\xBB\xBF" "A\xE0\x80" "C\xFF", "A??C?", Encoding::Utf8, true},
      {"\xEF\xBB\xBF" "A\xE2\x82", "A?", Encoding::Utf8, true},
      // UTF-16 by its mark or by its NULs.
      {"\xFF\xFE" "A\0T\0"s, "AT", Encoding::Utf16LittleEndian, true},
      {"\xFE\xFF\0A\0T"s, "AT", Encoding::Utf16BigEndian, true},
      {"\xFF\xFE" "A\0T"s, "A?", Encoding::Utf16LittleEndian, true},  // cut last unit
      {"\xFF\xFE", "", Encoding::Utf16LittleEndian, true},
      {"A\0T\0\r\0\n\0G\0"s, "AT\r\nG", Encoding::Utf16LittleEndian, false},
      {"\0A\0T\0\r\0\n\0G"s, "AT\r\nG", Encoding::Utf16BigEndian, false},
      {"A\0=\xD8\x01\xDE" "C\0\xB1\x03" "G\0"s, "A?C?G", Encoding::Utf16LittleEndian, false},  // emoji, alpha
      // NULs in no UTF-16 pattern: left as they are, for the reader to refuse.
      {"ATG\0\x01\x02\r\nCC"s, "ATG\0\x01\x02\r\nCC"s, Encoding::Windows1252, false},
      {"A\0\0\0T\0"s, "A\0\0\0T\0"s, Encoding::Windows1252, false},  // a zero unit
      {"A\0T\0G"s, "A\0T\0G"s, Encoding::Windows1252, false},        // odd length
      {"\xB1\x03\xB2\x03" "A\0"s, "\xB1\x03\xB2\x03" "A\0"s, Encoding::Windows1252, false},  // too few NULs
  };
  for (const auto& c : cases) {
    const DecodedText decoded = decodeText(c.bytes);
    EXPECT_EQ(decoded.text, c.text) << testing::PrintToString(c.bytes);
    EXPECT_EQ(decoded.encoding, c.encoding) << testing::PrintToString(c.bytes);
    EXPECT_EQ(decoded.byteOrderMark, c.mark) << testing::PrintToString(c.bytes);
  }
}

// Every character of the code page comes back as its byte from UTF-8 and from
// UTF-16 in either byte order, with and without a mark.
TEST(TextEncoding, EveryCodePageCharacterSurvivesEachEncoding) {
  std::string page, asUtf8, asLittle, asBig;
  for (int byte = 1; byte < 256; ++byte) {
    const char32_t code = ansiToUnicode(static_cast<unsigned char>(byte));
    page.push_back(char(byte));
    asUtf8 += utf8(code);
    asLittle += utf16(code, false);
    asBig += utf16(code, true);
  }
  EXPECT_EQ(decodeText(asUtf8).text, page);
  EXPECT_EQ(decodeText("\xEF\xBB\xBF" + asUtf8).text, page);
  EXPECT_EQ(decodeText(asLittle).text, page);
  EXPECT_EQ(decodeText("\xFF\xFE" + asLittle).text, page);
  EXPECT_EQ(decodeText(asBig).text, page);
  EXPECT_EQ(decodeText("\xFE\xFF" + asBig).text, page);
}

}  // namespace
}  // namespace bxl
