#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GraphPrint.h"
#include "graph/GraphImage.h"

namespace bxl::graph {
namespace {

Rectangle rect(int left, int top, int right, int bottom, Rgb pen, int width, std::optional<Rgb> brush) {
  return Rectangle{left, top, right, bottom, pen, width, PenStyle::Solid, brush};
}

std::vector<Primitive> tracks(int penWidthBefore, bool allFrames, TitleLanguage titles) {
  Recording drawing;
  drawing.penWidth = penWidthBefore;
  drawTracks(drawing, allFrames, titles);
  return drawing.primitives;
}

TEST(GraphTracks, ClearTheImageThenDrawEachTrackWithItsTitle) {
  EXPECT_EQ(tracks(1, true, TitleLanguage::English),
            (std::vector<Primitive>{
                rect(0, 0, 1001, 490, kWhite, 1, kWhite),
                rect(75, 55, 700, 70, kBlack, 1, kWhite), Text{10, 55, "FRAME 1", kBlack, kAqua},
                rect(75, 180, 700, 195, kBlack, 2, kWhite), Text{10, 180, "FRAME 2", kBlack, kAqua},
                rect(75, 305, 700, 320, kBlack, 2, kWhite), Text{10, 305, "FRAME 3", kBlack, kAqua}}));

  // After earlier drawing the pen is 2 wide, and frame 1's track takes it.
  const std::vector<Primitive> again = tracks(2, true, TitleLanguage::Spanish);
  ASSERT_EQ(again.size(), 7u);
  EXPECT_EQ(std::get<Rectangle>(again[0]).penWidth, 2);
  EXPECT_EQ(std::get<Rectangle>(again[1]).penWidth, 2);
  EXPECT_EQ(std::get<Text>(again[2]).text, "Marco 1");
  EXPECT_EQ(std::get<Text>(again[6]).text, "Marco 3");

  EXPECT_EQ(tracks(2, true, TitleLanguage::None).size(), 4u);  // tracks without titles
  EXPECT_EQ(tracks(2, false, TitleLanguage::English),
            (std::vector<Primitive>{rect(0, 0, 1001, 490, kWhite, 2, kWhite)}));

  EXPECT_EQ(titleLanguageOf("En"), TitleLanguage::English);
  EXPECT_EQ(titleLanguageOf("Es"), TitleLanguage::Spanish);
  EXPECT_EQ(titleLanguageOf("LabelIdioma"), TitleLanguage::None);
}

TEST(GraphMarkers, StandAtTheAminoAcidsScaledPositionWithTheirNumber) {
  const Rgb red = kRed, green = kGreen;
  const struct {
    const char* what;
    std::string text;
    MarkerKind kind;
    LetterCode code;
    int frame;
    std::vector<Primitive> expected;
  } cases[] = {
      {"methionine of two, scale 312.5", "M*", kMetMarker, LetterCode::One, 1,
       {rect(387, 55, 388, 90, green, 2, green), rect(387, 75, 407, 90, green, 2, kWhite),
        Text{387, 75, "1", kBlack, kWhite}}},
      {"stop at the end of two", "M*", kStopMarker, LetterCode::One, 1,
       {rect(700, 55, 701, 90, red, 2, red), Text{700, 75, "2", kBlack, red}}},
      {"stop at the end of 100", std::string(99, 'A') + "*", kStopMarker, LetterCode::One, 2,
       {rect(700, 180, 701, 215, red, 2, red), Text{700, 200, "100", kBlack, red}}},
      // 625 / 549 in single precision times 549 falls just short of 625.
      {"stop at the end of 549", std::string(548, 'A') + "*", kStopMarker, LetterCode::One, 1,
       {rect(699, 55, 700, 90, red, 2, red), Text{699, 75, "549", kBlack, red}}},
      {"three-letter methionine", "Met***Ala", kMetMarker, LetterCode::Three, 1,
       {rect(144, 55, 145, 90, green, 2, green), rect(144, 75, 164, 90, green, 2, kWhite),
        Text{144, 75, "1", kBlack, kWhite}}},
      {"three-letter stop is one marker", "Met***Ala", kStopMarker, LetterCode::Three, 1,
       {rect(352, 55, 353, 90, red, 2, red), Text{352, 75, "2", kBlack, red}}},
      {"three-letter names are read at their first letter", "AlaM**Thr", kStopMarker, LetterCode::Three, 1, {}},
      {"any other code reads one letter per amino acid", "A*A*", kStopMarker, LetterCode::Other, 1,
       {rect(387, 55, 388, 90, red, 2, red), Text{387, 75, "2", kBlack, red},
        rect(700, 30, 701, 70, red, 2, red), Text{700, 30, "4", kBlack, red}}},
      {"up and down on frame 2", "MM", kMetMarker, LetterCode::One, 2,
       {rect(387, 180, 388, 215, green, 2, green), rect(387, 200, 407, 215, green, 2, kWhite),
        Text{387, 200, "1", kBlack, kWhite}, rect(700, 160, 701, 195, green, 2, green),
        rect(700, 160, 720, 175, green, 2, kWhite), Text{700, 160, "2", kBlack, kWhite}}},
      {"five stops alternate on frame 3", "*****", kStopMarker, LetterCode::One, 3,
       {rect(200, 305, 201, 340, red, 2, red), Text{200, 325, "1", kBlack, red},
        rect(325, 285, 326, 320, red, 2, red), Text{325, 285, "2", kBlack, red},
        rect(450, 305, 451, 340, red, 2, red), Text{450, 325, "3", kBlack, red},
        rect(575, 285, 576, 320, red, 2, red), Text{575, 285, "4", kBlack, red},
        rect(700, 305, 701, 340, red, 2, red), Text{700, 325, "5", kBlack, red}}},
      {"empty text", "", kStopMarker, LetterCode::One, 1, {}},
  };
  for (const auto& c : cases) {
    Recording drawing;
    drawing.penWidth = 2;
    drawMarkers(drawing, c.frame, c.text, c.kind, c.code);
    EXPECT_EQ(drawing.primitives, c.expected) << c.what;
  }
}

TEST(GraphMarkers, FollowTheStatesModeAndCode) {
  GraphState state;
  state.SecuenciaMarco2 = "Met***";
  state.CodigoMarcos = "3Code";
  Recording drawing;
  drawFrameMarkers(drawing, state, 2);
  EXPECT_TRUE(drawing.primitives.empty());  // no mode yet

  setMarkerMode(state, kStopMarker);
  EXPECT_TRUE(state.MarcarStops);
  EXPECT_FALSE(state.MarcarMet);
  drawFrameMarkers(drawing, state, 2);
  ASSERT_EQ(drawing.primitives.size(), 2u);
  EXPECT_EQ(std::get<Text>(drawing.primitives[1]).text, "2");

  // Stops win when both flags are set.
  state.MarcarMet = true;
  EXPECT_EQ(markerMode(state)->target, '*');
}

TEST(GraphClick, ZonesIncludeTheirBorders) {
  const struct {
    int x, y, frame;
  } cases[] = {
      {74, 60, 1},  {74, 185, 0}, {75, 185, 2}, {701, 71, 1}, {702, 60, 0},  {80, 53, 0},
      {80, 54, 1},  {80, 72, 0},  {80, 179, 0}, {80, 180, 2}, {80, 195, 2},  {80, 196, 0},
      {80, 303, 0}, {80, 304, 3}, {701, 320, 3}, {80, 321, 0}, {74, 310, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(frameAt(c.x, c.y), c.frame) << c.x << "," << c.y;
}

TEST(GraphClick, TheDottedSquareLeavesAThinPenForTheNextFirstTrack) {
  Recording drawing;
  drawTracks(drawing, true, TitleLanguage::English);
  drawing.primitives.clear();
  drawClickSquare(drawing, 400, 60);
  EXPECT_EQ(drawing.primitives,
            (std::vector<Primitive>{Rectangle{370, 30, 430, 90, kBlack, 1, PenStyle::Dotted, std::nullopt}}));
  drawTracks(drawing, true, TitleLanguage::English);
  EXPECT_EQ(std::get<Rectangle>(drawing.primitives[2]).penWidth, 1);  // frame 1's track
  EXPECT_EQ(std::get<Rectangle>(drawing.primitives[4]).penWidth, 2);
}

}  // namespace
}  // namespace bxl::graph
