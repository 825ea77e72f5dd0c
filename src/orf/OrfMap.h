#pragma once
// The ORF position map as geometry: a base bar standing for the whole sequence,
// a coloured bar over it for every ORF, a red tick at its stop and its start
// written under it. The window paints the items, in order, onto a white
// surface of width() x height() pixels (x to the right, y down from the top
// left corner), clipping what falls outside.
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "orf/OrfSearch.h"
#include "orf/OrfText.h"

namespace bxl::orf {

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kRed{255, 0, 0};

// The map writes with the window's default font.
struct MapFont {
  std::string_view family;
  int pixelSize;
  bool operator==(const MapFont&) const = default;
};
inline constexpr MapFont kMapFont{"MS Sans Serif", 11};

// Outline in the pen colour and width, inside filled with the brush; the
// corners are opposite, the right and bottom edges excluded.
struct MapRectangle {
  int x1, y1, x2, y2;
  Rgb pen, brush;
  int penWidth;
  bool operator==(const MapRectangle&) const = default;
};
// From (x1, y1) to (x2, y2), the end point excluded.
struct MapLine {
  int x1, y1, x2, y2;
  Rgb pen;
  int penWidth;
  bool operator==(const MapLine&) const = default;
};
// Opaque text with its top left corner at (x, y), in black on white.
struct MapText {
  int x, y;
  std::string text;  // 8-bit
  Rgb colour = kBlack, background = kWhite;
  MapFont font = kMapFont;
  bool operator==(const MapText&) const = default;
};
using MapItem = std::variant<MapRectangle, MapLine, MapText>;

// A bar of the listed ORFs: its start, its width in bases and its stop.
struct MapMark {
  Position start, span, stop;
};

// Scales: 600 pixels for the sequence's nucleotides, 575 for an alternative-
// start frame text. Divided in single precision.
float mapScale(Position nucleotides);
float alternativeStartScale(Position frameLength);
// x offset of position p (or width of a length p): p x t in single precision,
// truncated toward zero; a scale from an empty sequence puts marks far off
// the surface rather than anywhere undefined.
int pixels(Position p, float scale);

// The map of one window. Each drawing adds to the picture, as the searches
// draw it step by step; a base drawing starts a new picture. The pen is 1
// pixel wide until the first base drawing has finished, 2 from then on.
class OrfMap {
 public:
  // The visible surface of the design.
  static constexpr int kDesignWidth = 969, kDesignHeight = 137;
  // Labels stand one row further down for every listed ORF.
  static constexpr int kLabelTop = 55, kLabelRow = 15;

  explicit OrfMap(int width = kDesignWidth, int visibleHeight = kDesignHeight);
  // The visible surface after the window is scaled; the next base drawing covers it.
  void setVisibleSize(int width, int height);

  // The base drawing: a white surface, the length caption, the base bar
  // from x = 25 to 625.
  void baseDrawing(Position nucleotides, Language language);
  // The largest ORF's green bar, start written under it; scale 600 / nucleotides.
  void largestOrfMark(Position start, Position width, Position nucleotides);
  // A caption at the left of the length caption.
  void frameCaption(std::string_view text);
  // Every mark in its colour with a red tick at its stop, and its start written
  // in a staircase of labels, each joined to its bar by a line.
  void listedOrfMarks(std::span<const MapMark> marks, Rgb colour, float scale);
  // Wipes the base drawing; with marks, a base bar from x = 25 to 600 and the
  // marks at the scale of the frame text.
  void alternativeStartMap(std::span<const MapMark> marks, Rgb colour, Position frameLength);

  const std::vector<MapItem>& items() const { return items_; }
  int width() const { return width_; }
  // The visible height, or more when the labels reach below it: the surface
  // grows so every label can be scrolled to.
  int height() const { return height_; }
  int penWidth() const { return penWidth_; }

 private:
  void rectangle(int x1, int y1, int x2, int y2, Rgb pen, Rgb brush);
  void text(int x, int y, std::string text);

  int visibleWidth_, visibleHeight_;
  int width_, height_;
  int penWidth_ = 1;
  std::vector<MapItem> items_;
};

// The pictures each search leaves, drawn the way its command draws them.
// `nucleotides` is the state's LongitudNucleotidos.
void drawLargestInFrame(OrfMap& map, Position nucleotides, const LargestInFrame& result, Language language);
void drawLargestInAllFrames(OrfMap& map, const OrfState& state, const LargestInAllFrames& result,
                            Language language);
// `captionFrames`: every frame selected when the listing ran (1 to 3); the
// map captions them all at the same place.
void drawAllOrfs(OrfMap& map, Position nucleotides, const AllOrfs& result, std::span<const int> captionFrames,
                 Language language);
// A search that ran (a frame was selected); without one the command leaves
// only the base drawing.
void drawAlternativeStarts(OrfMap& map, Position nucleotides, const AlternativeStarts& result,
                           Language language);

}  // namespace bxl::orf
