#include "graph/GraphCommands.h"

#include <algorithm>
#include <iterator>
#include <span>

namespace bxl::graph {
namespace {

constexpr MarkerKind kStopsOnly[] = {kStopMarker};
constexpr MarkerKind kMetOnly[] = {kMetMarker};
constexpr MarkerKind kStopsThenMet[] = {kStopMarker, kMetMarker};

std::span<const MarkerKind> kindsOf(LabelCommand command) {
  switch (command) {
    case LabelCommand::Stops: return kStopsOnly;
    case LabelCommand::Met: return kMetOnly;
    case LabelCommand::MetAndStops: return kStopsThenMet;
  }
  return {};
}

}  // namespace

std::vector<FormatRun> runLabelCommand(GraphState& state, LabelCommand command, std::string_view textBox,
                                       bool allFrames, Canvas& canvas) {
  std::vector<FormatRun> formats;
  for (const MarkerKind& kind : kindsOf(command)) {
    std::vector<FormatRun> kindFormats = markerFormats(textBox, kind);
    // Kinds mark different characters, so their runs never overlap.
    std::vector<FormatRun> merged;
    merged.reserve(formats.size() + kindFormats.size());
    std::merge(formats.begin(), formats.end(), kindFormats.begin(), kindFormats.end(), std::back_inserter(merged),
               [](const FormatRun& a, const FormatRun& b) { return a.start < b.start; });
    formats = std::move(merged);

    setMarkerMode(state, kind);
    if (allFrames)
      for (int frame = 1; frame <= 3; ++frame) drawFrameMarkers(canvas, state, frame);
  }
  return formats;
}

Press pressImage(const TextBoxLayout& layout, Canvas& canvas, int x, int y) {
  Press press;
  press.frame = frameAt(x, y);
  if (press.frame == 0) return press;
  drawClickSquare(canvas, x, y);
  press.stretch = clickedStretch(layout.frameLength(press.frame), x);
  press.highlight = stretchFormats(layout, press.frame, press.stretch);
  return press;
}

}  // namespace bxl::graph
