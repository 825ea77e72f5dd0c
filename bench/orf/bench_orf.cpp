// The ORF window's searches on a whole random genome translated in three-letter
// names: each search with the list lines and the map it produces, as one
// command runs them.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "orf/OrfMap.h"
#include "orf/OrfSearch.h"
#include "orf/OrfState.h"
#include "orf/OrfText.h"
#include "sequence/Allocator.h"
#include "translation/Translation.h"

namespace {

using namespace bxl::orf;

constexpr std::size_t kBases = 5'000'000;

struct Genome {
  std::string editor;
  bxl::FrameStrings oneLetter, threeLetter;
};

const Genome& genome() {
  static const Genome g = [] {
    Genome made;
    std::mt19937 random(42);
    made.editor.assign(kBases, 'a');
    for (char& c : made.editor) c = "ACGT"[random() % 4];
    made.oneLetter = bxl::translateStandard(made.editor);
    made.threeLetter = made.oneLetter;
    for (std::string& frame : made.threeLetter) bxl::convertToThreeLetter(frame);
    return made;
  }();
  return g;
}

OrfState& loadedState() {
  static OrfState state = [] {
    OrfState s;
    const Genome& g = genome();
    loadSequences(s, {g.editor, {g.threeLetter[0], g.threeLetter[1], g.threeLetter[2]}, "3Code"});
    return s;
  }();
  return state;
}

void LoadThreeLetterFrames(benchmark::State& state) {
  const Genome& g = genome();
  OrfState s;
  for (auto _ : state) loadSequences(s, {g.editor, {g.threeLetter[0], g.threeLetter[1], g.threeLetter[2]}, "3Code"});
}

// After a one-letter translation the frames are renamed cell by cell.
void LoadOneLetterFrames(benchmark::State& state) {
  const Genome& g = genome();
  OrfState s;
  for (auto _ : state) loadSequences(s, {g.editor, {g.oneLetter[0], g.oneLetter[1], g.oneLetter[2]}, "1Code"});
}

// "in all frames": the three frame searches, each with its lines and map, then the decision.
void LargestInAllFramesWithListAndMap(benchmark::State& state) {
  OrfState& s = loadedState();
  OrfMap map;
  std::size_t lines = 0;
  for (auto _ : state) {
    const LargestInAllFrames r = searchLargestInAllFrames(s);
    for (const LargestInFrame& frame : r.frames) {
      benchmark::DoNotOptimize(largestInFrameLines(frame, s, Language::English));
      benchmark::DoNotOptimize(largestInFrameCaption(frame, Language::English));
    }
    const std::vector<std::string> list = allFramesLines(r.decision, s, Language::English);
    benchmark::DoNotOptimize(allFramesResultCaption(r.decision, Language::English));
    drawLargestInAllFrames(map, s, r, Language::English);
    lines = list.size();
  }
  state.counters["lines"] = double(lines);
}

// "All possible ORF" in frame 1.
void AllOrfsOfOneFrameWithListAndMap(benchmark::State& state) {
  const OrfState& s = loadedState();
  OrfMap map;
  const std::array<int, 1> frame1 = {1};
  std::size_t orfs = 0, lines = 0;
  for (auto _ : state) {
    const AllOrfs r = listAllOrfs(s.TextoMarco1, 1);
    const std::vector<std::string> list = allOrfsLines(r, s.TextoMarco1);
    drawAllOrfs(map, s.LongitudNucleotidos, r, frame1, Language::English);
    orfs = r.orfs.size();
    lines = list.size();
  }
  state.counters["orfs"] = double(orfs);
  state.counters["lines"] = double(lines);
  state.counters["map items"] = double(map.items().size());
  state.counters["map height"] = double(map.height());
}

// A start codon in frame 1, the nucleotides prepared from the editor's text included.
void AlternativeStartsWithListAndMap(benchmark::State& state) {
  const OrfState& s = loadedState();
  OrfMap map;
  std::size_t lines = 0;
  for (auto _ : state) {
    const std::string nucleotides = searchableNucleotides(genome().editor);
    const AlternativeStarts r = findAlternativeStarts(nucleotides, s.TextoMarco1, StartCodon::GTG);
    lines = alternativeStartLines(r, s.TextoMarco1, Language::English).size();
    drawAlternativeStarts(map, s.LongitudNucleotidos, r, Language::English);
  }
  state.counters["lines"] = double(lines);
}

BENCHMARK(LoadThreeLetterFrames)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadOneLetterFrames)->Unit(benchmark::kMillisecond);
BENCHMARK(LargestInAllFramesWithListAndMap)->Unit(benchmark::kMillisecond);
BENCHMARK(AllOrfsOfOneFrameWithListAndMap)->Unit(benchmark::kMillisecond);
BENCHMARK(AlternativeStartsWithListAndMap)->Unit(benchmark::kMillisecond);

}  // namespace

// The workbench keeps large buffers mapped (see keepLargeBuffersMapped); so does its benchmark.
int main(int argc, char** argv) {
  bxl::keepLargeBuffersMapped();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
