#include "graph/GraphImage.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace bxl::graph {
namespace {

constexpr std::array<TrackGeometry, 3> kTracks = {{
    // top bottom title | down end, label, box bottom | up end, label, box bottom
    {55, 70, 55, 90, 75, 90, 30, 30, 45},
    {180, 195, 180, 215, 200, 215, 160, 160, 175},
    {305, 320, 305, 340, 325, 340, 285, 285, 300},
}};

constexpr std::array<std::array<std::string_view, 3>, 2> kTitles = {{
    {"FRAME 1", "FRAME 2", "FRAME 3"},
    {"Marco 1", "Marco 2", "Marco 3"},
}};

struct Zone {
  int xFrom, xTo, yFrom, yTo;
};
// Frame 1's zone reaches one pixel further left than the others.
constexpr std::array<Zone, 3> kZones = {{{74, 701, 54, 71}, {75, 701, 180, 195}, {75, 701, 304, 320}}};

// A rectangle from two opposite corners, in either order.
Rectangle box(int x1, int y1, int x2, int y2, Rgb pen, int penWidth, std::optional<Rgb> brush) {
  Rectangle r;
  r.left = std::min(x1, x2);
  r.right = std::max(x1, x2);
  r.top = std::min(y1, y2);
  r.bottom = std::max(y1, y2);
  r.pen = pen;
  r.penWidth = penWidth;
  r.brush = brush;
  return r;
}

std::string decimal(std::size_t n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  return std::string(digits, end);
}

// trunc(offset + x) for x in single precision: the sum itself is exact.
int pixel(int offset, float x) { return int(double(offset) + double(x)); }

}  // namespace

TitleLanguage titleLanguageOf(std::string_view labelIdioma) {
  if (labelIdioma == "En") return TitleLanguage::English;
  if (labelIdioma == "Es") return TitleLanguage::Spanish;
  return TitleLanguage::None;
}

const TrackGeometry& trackGeometry(int frame) { return kTracks[std::size_t(frame - 1)]; }

void drawTracks(Canvas& canvas, bool allFrames, TitleLanguage titles, int imageWidth, int imageHeight) {
  canvas.draw(box(0, 0, imageWidth, imageHeight, kWhite, canvas.penWidth, kWhite));
  if (!allFrames) return;
  for (int frame = 1; frame <= 3; ++frame) {
    const TrackGeometry& track = trackGeometry(frame);
    canvas.draw(box(kTrackLeft, track.top, kTrackRight, track.bottom, kBlack, canvas.penWidth, kWhite));
    canvas.penWidth = 2;
    if (titles != TitleLanguage::None)
      canvas.draw(Text{10, track.titleTop,
                       std::string(kTitles[titles == TitleLanguage::English ? 0 : 1][std::size_t(frame - 1)]), kBlack,
                       kAqua});
  }
}

std::optional<MarkerKind> markerMode(const GraphState& state) {
  if (state.MarcarStops) return kStopMarker;
  if (state.MarcarMet) return kMetMarker;
  return std::nullopt;
}

void setMarkerMode(GraphState& state, const MarkerKind& kind) {
  state.MarcarStops = kind.target == kStopMarker.target;
  state.MarcarMet = kind.target == kMetMarker.target;
}

void drawMarkers(Canvas& canvas, int frame, std::string_view text, const MarkerKind& kind, LetterCode code) {
  if (text.empty()) return;
  const TrackGeometry& track = trackGeometry(frame);
  const float scale = float(double(kTrackLength) / double(text.size()));
  const bool threeLetter = code == LetterCode::Three;
  const int width = canvas.penWidth;
  bool down = true;

  const auto mark = [&](std::size_t p) {  // p counts from 1
    const float x = float(double(p) * double(scale));
    const int left = pixel(kTrackLeft, x);
    const int right = pixel(kTrackLeft + 1, x);
    const int labelTop = down ? track.downLabelTop : track.upLabelTop;
    if (down)
      canvas.draw(box(left, track.top, right, track.downEnd, kind.color, width, kind.color));
    else
      canvas.draw(box(left, track.bottom, right, track.upEnd, kind.color, width, kind.color));
    if (kind.boxed)
      canvas.draw(box(left, labelTop, pixel(kTrackLeft + 20, x), down ? track.downBoxBottom : track.upBoxBottom,
                      kind.color, width, kWhite));
    // Labels are short enough to live inside the string, so no marker allocates.
    canvas.draw(Text{left, labelTop, decimal(threeLetter ? p / 3 + 1 : p), kBlack, kind.boxed ? kWhite : kind.color});
    down = !down;
  };

  if (threeLetter) {
    for (std::size_t i = 0; i < text.size(); i += 3)
      if (text[i] == kind.target) mark(i + 1);
  } else {
    for (std::size_t i = text.find(kind.target); i != std::string_view::npos; i = text.find(kind.target, i + 1))
      mark(i + 1);
  }
}

void drawFrameMarkers(Canvas& canvas, const GraphState& state, int frame) {
  if (const auto kind = markerMode(state))
    drawMarkers(canvas, frame, state.frameText(frame), *kind, state.letterCode());
}

int frameAt(int x, int y) {
  for (std::size_t f = 0; f < kZones.size(); ++f) {
    const Zone& zone = kZones[f];
    if (x >= zone.xFrom && x <= zone.xTo && y >= zone.yFrom && y <= zone.yTo) return int(f) + 1;
  }
  return 0;
}

void drawClickSquare(Canvas& canvas, int x, int y) {
  Rectangle square = box(x - 30, y - 30, x + 30, y + 30, kBlack, 1, std::nullopt);
  square.penStyle = PenStyle::Dotted;
  canvas.draw(square);
  canvas.penWidth = 1;
}

}  // namespace bxl::graph
