#include "ui/GraphCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <string>

#include "platform/Text8.h"

namespace bxl::ui {
namespace {

std::uint32_t argb(const graph::Rgb& c) {
  return 0xFF000000u | std::uint32_t(c.red) << 16 | std::uint32_t(c.green) << 8 | std::uint32_t(c.blue);
}

std::uint32_t blend(std::uint32_t background, std::uint32_t foreground, int coverage) {
  std::uint32_t out = 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int b = int(background >> shift & 0xFF);
    const int f = int(foreground >> shift & 0xFF);
    out |= std::uint32_t(b + ((f - b) * coverage + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

// One font's glyphs: each character's advance and coverage, rendered once;
// and for each pair of text and background colours, each character's cell
// (advance x height) composed once, ready to be copied.
struct GraphCanvas::Glyphs {
  Glyphs(std::string_view familyName, int size) : family(familyName), pixelSize(size), font(QString::fromLatin1(family)) {
    font.setPixelSize(pixelSize);
    const QFontMetrics metrics(font);
    height = metrics.height();
    ascent = metrics.ascent();
  }

  struct Cell {
    int width = -1;  // -1: not made yet
    std::vector<std::uint32_t> pixels;
  };
  using Cells = std::array<Cell, 256>;

  const std::vector<std::uint8_t>& coverage(unsigned char c) {
    std::vector<std::uint8_t>& mask = masks[c];
    if (advances[c] >= 0) return mask;
    const QString character = platform::fromAnsi(std::string_view(reinterpret_cast<const char*>(&c), 1));
    const int width = std::max(0, QFontMetrics(font).horizontalAdvance(character));
    advances[c] = width;
    mask.assign(std::size_t(width) * std::size_t(height), 0);
    if (width == 0 || height <= 0) return mask;
    QImage glyph(width, height, QImage::Format_RGB32);
    glyph.fill(Qt::black);
    {
      QPainter painter(&glyph);
      painter.setFont(font);
      painter.setPen(Qt::white);
      painter.drawText(0, ascent, character);
    }
    for (int y = 0; y < height; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(glyph.constScanLine(y));
      for (int x = 0; x < width; ++x) mask[std::size_t(y * width + x)] = std::uint8_t(qGreen(row[x]));
    }
    return mask;
  }

  // The cells of one colour pair; a cell is made the first time it is used.
  Cells& cellsOf(std::uint32_t color, std::uint32_t background) { return cells[std::uint64_t(color) << 32 | background]; }
  const Cell& cell(Cells& pair, std::uint32_t color, std::uint32_t background, unsigned char c) {
    Cell& made = pair[c];
    if (made.width >= 0) return made;
    const std::vector<std::uint8_t>& mask = coverage(c);
    made.width = advances[c];
    made.pixels.resize(mask.size());
    for (std::size_t i = 0; i < mask.size(); ++i) made.pixels[i] = blend(background, color, mask[i]);
    return made;
  }

  std::string family;
  int pixelSize;
  QFont font;
  int height = 0;
  int ascent = 0;
  std::array<int, 256> advances = [] {
    std::array<int, 256> none;
    none.fill(-1);
    return none;
  }();
  std::array<std::vector<std::uint8_t>, 256> masks;
  std::map<std::uint64_t, Cells> cells;
};

GraphCanvas::GraphCanvas(QImage& picture) : picture_(picture), width_(picture.width()), height_(picture.height()) {}
GraphCanvas::~GraphCanvas() = default;

GraphCanvas::Glyphs& GraphCanvas::glyphsOf(const graph::Font& font) {
  for (const auto& glyphs : fonts_)
    if (glyphs->pixelSize == font.pixelSize && glyphs->family == font.family) return *glyphs;
  return *fonts_.emplace_back(std::make_unique<Glyphs>(font.family, font.pixelSize));
}

void GraphCanvas::fill(int left, int top, int right, int bottom, std::uint32_t color) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, width_);
  bottom = std::min(bottom, height_);
  if (left >= right || top >= bottom) return;
  uchar* bits = picture_.bits();
  const qsizetype stride = picture_.bytesPerLine();
  for (int y = top; y < bottom; ++y)
    std::fill_n(reinterpret_cast<std::uint32_t*>(bits + y * stride) + left, right - left, color);
}

void GraphCanvas::draw(const graph::Rectangle& r) {
  // The border runs through the first and the last column and row of the area.
  const int x0 = r.left, x1 = r.right - 1, y0 = r.top, y1 = r.bottom - 1;
  if (x1 < x0 || y1 < y0) return;
  const std::uint32_t pen = argb(r.pen);
  const int w = std::max(1, r.penWidth);
  const int out = w / 2, in = (w - 1) / 2;
  const bool dotted = r.penStyle == graph::PenStyle::Dotted && w == 1;
  // A tick, filled in its pen's colour: one block.
  if (!dotted && r.brush == r.pen) return fill(x0 - out, y0 - out, x1 + in + 1, y1 + in + 1, pen);
  if (r.brush) fill(x0, y0, x1 + 1, y1 + 1, argb(*r.brush));
  if (dotted) {
    for (int x = x0; x <= x1; x += 2) {
      fill(x, y0, x + 1, y0 + 1, pen);
      fill(x, y1, x + 1, y1 + 1, pen);
    }
    for (int y = y0; y <= y1; y += 2) {
      fill(x0, y, x0 + 1, y + 1, pen);
      fill(x1, y, x1 + 1, y + 1, pen);
    }
    return;
  }
  fill(x0 - out, y0 - out, x1 + in + 1, y0 + in + 1, pen);  // top
  fill(x0 - out, y1 - out, x1 + in + 1, y1 + in + 1, pen);  // bottom
  fill(x0 - out, y0 - out, x0 + in + 1, y1 + in + 1, pen);  // left
  fill(x1 - out, y0 - out, x1 + in + 1, y1 + in + 1, pen);  // right
}

void GraphCanvas::draw(const graph::Text& t) {
  Glyphs& glyphs = glyphsOf(t.font);
  const std::uint32_t color = argb(t.color), background = argb(t.background);
  Glyphs::Cells& cells = glyphs.cellsOf(color, background);
  const int top = std::max(t.top, 0);
  const int bottom = std::min(t.top + glyphs.height, height_);
  uchar* bits = picture_.bits();
  const qsizetype stride = picture_.bytesPerLine();
  int x = t.left;
  for (const char c : t.text) {
    if (x >= width_) break;
    const Glyphs::Cell& cell = glyphs.cell(cells, color, background, static_cast<unsigned char>(c));
    const int from = std::max(x, 0), to = std::min(x + cell.width, width_);
    if (from < to) {
      // Cells are a few pixels wide: a plain loop beats a call per row.
      const std::uint32_t* source = cell.pixels.data() + std::size_t(top - t.top) * std::size_t(cell.width) + (from - x);
      uchar* target = bits + top * stride + from * 4;
      for (int y = top; y < bottom; ++y, source += cell.width, target += stride) {
        auto* out = reinterpret_cast<std::uint32_t*>(target);
        for (int i = 0; i < to - from; ++i) out[i] = source[i];
      }
    }
    x += cell.width;
  }
}

QSize GraphCanvas::textSize(const graph::Text& t) {
  Glyphs& glyphs = glyphsOf(t.font);
  int width = 0;
  for (const char c : t.text) {
    glyphs.coverage(static_cast<unsigned char>(c));
    width += glyphs.advances[static_cast<unsigned char>(c)];
  }
  return {width, glyphs.height};
}

}  // namespace bxl::ui
