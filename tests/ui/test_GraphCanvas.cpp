#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

#include "graph/GraphImage.h"
#include "ui/GraphCanvas.h"

namespace bxl::ui {
namespace {

using graph::kBlack;
using graph::kRed;
using graph::kWhite;

// The smallest rectangle holding every pixel of this colour (empty if none).
QRect extentOf(const QImage& picture, QRgb color) {
  QRect extent;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (picture.pixel(x, y) == color) extent |= QRect(x, y, 1, 1);
  return extent;
}

QImage blank(QSize size) {
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  return picture;
}

graph::Rectangle rectangle(int left, int top, int right, int bottom, int penWidth, std::optional<graph::Rgb> brush) {
  graph::Rectangle r;
  r.left = left;
  r.top = top;
  r.right = right;
  r.bottom = bottom;
  r.pen = kBlack;
  r.penWidth = penWidth;
  r.brush = brush;
  return r;
}

// The area left..right-1 x top..bottom-1 takes the brush; a pen of width w
// runs along its border, w / 2 pixels outside and (w - 1) / 2 inside.
TEST(GraphCanvas, RectanglesOutlineTheirAreaWithThePenCentredOnItsBorder) {
  struct Case {
    int penWidth;
    QRect outline;   // where the pen's pixels lie
    QRect interior;  // where the brush still shows
  };
  const Case cases[] = {
      {1, QRect(QPoint(10, 20), QPoint(29, 29)), QRect(QPoint(11, 21), QPoint(28, 28))},
      {2, QRect(QPoint(9, 19), QPoint(29, 29)), QRect(QPoint(11, 21), QPoint(27, 27))},
      {3, QRect(QPoint(9, 19), QPoint(30, 30)), QRect(QPoint(12, 22), QPoint(27, 27))},
  };
  for (const Case& c : cases) {
    QImage picture = blank(QSize(40, 40));
    GraphCanvas canvas(picture);
    canvas.draw(rectangle(10, 20, 30, 30, c.penWidth, kRed));
    EXPECT_EQ(extentOf(picture, qRgb(0, 0, 0)), c.outline) << "pen width " << c.penWidth;
    EXPECT_EQ(extentOf(picture, qRgb(255, 0, 0)), c.interior) << "pen width " << c.penWidth;
  }
  // A tick: one column of area, filled in the pen's colour, a 2-pixel pen.
  QImage picture = blank(QSize(40, 40));
  GraphCanvas canvas(picture);
  graph::Rectangle tick = rectangle(20, 5, 21, 15, 2, kRed);
  tick.pen = kRed;
  canvas.draw(tick);
  EXPECT_EQ(extentOf(picture, qRgb(255, 0, 0)), QRect(QPoint(19, 4), QPoint(20, 14)));
}

TEST(GraphCanvas, ADottedClearSquareSetsEveryOtherPixelOfItsBorderOnly) {
  QImage picture = blank(QSize(40, 40));
  picture.setPixel(15, 15, qRgb(255, 0, 0));
  GraphCanvas canvas(picture);
  graph::Rectangle square = rectangle(10, 10, 21, 21, 1, std::nullopt);
  square.penStyle = graph::PenStyle::Dotted;
  canvas.draw(square);
  for (const auto& [x, y, black] : {std::tuple{10, 10, true}, {11, 10, false}, {12, 10, true}, {20, 12, true},
                                     {20, 13, false}, {10, 20, true}, {11, 20, false}})
    EXPECT_EQ(picture.pixel(x, y) == qRgb(0, 0, 0), black) << x << "," << y;
  EXPECT_EQ(picture.pixel(15, 15), qRgb(255, 0, 0));  // the inside is left as it was
}

// Text is opaque: its box, as wide as its characters' advances and as high as
// the font, takes the background, and the letters are drawn in their colour.
TEST(GraphCanvas, TextFillsItsBoxWithTheBackgroundUnderTheLetters) {
  QImage picture = blank(QSize(120, 40));
  GraphCanvas canvas(picture);
  const graph::Text label{30, 10, "123", kBlack, kRed};
  canvas.draw(label);
  const QSize box = canvas.textSize(label);
  ASSERT_GT(box.width(), 0);
  // Nothing outside the box changed; its corners show the background.
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (!QRect(QPoint(30, 10), box).contains(x, y)) {
        ASSERT_EQ(picture.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
      }
  EXPECT_EQ(picture.pixel(30, 10), qRgb(255, 0, 0));
  EXPECT_EQ(picture.pixel(30 + box.width() - 1, 10 + box.height() - 1), qRgb(255, 0, 0));
  int letterPixels = 0;  // antialiased: any shade between red and black
  for (int y = 10; y < 10 + box.height(); ++y)
    for (int x = 30; x < 30 + box.width(); ++x) letterPixels += picture.pixel(x, y) != qRgb(255, 0, 0);
  EXPECT_GT(letterPixels, 10);
}

// Whatever hangs over the picture's edges is cut off there, and what lies
// inside is drawn.
TEST(GraphCanvas, DrawingOverThePicturesEdgesIsCutOff) {
  QImage picture = blank(QSize(30, 20));
  GraphCanvas canvas(picture);
  canvas.draw(rectangle(-5, -5, 35, 25, 3, kRed));
  EXPECT_EQ(extentOf(picture, qRgb(255, 0, 0)), QRect(0, 0, 30, 20));
  for (const auto& [x, y] : {std::pair{-20, 5}, {25, 5}, {5, -8}, {5, 15}, {40, 5}, {5, 30}})
    canvas.draw(graph::Text{x, y, "88888", kWhite, kBlack});
  EXPECT_EQ(picture.pixel(0, 5), qRgb(0, 0, 0));    // the box of the text starting at x -20
  EXPECT_EQ(picture.pixel(29, 5), qRgb(0, 0, 0));   // ... and of the one at x 25
  EXPECT_EQ(picture.pixel(5, 15), qRgb(0, 0, 0));   // ... at y 15
  EXPECT_EQ(picture.pixel(20, 12), qRgb(255, 0, 0));
}

}  // namespace
}  // namespace bxl::ui
