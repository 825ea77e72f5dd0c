#pragma once
// The work of the graph window's commands that is not the window's own: the
// label commands after their repaint, and a press on the image.
#include <string_view>
#include <vector>

#include "graph/GraphImage.h"
#include "graph/GraphState.h"
#include "graph/GraphTextBox.h"

namespace bxl::graph {

// "Label STOP", "Label Met", "Label Met and Stops".
enum class LabelCommand { Stops, Met, MetAndStops };

// A label command once the graph is repainted: for each kind it marks (stops,
// then methionines), the state's marker mode, the kind's characters in the
// text box and, when the tracks are drawn, the markers of frames 1, 2 and 3.
// Returns the text box formats of all kinds, sorted.
std::vector<FormatRun> runLabelCommand(GraphState& state, LabelCommand command, std::string_view textBox,
                                       bool allFrames, Canvas& canvas);

// A press on the image at (x, y): in a frame's zone, the dotted square and the
// highlight of the stretch of that frame's line in the text box laid out as
// `layout`; elsewhere nothing.
struct Press {
  int frame = 0;  // 0: outside the zones
  Stretch stretch;
  std::vector<FormatRun> highlight;
};
Press pressImage(const TextBoxLayout& layout, Canvas& canvas, int x, int y);

}  // namespace bxl::graph
