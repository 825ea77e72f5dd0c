#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPointer>
#include <QTemporaryDir>
#include <memory>

#include "app/ScriptDriver.h"
#include "platform/ScriptedDesktop.h"
#include "ui/TRANSLATION_Form3.h"

namespace bxl::app {
namespace {

class ScriptDriverTest : public testing::Test {
 protected:
  void SetUp() override {
    auto scripted = std::make_unique<platform::ScriptedDesktop>(QSize(1280, 810));
    desktop = scripted.get();
    platform::setDesktop(std::move(scripted));
    form = new ui::TForm3;
    driver = std::make_unique<ScriptDriver>(*desktop, [this](const QString& line) { out << line; });
  }
  void TearDown() override { delete form.data(); }
  QStringList run(const QString& line) {
    out.clear();
    driver->runLine(line);
    return out;
  }

  platform::ScriptedDesktop* desktop = nullptr;
  QPointer<ui::TForm3> form;
  std::unique_ptr<ScriptDriver> driver;
  QStringList out;
};

TEST_F(ScriptDriverTest, RefusesLinesItCannotCarryOut) {
  const char* bad[] = {
      "frobnicate",
      "dump",
      "dump TForm27",
      "dump TForm3[1]",
      "dump TForm3.NoSuchControl",
      "dump TForm3.RichEdit1 extra",
      "click TForm3.RichEdit1",
      "set TForm3.Label1 \"x\"",
      "set TForm3.RichEdit1 unquoted",
      "select TForm3.RichEdit1 a 1",
      "tick TForm3.ProgressBar1 1",
      "answer Maybe",
      "printer maybe",
      "dump-state nothing",
      "find \"x\"",
      "pixel TForm3.RichEdit1 0 0",
      "grab TForm3.RichEdit1 \"x.png\"",
      "close TForm3.RichEdit1",
      "resize TForm3.RichEdit1 100 100",
      "resize TForm3 0 600",
      "reveal TForm3",
      "popup TForm3.Label1",
      "clipboard-file \"no/such/file.fasta\"",
  };
  for (const char* line : bad) EXPECT_THROW(run(QString::fromLatin1(line)), ScriptError) << line;
  EXPECT_NO_THROW(run(QStringLiteral("   # a comment with \"an open quote")));
}

TEST_F(ScriptDriverTest, SetSelectAndKeysActOnTheControlAsTheUserWould) {
  run(QStringLiteral(R"(set TForm3.RichEdit1 "AC\r\nGT")"));
  run(QStringLiteral("select TForm3.RichEdit1 1 3"));
  EXPECT_TRUE(run(QStringLiteral("dump TForm3.RichEdit1"))
                  .contains(QStringLiteral(R"(TForm3.RichEdit1.text = "AC\r\nGT")")));
  EXPECT_TRUE(out.contains(QStringLiteral("TForm3.RichEdit1.selstart = 1")));
  EXPECT_TRUE(out.contains(QStringLiteral("TForm3.RichEdit1.sellength = 3")));
  EXPECT_TRUE(out.contains(QStringLiteral(R"(TForm3.RichEdit1.line[1] = "GT")")));
  // Ctrl+A runs "Select All", which acts only on the focused editor.
  form->show();
  run(QStringLiteral("focus TForm3.RichEdit1"));
  run(QStringLiteral(R"(key TForm3.RichEdit1 "Ctrl+A")"));
  EXPECT_TRUE(run(QStringLiteral("dump TForm3.RichEdit1")).contains(QStringLiteral("TForm3.RichEdit1.sellength = 5")));
  run(QStringLiteral(R"(clipboard "x\xB7y")"));
  EXPECT_EQ(run(QStringLiteral("dump-clipboard")), QStringList{QStringLiteral("clipboard = \"x·y\"")});
}

TEST_F(ScriptDriverTest, DialogsTakeQueuedAnswersAndAreLogged) {
  using platform::Answer;
  using platform::Buttons;
  // A message with only OK needs no answer, and takes a queued OK when one is next.
  EXPECT_EQ(desktop->message(nullptr, "BeXalo", "Note", Buttons::Ok), Answer::Ok);
  run(QStringLiteral("answer OK"));
  run(QStringLiteral("answer Yes"));
  EXPECT_EQ(desktop->message(nullptr, "BeXalo", "Note", Buttons::Ok), Answer::Ok);
  EXPECT_EQ(desktop->message(nullptr, "BeXalo", "Delete?", Buttons::YesNo), Answer::Yes);
  run(QStringLiteral(R"(answer "/tmp/a.bxl")"));
  run(QStringLiteral("answer Cancel"));
  EXPECT_EQ(desktop->openFile(nullptr, "Bexalo (*.BXL)|*.BXL", "BXL"), QStringLiteral("/tmp/a.bxl"));
  EXPECT_FALSE(desktop->printDialog(nullptr));
  EXPECT_EQ(run(QStringLiteral("messages")),
            QStringList({R"(message "BeXalo" "Note" OK -> OK)", R"(message "BeXalo" "Note" OK -> OK)",
                         R"(message "BeXalo" "Delete?" Yes/No -> Yes)",
                         R"(open-dialog "Bexalo (*.BXL)|*.BXL" -> "/tmp/a.bxl")", "print-dialog -> Cancel"}));
  EXPECT_TRUE(run(QStringLiteral("messages")).isEmpty());
  // A question with nothing queued fails the line that raised it.
  EXPECT_EQ(desktop->message(nullptr, "BeXalo", "Delete?", Buttons::YesNo), Answer::No);
  EXPECT_THROW(run(QStringLiteral("messages")), ScriptError);
}

TEST_F(ScriptDriverTest, PrintJobsBecomeNumberedPdfFiles) {
  QTemporaryDir dir;
  run(QStringLiteral("print-dir \"%1\"").arg(dir.path()));
  desktop->printText("Translation", platform::Orientation::Portrait, {"line one", "line two"}, QFont());
  desktop->printImage("ORF", platform::Orientation::Landscape, QImage(20, 10, QImage::Format_RGB32));
  const QStringList log = run(QStringLiteral("messages"));
  ASSERT_EQ(log.size(), 2);
  EXPECT_EQ(log[0], QStringLiteral("print-job \"Translation\" portrait -> \"%1/01-Translation.pdf\"").arg(dir.path()));
  EXPECT_EQ(log[1], QStringLiteral("print-job \"ORF\" landscape -> \"%1/02-ORF.pdf\"").arg(dir.path()));
  EXPECT_GT(QFileInfo(dir.filePath("01-Translation.pdf")).size(), 0);
  EXPECT_GT(QFileInfo(dir.filePath("02-ORF.pdf")).size(), 0);
}

}  // namespace
}  // namespace bxl::app
