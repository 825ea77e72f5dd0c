#include "orf/OrfMap.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bxl::orf {
namespace {

constexpr int kLeft = 25;                        // x of a sequence's first base
constexpr int kBarTop = 40, kBarBottom = 50;     // every bar and tick
constexpr int kBarRight = 625, kAlternativeBarRight = 600;
constexpr float kBarPixels = 600.0f, kAlternativeBarPixels = 575.0f;
constexpr int kTickWidth = 2;
constexpr int kWipe = 900;                       // the alternative-start map's wipe

float scaleTo(float pixelsWide, Position length) {
  if (length <= 0) return std::numeric_limits<float>::infinity();
  return pixelsWide / float(length);
}

std::string lengthCaption(Position nucleotides, Language language) {
  const std::string n = std::to_string(nucleotides);
  return language == Language::Spanish ? "  Secuencia de Nucle\xF3" "tidos. Longitud total: " + n + " pb"
                                       : "  Nucleotide sequence. Total length: " + n + " bp";
}

}  // namespace

float mapScale(Position nucleotides) { return scaleTo(kBarPixels, nucleotides); }
float alternativeStartScale(Position frameLength) { return scaleTo(kAlternativeBarPixels, frameLength); }

int pixels(Position p, float scale) {
  const float x = float(p) * scale;
  // Far enough to lie off any surface, near enough that adding offsets cannot overflow.
  constexpr float kFar = 1e8f;
  if (std::isnan(x)) return 0;
  return int(std::clamp(x, -kFar, kFar));
}

OrfMap::OrfMap(int width, int visibleHeight)
    : visibleWidth_(width), visibleHeight_(visibleHeight), width_(width), height_(visibleHeight) {}

void OrfMap::setVisibleSize(int width, int height) {
  visibleWidth_ = width;
  visibleHeight_ = height;
}

void OrfMap::rectangle(int x1, int y1, int x2, int y2, Rgb pen, Rgb brush) {
  items_.emplace_back(MapRectangle{x1, y1, x2, y2, pen, brush, penWidth_});
}

void OrfMap::text(int x, int y, std::string text) { items_.emplace_back(MapText{x, y, std::move(text)}); }

void OrfMap::baseDrawing(Position nucleotides, Language language) {
  items_.clear();
  width_ = visibleWidth_;
  height_ = visibleHeight_;
  rectangle(0, 0, width_, height_, kWhite, kWhite);
  text(250, 2, lengthCaption(nucleotides, language));
  rectangle(kLeft, kBarTop, kBarRight, kBarBottom, kBlack, kWhite);
  penWidth_ = 2;
}

void OrfMap::largestOrfMark(Position start, Position width, Position nucleotides) {
  const float t = mapScale(nucleotides);
  const int x = pixels(start, t), w = pixels(width, t);
  rectangle(x + kLeft, kBarTop, x + w + kLeft, kBarBottom, kGreen, kGreen);
  text(x + kLeft, kLabelTop, std::to_string(start));
}

void OrfMap::frameCaption(std::string_view caption) { text(50, 2, std::string(caption)); }

void OrfMap::listedOrfMarks(std::span<const MapMark> marks, Rgb colour, float scale) {
  // Four items a mark; a genome's hundred thousand are made without regrowing.
  items_.reserve(items_.size() + 4 * marks.size());
  int y = 0;
  for (const MapMark& mark : marks) {
    // A first base at 1 starts exactly at the bar's left end, whatever the scale.
    const int x = mark.start == 1 ? 0 : pixels(mark.start, scale);
    const int xs = pixels(mark.stop, scale), w = pixels(mark.span, scale);
    rectangle(x + kLeft, kBarTop, x + w + kLeft, kBarBottom, colour, colour);
    rectangle(xs + kLeft, kBarTop, xs + kLeft + kTickWidth, kBarBottom, kRed, kRed);
    text(x + kLeft, kLabelTop + y, std::to_string(mark.start));
    items_.emplace_back(MapLine{x + kLeft, kBarBottom, x + kLeft, kLabelTop + y, kBlack, penWidth_});
    y += kLabelRow;
  }
  // The last label's row must fit: 55 + 15 n for n labels.
  height_ = std::max(height_, kLabelTop + y);
}

void OrfMap::alternativeStartMap(std::span<const MapMark> marks, Rgb colour, Position frameLength) {
  rectangle(0, 0, kWipe, kWipe, kWhite, kWhite);
  if (marks.empty()) return;
  rectangle(kLeft, kBarTop, kAlternativeBarRight, kBarBottom, kBlack, kWhite);
  penWidth_ = 2;
  listedOrfMarks(marks, colour, alternativeStartScale(frameLength));
}

void drawLargestInFrame(OrfMap& map, Position nucleotides, const LargestInFrame& result, Language language) {
  map.baseDrawing(nucleotides, language);
  if (result.outcome == FrameOutcome::Found) map.largestOrfMark(result.orf.start, result.markWidth, nucleotides);
}

void drawLargestInAllFrames(OrfMap& map, const OrfState& state, const LargestInAllFrames& result,
                            Language language) {
  const Position nucleotides = state.LongitudNucleotidos;
  for (const LargestInFrame& frame : result.frames) drawLargestInFrame(map, nucleotides, frame, language);
  map.baseDrawing(nucleotides, language);
  const AllFramesDecision& d = result.decision;
  // The winner's mark leaves out the stop codon, whichever frame won.
  if (d.decision == AllFramesCase::Winner)
    map.largestOrfMark(d.winnerStart(state), 3 * d.winnerAminoAcids(), nucleotides);
}

void drawAllOrfs(OrfMap& map, Position nucleotides, const AllOrfs& result, std::span<const int> captionFrames,
                 Language language) {
  map.baseDrawing(nucleotides, language);
  if (result.orfs.empty()) return;
  map.baseDrawing(nucleotides, language);
  for (int frame : captionFrames) map.frameCaption(frameCaption(frame, language));
  std::vector<MapMark> marks;
  marks.reserve(result.orfs.size());
  for (const Orf& orf : result.orfs) marks.push_back({orf.start, orf.stop - orf.start + 3, orf.stop});
  map.listedOrfMarks(marks, kGreen, mapScale(nucleotides));
}

void drawAlternativeStarts(OrfMap& map, Position nucleotides, const AlternativeStarts& result,
                           Language language) {
  map.baseDrawing(nucleotides, language);
  std::vector<MapMark> marks;
  marks.reserve(result.orfs.size());
  for (const Orf& orf : result.orfs) marks.push_back({orf.start, orf.stop - orf.start, orf.stop});
  map.alternativeStartMap(marks, valuesOf(result.codon).colour, result.frameLength);
}

}  // namespace bxl::orf
