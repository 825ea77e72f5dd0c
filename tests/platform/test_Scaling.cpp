#include <gtest/gtest.h>

#include <QWidget>

#include "platform/Scaling.h"

namespace bxl::platform {
namespace {

TEST(Scaling, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(mulDiv(963, 62, 100), 597);  // 597.06
  EXPECT_EQ(mulDiv(50, 55, 100), 28);    // 27.5
  EXPECT_EQ(mulDiv(-4, 112, 100), -4);   // -4.48
  EXPECT_EQ(mulDiv(-25, 50, 100), -13);  // -12.5
}

TEST(Scaling, ScalesControlsAndTheirFontsButNotQtsInnerParts) {
  QWidget window;
  window.resize(1000, 800);
  auto* control = new QWidget(&window);
  control->setGeometry(10, 20, 200, 100);
  QFont pixels;
  pixels.setPixelSize(13);
  control->setFont(pixels);
  markAsControl(control);
  auto* inner = new QWidget(control);  // a part Qt made, laid out by its owner
  inner->setGeometry(1, 1, 50, 50);
  auto* pointsControl = new QWidget(&window);
  QFont points;
  points.setPointSize(10);
  pointsControl->setFont(points);
  markAsControl(pointsControl);

  scaleWindow(&window, 80);
  EXPECT_EQ(control->geometry(), QRect(8, 16, 160, 80));
  EXPECT_EQ(control->font().pixelSize(), 10);  // 10.4
  EXPECT_EQ(pointsControl->font().pointSize(), 8);
  EXPECT_EQ(inner->geometry(), QRect(1, 1, 50, 50));
  EXPECT_EQ(window.size(), QSize(800, 640));
}

}  // namespace
}  // namespace bxl::platform
