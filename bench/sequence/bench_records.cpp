// Reading sequence files at genome scale: encoding detection, the record
// recogniser (whole text and streamed) and the file reader, on 100 Mb of
// random bases laid out as FASTA, GenBank and many-record FASTA; and a BXL
// document heavy with formatting records.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "sequence/Allocator.h"
#include "sequence/Records.h"
#include "sequence/SequenceFile.h"
#include "sequence/TextEncoding.h"

namespace {

constexpr std::size_t kBases = 100'000'000;

std::string randomBases(std::size_t length) {
  std::mt19937 random(42);
  std::string sequence(length, 'A');
  for (char& c : sequence) c = "ACGT"[random() % 4];
  return sequence;
}

// `records` FASTA records sharing the bases, in lines of 60.
std::string fasta(std::size_t records) {
  const std::string bases = randomBases(kBases);
  const std::size_t each = kBases / records;
  std::string text;
  text.reserve(kBases + kBases / 60 + records * 32);
  for (std::size_t r = 0; r < records; ++r) {
    text += ">record" + std::to_string(r) + " random bases\n";
    for (std::size_t i = r * each; i < (r + 1) * each; i += 60)
      text.append(bases, i, std::min<std::size_t>(60, (r + 1) * each - i)) += '\n';
  }
  return text;
}

// One GenBank entry: numbered lines of six groups of ten.
std::string genBank() {
  const std::string bases = randomBases(kBases);
  std::string text = "LOCUS       RANDOM 100000000 bp    DNA     linear   SYN 01-JAN-2024\nORIGIN\n";
  text.reserve(kBases * 3 / 2);
  for (std::size_t i = 0; i < kBases; i += 60) {
    const std::string number = std::to_string(i + 1);
    text.append(9 - std::min<std::size_t>(9, number.size()), ' ') += number;
    for (std::size_t g = i; g < i + 60 && g < kBases; g += 10) text.append(" ").append(bases, g, 10);
    text += '\n';
  }
  return text + "//\n";
}

const std::string& sample(int kind) {
  static const std::string texts[] = {fasta(1), fasta(10'000), genBank()};
  return texts[kind];
}

void label(benchmark::State& state) {
  static const char* names[] = {"FASTA, 1 record", "FASTA, 10,000 records", "GenBank"};
  state.SetLabel(names[state.range(0)]);
  state.SetBytesProcessed(std::int64_t(state.iterations() * sample(int(state.range(0))).size()));
}

void RecogniseWholeText(benchmark::State& state) {
  const std::string& text = sample(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(bxl::recogniseRecords(text).first.sequence.data());
  label(state);
}

void StreamInChunks(benchmark::State& state) {
  const std::string& text = sample(int(state.range(0)));
  for (auto _ : state) {
    bxl::RecordReader reader;
    std::size_t bases = 0;
    for (std::size_t at = 0; at < text.size(); at += 1 << 16) {
      reader.feed(std::string_view(text).substr(at, 1 << 16));
      while (auto record = reader.next()) bases += record->sequence.size();
    }
    reader.finish();
    while (auto record = reader.next()) bases += record->sequence.size();
    benchmark::DoNotOptimize(bases);
  }
  label(state);
}

void ReadSequenceFile(benchmark::State& state) {
  const std::string& text = sample(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(bxl::readSequenceFile("genome.txt", text).text.data());
  label(state);
}

// A 1 Mb BXL document whose formatting records each cover the whole text,
// cycling through the styles and colours: records cost their number plus the
// text, not their number times the text.
void ReadRecordHeavyDocument(benchmark::State& state) {
  static const std::string document = [] {
    constexpr std::size_t kDocumentBases = 1'000'000;
    std::string text;
    for (int i = 0; i < 16; ++i) text += (i == 7 ? "DNA" : "header") + std::string("\r\n");
    const std::string bases = randomBases(kDocumentBases);
    for (std::size_t i = 0; i < kDocumentBases; i += 60) text.append(bases, i, 60) += "\r\n";
    text += "Font\r\n";
    const std::string codes = "BIUSbrgmyq";
    for (std::size_t r = 0; r < 10'000; ++r)
      text += "0-" + std::string(1, codes[r % codes.size()]) + std::to_string(kDocumentBases) + "\r\n";
    return text;
  }();
  for (auto _ : state) benchmark::DoNotOptimize(bxl::readSequenceFile("document.bxl", document).runs.data());
  state.SetLabel("1 Mb, 10,000 whole-text records");
}

// ASCII, and the worst case of UTF-8: one character beyond ASCII at the very
// end, so all of the text is checked and then decoded.
void DecodeText(benchmark::State& state) {
  std::string text = sample(0);
  if (state.range(0) == 1) text += "\xC3\xA9";
  for (auto _ : state) benchmark::DoNotOptimize(bxl::decodeText(text).text.data());
  state.SetLabel(state.range(0) == 1 ? "UTF-8" : "ASCII");
  state.SetBytesProcessed(std::int64_t(state.iterations() * text.size()));
}

BENCHMARK(RecogniseWholeText)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(StreamInChunks)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSequenceFile)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeText)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadRecordHeavyDocument)->Unit(benchmark::kMillisecond);

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
