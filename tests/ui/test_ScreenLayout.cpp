#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <memory>

#include "platform/Desktop.h"
#include "platform/Scaling.h"
#include "platform/ScriptedDesktop.h"
#include "ui/ScreenLayout.h"
#include "ui/Style.h"
#include "ui/TRANSLATION_Form3.h"
#include "ui/TRANSLATION_Form3_design.h"

namespace bxl::ui {
namespace {

using platform::mulDiv;

struct ScreenCase {
  int width, height;
  std::optional<int> percent;       // the ratio step
  std::optional<int> smallPercent;  // the small-screen step
  int buttonPoints, bitButtonPoints;
};

const ScreenCase kScreens[] = {
    {1280, 810, std::nullopt, std::nullopt, 0, 0},
    {1152, 864, 112, std::nullopt, 0, 0},
    {1024, 768, 80, std::nullopt, 0, 0},
    {1366, 768, 94, std::nullopt, 0, 0},
    {1280, 800, 98, std::nullopt, 0, 0},
    {1280, 1024, std::nullopt, std::nullopt, 0, 0},
    {1920, 1080, std::nullopt, std::nullopt, 0, 0},
    {1440, 900, std::nullopt, std::nullopt, 0, 0},
    {800, 600, 62, 70, 6, 6},
    {640, 480, 50, 55, 5, 4},
    {1024, 600, 74, 70, 6, 6},
    {1279, 2000, 99, std::nullopt, 0, 0},
};

class MainWindowOnScreen : public testing::TestWithParam<ScreenCase> {};

TEST_P(MainWindowOnScreen, ScalesByTheRuleAndKeepsTheRightColumnAtTheEdge) {
  const ScreenCase& screen = GetParam();
  const QSize size(screen.width, screen.height);
  EXPECT_EQ(screenScalePercent(size), screen.percent);
  const auto small = smallScreenStep(size);
  EXPECT_EQ(small ? std::optional<int>(small->percent) : std::nullopt, screen.smallPercent);

  platform::setDesktop(std::make_unique<platform::ScriptedDesktop>(size));
  TForm3 form;
  const auto scaled = [&](int design) {
    int value = design;
    if (screen.percent) value = mulDiv(value, *screen.percent, 100);
    if (screen.smallPercent) value = mulDiv(value, *screen.smallPercent, 100);
    return value;
  };
  const auto widget = [&](const char* name) { return form.control<QWidget>(QString::fromLatin1(name)); };

  EXPECT_EQ(widget("RichEdit1")->geometry(), QRect(scaled(8), scaled(128), scaled(963), scaled(105)));
  EXPECT_EQ(widget("RichEdit1")->font().pixelSize(), std::max(1, scaled(13)));
  for (const char* name : {"ButtonCERRAR", "ButtonPRINT", "ButtonGeneticCode", "ButtonEDITAR", "Panel20"})
    EXPECT_EQ(widget(name)->geometry().right() + 1, screen.width - 10) << name;
  EXPECT_EQ(widget("Panel20")->width(), widget("ButtonCERRAR")->width());
  EXPECT_EQ(widget("Panel20")->height(), screen.height);
  EXPECT_EQ(widget("BtnSeQExample")->geometry().right() + 1, widget("ButtonCERRAR")->x());
  EXPECT_EQ(widget("Panel2")->x(), widget("ButtonCERRAR")->x());
  EXPECT_EQ(widget("Panel8")->geometry().right() + 1, widget("ButtonEDITAR")->x());
  EXPECT_EQ(widget("Cabecera")->width(), screen.width);
  EXPECT_EQ(widget("Bevel1")->width(), screen.width);
  if (screen.buttonPoints) {
    EXPECT_EQ(widget("Button11")->font().pointSize(), screen.buttonPoints);
    EXPECT_EQ(widget("BtnPANTALLA")->font().pointSize(), screen.buttonPoints);
    EXPECT_EQ(widget("BitOpenORF")->font().pointSize(), screen.bitButtonPoints);
    EXPECT_EQ(widget("BitEspanol")->font().pointSize(), screen.bitButtonPoints);
  }
  // The smooth buttons are neither plain nor picture buttons: only scaled.
  EXPECT_EQ(widget("ButtonABRIR")->font().pointSize(), std::max(1, scaled(10)));

  // The stop-codon legend stands just under the display, at its left edge,
  // inside what the window scrolls to, and on the screen of a maximised window.
  const QRect display = widget("RichEditProt")->geometry();
  const QRect legend = widget("Label2")->geometry();
  EXPECT_EQ(legend.left(), display.left());
  EXPECT_EQ(legend.top(), display.bottom() + 1 + form3::kLegendGap);
  EXPECT_LE(legend.bottom(), form.client()->minimumHeight());
  form.setGeometry(0, 0, screen.width, screen.height);
  EXPECT_LE(widget("Label2")->mapTo(&form, legend.bottomRight() - legend.topLeft()).y(), screen.height);
}

// The label buttons carry their colours, red for stops and green for
// methionines, with white captions that fit, in both languages and at every scale.
class LabelButtonsOnScreen : public testing::TestWithParam<ScreenCase> {
 protected:
  void SetUp() override { applyStyle(*qApp); }
  void TearDown() override { qApp->setStyleSheet(QString()); }
};

TEST_P(LabelButtonsOnScreen, ShowTheirColoursAndWholeCaptions) {
  const ScreenCase& screen = GetParam();
  platform::setDesktop(std::make_unique<platform::ScriptedDesktop>(QSize(screen.width, screen.height)));
  TForm3 form;
  const struct {
    const char* name;
    bool red;  // else green
  } buttons[] = {{"BtnLabelStops", true}, {"BtnLabelMet", false}};
  for (const char* language : {"BitEnglish", "BitEspanol"}) {
    form.control<QAbstractButton>(QString::fromLatin1(language))->click();
    for (const auto& b : buttons) {
      auto* button = form.control<QPushButton>(QString::fromLatin1(b.name));
      SCOPED_TRACE(std::string(b.name) + " " + language + " " + button->text().toStdString());
      // Face pixels are of the face's hue; caption pixels are light, the face
      // and its border dark, so the caption stands out even where it is tiny.
      const QImage face = button->grab().toImage();
      int ofFace = 0, light = 0;
      for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) {
          const QRgb pixel = face.pixel(x, y);
          const int main = b.red ? qRed(pixel) : qGreen(pixel), other = b.red ? qGreen(pixel) : qRed(pixel);
          ofFace += main > 2 * other && main > 2 * qBlue(pixel);
          light += std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) > 110;
        }
      EXPECT_GT(ofFace, face.width() * face.height() / 2);
      EXPECT_GT(light, face.width() * face.height() / 50);
      EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width() - 2);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, LabelButtonsOnScreen, testing::ValuesIn(kScreens), [](const auto& param) {
  return std::to_string(param.param.width) + "x" + std::to_string(param.param.height);
});

INSTANTIATE_TEST_SUITE_P(Screens, MainWindowOnScreen, testing::ValuesIn(kScreens), [](const auto& param) {
  return std::to_string(param.param.width) + "x" + std::to_string(param.param.height);
});

}  // namespace
}  // namespace bxl::ui
