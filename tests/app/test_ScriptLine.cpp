#include <gtest/gtest.h>

#include "app/ScriptLine.h"

namespace bxl::app {
namespace {

TEST(ScriptLine, SplitsWordsAndUnescapesQuotedTexts) {
  const auto words = splitScriptLine(QStringLiteral(R"(set  TForm3.RichEdit1 "a\tb\r\n\"q\" \\ \xB7 é")"));
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0].text, QStringLiteral("set"));
  EXPECT_FALSE(words[0].quoted);
  EXPECT_EQ(words[1].text, QStringLiteral("TForm3.RichEdit1"));
  EXPECT_TRUE(words[2].quoted);
  EXPECT_EQ(words[2].text, QStringLiteral("a\tb\r\n\"q\" \\ ") + QChar(0xB7) + QStringLiteral(" é"));
  EXPECT_TRUE(splitScriptLine(QStringLiteral("   ")).empty());
  EXPECT_EQ(splitScriptLine(QStringLiteral(R"(answer "")")).at(1).text, QString());
}

TEST(ScriptLine, RefusesMalformedTexts) {
  for (const char* bad : {R"(set X "open)", R"(set X "bad\q")", R"(set X "\x4")", R"(set X "a"b)", R"(set X "end\)"})
    EXPECT_THROW(splitScriptLine(QString::fromUtf8(bad)), ScriptError) << bad;
}

}  // namespace
}  // namespace bxl::app
