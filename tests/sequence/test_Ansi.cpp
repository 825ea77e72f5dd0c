#include <gtest/gtest.h>

#include "sequence/Ansi.h"

namespace bxl {
namespace {

TEST(Ansi, MapsCodePointsBothWaysAndRefusesWhatThePageLacks) {
  const struct {
    char32_t code;
    char byte;
  } pairs[] = {{U'A', 'A'}, {0xB7, '\xB7'}, {0xE9, '\xE9'}, {0x20AC, '\x80'}, {0x0178, '\x9F'}, {0x81, '\x81'}};
  for (const auto& p : pairs) {
    EXPECT_EQ(unicodeToAnsi(p.code), p.byte);
    EXPECT_EQ(ansiToUnicode(static_cast<unsigned char>(p.byte)), p.code);
  }
  for (char32_t foreign : {char32_t(0x03B1), char32_t(0x1F600), char32_t(0x4E2D)})
    EXPECT_EQ(unicodeToAnsi(foreign), kUnmappable);
}

}  // namespace
}  // namespace bxl
