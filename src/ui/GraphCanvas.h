#pragma once
// The graph's drawing calls painted on a window's picture. A genome's markers
// are hundreds of thousands of rectangles and labels, so they are written
// straight into the picture's pixels: rectangles as spans of pixels, labels as
// glyph cells rendered once per colour pair and copied row by row.
#include <QFont>
#include <QImage>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "graph/GraphImage.h"

namespace bxl::ui {

class GraphCanvas final : public graph::Canvas {
 public:
  // Draws on `picture` (32 bits a pixel), which outlives the canvas.
  explicit GraphCanvas(QImage& picture);
  ~GraphCanvas() override;

  // A rectangle as the desktop draws one: the brush fills the columns left to
  // right - 1 and the rows top to bottom - 1; the pen runs along that area's
  // border, a pen of width w covering w / 2 pixels outside and (w - 1) / 2
  // inside each edge. A dotted pen (1 wide) sets every other pixel.
  void draw(const graph::Rectangle& rectangle) override;
  // Text written opaque: the box of its advances and the font's height is
  // filled with the background, then the glyphs are blended over it.
  void draw(const graph::Text& text) override;

  // The width and height of a text's box in this canvas's fonts.
  QSize textSize(const graph::Text& text);

 private:
  struct Glyphs;
  Glyphs& glyphsOf(const graph::Font& font);
  void fill(int left, int top, int right, int bottom, std::uint32_t color);  // right, bottom excluded

  QImage& picture_;
  int width_, height_;  // the picture's size, which never changes
  std::vector<std::unique_ptr<Glyphs>> fonts_;
};

}  // namespace bxl::ui
