#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GraphPrint.h"
#include "graph/GraphCommands.h"

namespace bxl::graph {
namespace {

// The ticks among the primitives, as (colour, top of the track they hang from).
std::vector<std::pair<Rgb, int>> ticks(const std::vector<Primitive>& primitives) {
  std::vector<std::pair<Rgb, int>> found;
  for (const Primitive& p : primitives)
    if (const auto* r = std::get_if<Rectangle>(&p); r && r->right - r->left == 1 && r->brush == r->pen)
      found.emplace_back(r->pen, r->top);
  return found;
}

TEST(GraphLabel, MetAndStopsMarksStopsThenMethioninesOfEveryFrame) {
  GraphState state;
  loadFrameTexts(state, {{"M\xB7\xB7*\xB7\xB7M\xB7\xB7", "\xB7*\xB7\xB7M\xB7\xB7", "\xB7\xB7"}, "1Code"});
  const TextBox box = writeTextBox(state);
  Recording drawing;
  drawTracks(drawing, true, TitleLanguage::English);
  drawing.primitives.clear();

  const std::vector<FormatRun> formats = runLabelCommand(state, LabelCommand::MetAndStops, box.text, true, drawing);
  const std::size_t f1 = box.layout.lineStart(0, TextBoxLayout::Frame1Line);
  const std::size_t f2 = box.layout.lineStart(0, TextBoxLayout::Frame2Line);
  const FormatChange red{kRed, true, true}, green{kGreen, true, true};
  EXPECT_EQ(formats, (std::vector<FormatRun>{{f1, 1, green}, {f1 + 1, 1, red}, {f1 + 2, 1, green},
                                             {f2, 1, red}, {f2 + 1, 1, green}}));
  // Frame 1's down tick hangs from y 55 and its up tick from 55 + 15; frame 2's from 180 and 195.
  EXPECT_EQ(ticks(drawing.primitives), (std::vector<std::pair<Rgb, int>>{
                                           {kRed, 55}, {kRed, 180}, {kGreen, 55}, {kGreen, 30}, {kGreen, 180}}));
  EXPECT_TRUE(state.MarcarMet);
  EXPECT_FALSE(state.MarcarStops);
}

TEST(GraphLabel, EachCommandSetsItsModeAndDrawsOnlyWhenTheTracksAre) {
  const struct {
    LabelCommand command;
    bool allFrames;
    bool stops, met;
    std::size_t formats, primitives;
  } cases[] = {
      {LabelCommand::Stops, true, true, false, 3, 6},      // three-letter "***" is one run and one marker
      {LabelCommand::Met, true, false, true, 1, 3},
      {LabelCommand::MetAndStops, false, false, true, 4, 0},  // formats without markers
  };
  for (const auto& c : cases) {
    GraphState state;
    loadFrameTexts(state, {{"Met***", "***", "Ala***"}, "3Code"});
    Recording drawing;
    drawing.penWidth = 2;
    const std::vector<FormatRun> formats =
        runLabelCommand(state, c.command, writeTextBox(state).text, c.allFrames, drawing);
    EXPECT_EQ(formats.size(), c.formats);
    EXPECT_EQ(drawing.primitives.size(), c.primitives);
    EXPECT_EQ(state.MarcarStops, c.stops);
    EXPECT_EQ(state.MarcarMet, c.met);
  }
}

TEST(GraphPress, InAZoneDrawsTheSquareAndHighlightsTheStretchUnderTheMouse) {
  GraphState state;
  std::string frame1(1000, 'A');
  frame1.replace(510, 20, "CDEFGHIKLMNPQRSTVWYC");  // characters 511 to 530
  state.SecuenciaMarco1 = frame1;
  state.CodigoMarcos = "1Code";
  const TextBox box = writeTextBox(state);

  Recording drawing;
  const Press press = pressImage(box.layout, drawing, 400, 60);
  EXPECT_EQ(press.frame, 1);
  ASSERT_EQ(press.highlight.size(), 1u);
  EXPECT_EQ(box.text.substr(press.highlight[0].start, 20), "CDEFGHIKLMNPQRSTVWYC");
  EXPECT_EQ(press.highlight[0].start, box.layout.lineStart(0, TextBoxLayout::Frame1Line) + 510);
  EXPECT_EQ(drawing.primitives.size(), 1u);  // the dotted square
  EXPECT_EQ(drawing.penWidth, 1);

  // Frame 3 is empty: the square, no highlight.
  const Press empty = pressImage(box.layout, drawing, 400, 310);
  EXPECT_EQ(empty.frame, 3);
  EXPECT_TRUE(empty.highlight.empty());
  EXPECT_EQ(drawing.primitives.size(), 2u);

  // Between the zones only the press position changes, which is the window's.
  const Press outside = pressImage(box.layout, drawing, 400, 303);
  EXPECT_EQ(outside.frame, 0);
  EXPECT_EQ(drawing.primitives.size(), 2u);
}

}  // namespace
}  // namespace bxl::graph
