// The graph's core on a whole bacterial genome (5,000,000 random bases), in
// both letter codes: opening a graph window (loading the frame texts, the
// tracks and the text box) and "Label Met and Stops" (repaint, text box
// formats, markers of every stop and methionine of the three frames).
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "graph/GraphCommands.h"
#include "sequence/Allocator.h"
#include "translation/Translation.h"

namespace {

using namespace bxl::graph;

constexpr std::size_t kBases = 5'000'000;

const bxl::FrameStrings& frames(bool threeLetter) {
  static const bxl::FrameStrings one = [] {
    std::mt19937 random(42);
    std::string sequence(kBases, 'A');
    for (char& c : sequence) c = "ACGT"[random() % 4];
    return bxl::translateStandard(sequence);
  }();
  static const bxl::FrameStrings three{bxl::threeLetterFrame(one[0]), bxl::threeLetterFrame(one[1]),
                                       bxl::threeLetterFrame(one[2])};
  return threeLetter ? three : one;
}

// Stands for the window's image: takes every primitive as it comes.
class CountingCanvas final : public Canvas {
 public:
  void draw(const Rectangle& r) override { ++count; sum += r.left + r.bottom; }
  void draw(const Text& t) override { ++count; sum += t.left + int(t.text.size()); }
  std::size_t count = 0;
  long long sum = 0;
};

WorkspaceFrames workspace(bool threeLetter) {
  const bxl::FrameStrings& f = frames(threeLetter);
  return {{f[0], f[1], f[2]}, threeLetter ? "3Code" : "1Code"};
}

void OpenGraph(benchmark::State& run) {
  const bool threeLetter = run.range(0) != 0;
  GraphState state;
  std::size_t characters = 0;
  for (auto _ : run) {
    loadFrameTexts(state, workspace(threeLetter));
    CountingCanvas canvas;
    drawTracks(canvas, true, TitleLanguage::English);
    const TextBox box = writeTextBox(state);
    characters = box.text.size();
    benchmark::DoNotOptimize(box.text.data());
  }
  run.counters["text_box_chars"] = double(characters);
}

void LabelMetAndStops(benchmark::State& run) {
  const bool threeLetter = run.range(0) != 0;
  GraphState state;
  loadFrameTexts(state, workspace(threeLetter));
  const TextBox box = writeTextBox(state);
  std::size_t formats = 0, primitives = 0;
  for (auto _ : run) {
    CountingCanvas canvas;
    drawTracks(canvas, true, TitleLanguage::English);
    const std::vector<FormatRun> runs = runLabelCommand(state, LabelCommand::MetAndStops, box.text, true, canvas);
    formats = runs.size();
    primitives = canvas.count;
    benchmark::DoNotOptimize(runs.data());
    benchmark::DoNotOptimize(canvas.sum);
  }
  run.counters["format_runs"] = double(formats);
  run.counters["primitives"] = double(primitives);
}

}  // namespace

BENCHMARK(OpenGraph)->ArgName("three_letter")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LabelMetAndStops)->ArgName("three_letter")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  bxl::keepLargeBuffersMapped();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
