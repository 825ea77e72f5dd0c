#include <gtest/gtest.h>

#include <QAbstractButton>
#include <memory>

#include "platform/ScriptedDesktop.h"
#include "sequence/Ansi.h"
#include "ui/TRANSLATION_Form3.h"

namespace bxl::ui {
namespace {

// What the ORF, graph and lookup windows read: the main window's state at the
// moment they ask, through the one view they are given.
TEST(WorkspaceView, ReadsTheMainWindowAsItStandsNow) {
  platform::setDesktop(std::make_unique<platform::ScriptedDesktop>(QSize(1280, 810)));
  TForm3 form;
  const WorkspaceView& view = form.workspace();
  EXPECT_EQ(view.frame(0), "");
  EXPECT_EQ(view.letterCode(), QStringLiteral("Label1"));
  EXPECT_EQ(view.graphFrames(), QStringLiteral("INFORMACION PARA GRAFICA"));
  EXPECT_EQ(view.language(), QStringLiteral("En"));
  EXPECT_EQ(view.filePath(), QString());

  form.richEdit(QStringLiteral("RichEdit1"))->setText(QStringLiteral("ATGAAA\nTTTG"));
  form.control<QAbstractButton>(QStringLiteral("Btn3LetterCode"))->click();
  form.control<QAbstractButton>(QStringLiteral("BitEspanol"))->click();
  const std::string dot(1, kMiddleDot);
  EXPECT_EQ(view.frame(0), "MetLysPhe");
  EXPECT_EQ(view.frame(1), dot + "***AsnLeu");
  EXPECT_EQ(view.frame(2), dot + dot + "GluIle" + dot);
  EXPECT_EQ(view.letterCode(), QStringLiteral("3Code"));
  EXPECT_EQ(view.graphFrames(), QStringLiteral("All"));
  EXPECT_EQ(view.language(), QStringLiteral("Es"));
  EXPECT_EQ(view.editorText(), QStringLiteral("ATGAAA\r\nTTTG"));
  // The hidden holder shows the same frame, not a copy of its own.
  EXPECT_EQ(form.richEdit(QStringLiteral("RichEdit2"))->plainText(), QStringLiteral("MetLysPhe"));
}

}  // namespace
}  // namespace bxl::ui
