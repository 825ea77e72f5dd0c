#include <gtest/gtest.h>

#include "Frames.h"
#include "orf/OrfMap.h"

namespace bxl::orf {

// Readable failures: gtest prints the items through these.
void PrintTo(const Rgb& c, std::ostream* os) { *os << "rgb(" << int(c.red) << "," << int(c.green) << "," << int(c.blue) << ")"; }
void PrintTo(const MapRectangle& r, std::ostream* os) {
  *os << "rect(" << r.x1 << "," << r.y1 << "," << r.x2 << "," << r.y2 << " pen ";
  PrintTo(r.pen, os);
  *os << " brush ";
  PrintTo(r.brush, os);
  *os << " width " << r.penWidth << ")";
}
void PrintTo(const MapLine& l, std::ostream* os) {
  *os << "line(" << l.x1 << "," << l.y1 << "," << l.x2 << "," << l.y2 << " width " << l.penWidth << ")";
}
void PrintTo(const MapText& t, std::ostream* os) { *os << "text(" << t.x << "," << t.y << " '" << t.text << "')"; }

namespace {

using Items = std::vector<MapItem>;

MapRectangle rect(int x1, int y1, int x2, int y2, Rgb pen, Rgb brush, int width = 2) {
  return {x1, y1, x2, y2, pen, brush, width};
}
MapText label(int x, int y, std::string text) { return {x, y, std::move(text)}; }
MapLine line(int x, int y1, int y2) { return {x, y1, x, y2, kBlack, 2}; }

Items tail(const OrfMap& map, std::size_t from) { return Items(map.items().begin() + std::ptrdiff_t(from), map.items().end()); }

TEST(OrfMap, BaseDrawingWhitensTheSurfaceCaptionsTheLengthAndDrawsTheBarWithAPenThatThenWidens) {
  OrfMap map;
  map.baseDrawing(600, Language::English);
  const Items first = {
      rect(0, 0, 969, 137, kWhite, kWhite, 1),
      label(250, 2, "  Nucleotide sequence. Total length: 600 bp"),
      rect(25, 40, 625, 50, kBlack, kWhite, 1),
  };
  EXPECT_EQ(map.items(), first);
  EXPECT_EQ(map.penWidth(), 2);

  map.setVisibleSize(775, 110);  // a scaled window
  map.baseDrawing(16777217, Language::Spanish);
  const Items second = {
      rect(0, 0, 775, 110, kWhite, kWhite),
      label(250, 2, "  Secuencia de Nucle\xF3tidos. Longitud total: 16777217 pb"),
      rect(25, 40, 625, 50, kBlack, kWhite),
  };
  EXPECT_EQ(map.items(), second);
  EXPECT_EQ(map.height(), 110);
}

TEST(OrfMap, ScalesPositionsInSinglePrecisionTruncatingTowardZero) {
  const struct {
    Position nucleotides, start, width;
    int x1, x2;
  } cases[] = {
      {600, 100, 30, 125, 155},   // t = 1
      {1000, 7, 30, 29, 47},      // t = 0.6: trunc(4.2) = 4, and 30 bases are 18 pixels
      {1000, 1, 3, 25, 26},       // no exception for a start at 1 here
      {3, 1, 3, 225, 825},        // a short sequence spreads over the bar
      {0, 1, 3, 100000025, 200000025},  // no bases to scale to: the mark lies off the surface
  };
  for (const auto& c : cases) {
    OrfMap map;
    map.baseDrawing(c.nucleotides, Language::English);
    map.largestOrfMark(c.start, c.width, c.nucleotides);
    const Items expected = {rect(c.x1, 40, c.x2, 50, kGreen, kGreen), label(c.x1, 55, std::to_string(c.start))};
    EXPECT_EQ(tail(map, 3), expected) << c.nucleotides << " " << c.start;
  }
}

TEST(OrfMap, ListedMarksStandInAStaircaseAndTheSurfaceGrowsToHoldEveryLabel) {
  OrfMap map;
  map.baseDrawing(600, Language::English);
  // t = 1: a start at 1 at the bar's left end, a stop at 598 ticking at its right end.
  const std::vector<MapMark> marks = {{1, 9, 7}, {40, 561, 598}, {100, 6, 103}, {200, 6, 203},
                                      {300, 6, 303}, {400, 6, 403}, {500, 6, 503}, {550, 6, 553}};
  map.listedOrfMarks(marks, kGreen, mapScale(600));
  const Items firstTwo = {
      rect(25, 40, 34, 50, kGreen, kGreen), rect(32, 40, 34, 50, kRed, kRed), label(25, 55, "1"), line(25, 50, 55),
      rect(65, 40, 626, 50, kGreen, kGreen), rect(623, 40, 625, 50, kRed, kRed), label(65, 70, "40"), line(65, 50, 70),
  };
  EXPECT_EQ(Items(map.items().begin() + 3, map.items().begin() + 11), firstTwo);
  std::vector<int> labelRows;
  for (const MapItem& item : map.items())
    if (const auto* text = std::get_if<MapText>(&item); text && text->y >= 55) labelRows.push_back(text->y);
  EXPECT_EQ(labelRows, (std::vector<int>{55, 70, 85, 100, 115, 130, 145, 160}));
  // The seventh and eighth labels lie below the designed 137 pixels: the surface reaches 175.
  EXPECT_EQ(map.height(), 175);

  // A start at 1 stays at the left end whatever the scale.
  map.baseDrawing(1000, Language::English);
  EXPECT_EQ(map.height(), 137);
  const std::vector<MapMark> one = {{1, 30, 28}};
  map.listedOrfMarks(one, kGreen, mapScale(1000));
  EXPECT_EQ(std::get<MapRectangle>(map.items()[3]), rect(25, 40, 43, 50, kGreen, kGreen));
}

TEST(OrfMap, DrawsEachSearchsPicture) {
  // All ORFs of frame 2 with frame 1 also selected: both frame captions, green marks spanning the stop.
  OrfMap map;
  const std::string frame = dots(".MetAlaMetLys***");
  const std::array<int, 2> selected = {1, 2};
  drawAllOrfs(map, 600, listAllOrfs(frame, 2), selected, Language::English);
  EXPECT_EQ(tail(map, 3), (Items{
      label(50, 2, "FRAME 1"), label(50, 2, "FRAME 2"),
      rect(27, 40, 42, 50, kGreen, kGreen), rect(39, 40, 41, 50, kRed, kRed), label(27, 55, "2"), line(27, 50, 55),
      rect(33, 40, 42, 50, kGreen, kGreen), rect(39, 40, 41, 50, kRed, kRed), label(33, 70, "8"), line(33, 50, 70),
  }));

  // Nothing listed: only the base drawing.
  drawAllOrfs(map, 600, listAllOrfs("Ala***MetLys", 1), selected, Language::English);
  EXPECT_EQ(map.items().size(), 3u);

  // Alternative starts: the base drawing wiped, a shorter bar, marks in the codon's colour
  // scaled to the frame text (t = 575 / 15), spans without the stop.
  const std::string editor = "gcggtgaaacgttaa";
  const std::string frame1 = threeLetterFrames(editor)[0];
  drawAlternativeStarts(map, 15, findAlternativeStarts(searchableNucleotides(editor), frame1, StartCodon::GTG),
                        Language::English);
  const Rgb blue{0, 0, 255};
  EXPECT_EQ(tail(map, 3), (Items{
      rect(0, 0, 900, 900, kWhite, kWhite), rect(25, 40, 600, 50, kBlack, kWhite),
      rect(178, 40, 523, 50, blue, blue), rect(523, 40, 525, 50, kRed, kRed), label(178, 55, "4"), line(178, 50, 55),
  }));
  // Nothing found: the map is left white.
  drawAlternativeStarts(map, 15, findAlternativeStarts(searchableNucleotides(editor), frame1, StartCodon::ATT),
                        Language::English);
  EXPECT_EQ(tail(map, 3), (Items{rect(0, 0, 900, 900, kWhite, kWhite)}));
}

TEST(OrfMap, AllFramesMarksOnlyTheWinnerWithoutItsStop) {
  // The frame search marks frame 2's ORF with its stop codon; the all-frames winner without.
  OrfState state;
  state.LongitudNucleotidos = 600;
  state.TextoMarco1 = "Ala***";
  state.TextoMarco2 = dots(".MetAlaLys***");
  state.TextoMarco3 = dots("..Met***");
  OrfMap map;
  drawLargestInFrame(map, 600, searchLargestInFrame(state, 2), Language::English);
  EXPECT_EQ(tail(map, 3), (Items{rect(27, 40, 39, 50, kGreen, kGreen), label(27, 55, "2")}));
  drawLargestInAllFrames(map, state, searchLargestInAllFrames(state), Language::English);
  EXPECT_EQ(tail(map, 3), (Items{rect(27, 40, 36, 50, kGreen, kGreen), label(27, 55, "2")}));

  state.TextoMarco3 = dots("..MetGlyGly***");  // a tie with frame 2: the base drawing alone
  drawLargestInAllFrames(map, state, searchLargestInAllFrames(state), Language::English);
  EXPECT_EQ(map.items().size(), 3u);
}

}  // namespace
}  // namespace bxl::orf
