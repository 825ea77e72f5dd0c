// Throughput of the translation engine on random DNA, in bases per second.
// Each operation runs twice: into fresh outputs, as a single command does, and
// into outputs kept from the last run, which leaves out the first writes to new
// memory pages (costly on virtual machines) and shows the work itself.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "sequence/Allocator.h"
#include "translation/Display.h"
#include "translation/Translation.h"

namespace {

std::string randomBases(std::size_t length) {
  std::mt19937 random(42);
  std::string sequence(length, 'A');
  for (char& c : sequence) c = "ACGT"[random() % 4];
  return sequence;
}

void countBases(benchmark::State& state) {
  state.SetBytesProcessed(std::int64_t(state.iterations()) * state.range(0));
}

void StandardTranslation(benchmark::State& state) {
  const std::string sequence = randomBases(std::size_t(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(bxl::translateStandard(sequence));
  countBases(state);
}

void StandardTranslationReused(benchmark::State& state) {
  const std::string sequence = randomBases(std::size_t(state.range(0)));
  bxl::FrameStrings frames;
  bxl::translateFrames(sequence, bxl::kStandardCode, bxl::kStandardCells, frames);
  for (auto _ : state) {
    bxl::translateFrames(sequence, bxl::kStandardCode, bxl::kStandardCells, frames);
    benchmark::DoNotOptimize(frames[0].data());
  }
  countBases(state);
}

void MitochondrialTranslation(benchmark::State& state) {
  const std::string sequence = randomBases(std::size_t(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(bxl::translateMitochondrial(sequence, bxl::kMouseMitochondrialCode));
  countBases(state);
}

void MitochondrialTranslationReused(benchmark::State& state) {
  const std::string sequence = randomBases(std::size_t(state.range(0)));
  bxl::FrameStrings frames;
  bxl::translateFrames(sequence, bxl::kMouseMitochondrialCode, bxl::kMitochondrialCells, frames);
  for (auto _ : state) {
    bxl::translateFrames(sequence, bxl::kMouseMitochondrialCode, bxl::kMitochondrialCells, frames);
    benchmark::DoNotOptimize(frames[0].data());
  }
  countBases(state);
}

// All three frames of the sequence.
void ThreeLetterConversion(benchmark::State& state) {
  const bxl::FrameStrings frames = bxl::translateStandard(randomBases(std::size_t(state.range(0))));
  for (auto _ : state)
    for (const std::string& frame : frames) benchmark::DoNotOptimize(bxl::threeLetterFrame(frame));
  countBases(state);
}

// Copies the one-letter frames into kept strings and converts them in place.
void ThreeLetterConversionReused(benchmark::State& state) {
  const bxl::FrameStrings frames = bxl::translateStandard(randomBases(std::size_t(state.range(0))));
  bxl::FrameStrings work = frames;
  for (auto _ : state)
    for (std::size_t f = 0; f < 3; ++f) {
      work[f].assign(frames[f]);
      bxl::convertToThreeLetter(work[f]);
      benchmark::DoNotOptimize(work[f].data());
    }
  countBases(state);
}

void DisplayWriting(benchmark::State& state) {
  const std::string sequence = randomBases(std::size_t(state.range(0)));
  const bxl::FrameStrings frames = bxl::translateStandard(sequence);
  for (auto _ : state) benchmark::DoNotOptimize(bxl::writeDisplay(bxl::DisplayKind::AllFrames, sequence, frames));
  countBases(state);
}

void DisplayWritingReused(benchmark::State& state) {
  const std::string sequence = randomBases(std::size_t(state.range(0)));
  const bxl::FrameStrings frames = bxl::translateStandard(sequence);
  bxl::Display display;
  bxl::writeDisplay(bxl::DisplayKind::AllFrames, sequence, {frames[0], frames[1], frames[2]}, display);
  for (auto _ : state) {
    bxl::writeDisplay(bxl::DisplayKind::AllFrames, sequence, {frames[0], frames[1], frames[2]}, display);
    benchmark::DoNotOptimize(display.text.data());
  }
  countBases(state);
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(10'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(StandardTranslation)->Apply(sizes);
BENCHMARK(StandardTranslationReused)->Apply(sizes);
BENCHMARK(ThreeLetterConversion)->Apply(sizes);
BENCHMARK(ThreeLetterConversionReused)->Apply(sizes);
BENCHMARK(MitochondrialTranslation)->Apply(sizes);
BENCHMARK(MitochondrialTranslationReused)->Apply(sizes);
BENCHMARK(DisplayWriting)->Apply(sizes);
BENCHMARK(DisplayWritingReused)->Apply(sizes);

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
