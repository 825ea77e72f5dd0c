// Arbitrary bytes through everything that reads what a user opens or pastes:
// text-encoding detection, the record recogniser (whole and streamed in
// chunks), the sequence file reader (as a document and as plain text),
// classification, cleaning and filtering, and every translate command's chain
// to the display.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "sequence/Ansi.h"
#include "sequence/ClaseSecuencia.h"
#include "sequence/Records.h"
#include "sequence/SequenceFile.h"
#include "sequence/TextEncoding.h"
#include "translation/Display.h"
#include "translation/Translation.h"
#include "translation/Pipeline.h"

namespace {

void require(bool holds) {
  if (!holds) std::abort();
}

void readAs(std::string_view name, std::string_view bytes) {
  const bxl::SequenceFile file = bxl::readSequenceFile(name, bytes);
  std::size_t end = 0;
  for (const bxl::StyleRun& run : file.runs) {
    require(run.start >= end && run.length > 0 && run.start + run.length <= file.text.size());
    end = run.start + run.length;
  }
  (void)bxl::sequenceFileMessage(file, "En");
  (void)bxl::sequenceFileMessage(file, "Es");
  if (file.problem == bxl::SequenceFile::Problem::NotText || file.problem == bxl::SequenceFile::Problem::NoSequence)
    require(file.kind == bxl::SequenceFile::Kind::Refused && file.lines.empty() && file.text.empty());
}

std::string utf8Of(std::string_view page) {
  std::string out;
  for (char c : page) {
    const char32_t code = bxl::ansiToUnicode(static_cast<unsigned char>(c));
    if (code < 0x80) {
      out.push_back(char(code));
    } else if (code < 0x800) {
      out.push_back(char(0xC0 | code >> 6));
      out.push_back(char(0x80 | (code & 0x3F)));
    } else {
      out.push_back(char(0xE0 | code >> 12));
      out.push_back(char(0x80 | (code >> 6 & 0x3F)));
      out.push_back(char(0x80 | (code & 0x3F)));
    }
  }
  return out;
}

std::string utf16LittleOf(std::string_view page) {
  std::string out = "\xFF\xFE";
  for (char c : page) {
    const char32_t code = bxl::ansiToUnicode(static_cast<unsigned char>(c));
    out.push_back(char(code & 0xFF));
    out.push_back(char(code >> 8));
  }
  return out;
}

void checkDecoding(std::string_view bytes) {
  const bxl::DecodedText decoded = bxl::decodeText(bytes);
  require(decoded.text.size() <= bytes.size());
  if (decoded.encoding == bxl::TextEncoding::Windows1252) require(decoded.text == bytes);
  // Any text of the code page comes back from its UTF-8 and UTF-16 forms.
  if (bytes.find('\0') == std::string_view::npos) {
    require(bxl::decodeText(utf8Of(bytes)).text == bytes);
    require(bxl::decodeText(utf16LittleOf(bytes)).text == bytes);
  }
}

bool isClean(std::string_view sequence) {
  for (char c : sequence)
    if ((c >= '0' && c <= '9') || c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n')
      return false;
  return true;
}

std::vector<bxl::SequenceRecord> streamed(std::string_view text, std::size_t chunk) {
  bxl::RecordReader reader;
  std::vector<bxl::SequenceRecord> records;
  for (std::size_t at = 0; at < text.size(); at += chunk) {
    reader.feed(text.substr(at, chunk));
    while (auto record = reader.next()) records.push_back(std::move(*record));
  }
  reader.finish();
  while (auto record = reader.next()) records.push_back(std::move(*record));
  require(reader.records() == records.size());
  return records;
}

// The window's summary, the streamed records in any chunking and the file
// reader all tell the same story.
void checkRecords(std::string_view text, std::size_t chunk) {
  const bxl::RecordText summary = bxl::recogniseRecords(text);
  const std::vector<bxl::SequenceRecord> whole = streamed(text, text.size() + 1);
  require(streamed(text, chunk) == whole);
  for (const bxl::SequenceRecord& record : whole) {
    require(isClean(record.sequence) && record.format == whole.front().format);
    require(record.sequence.size() <= text.size());
  }
  if (summary.format == bxl::RecordFormat::None) {
    require(summary.records == 0 && whole.size() <= 1);
    if (!whole.empty()) require(whole.front().format == bxl::RecordFormat::None);
  } else {
    require(summary.records == whole.size() && summary.first == whole.front());
  }
  for (auto source : {bxl::RecordSource::File, bxl::RecordSource::Paste})
    for (const char* idioma : {"En", "Es"}) (void)bxl::recordMessage(summary.format, summary.records, source, idioma);
  const bxl::SequenceFile file = bxl::readSequenceFile("sample.fasta", text);
  if (summary.format != bxl::RecordFormat::None && file.kind == bxl::SequenceFile::Kind::Sequence &&
      text.find('\0') == std::string_view::npos && bxl::decodeText(text).text == text)
    require(file.text == summary.first.sequence && file.records == summary.records);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  readAs("sample.bxl", bytes);
  readAs("sample.txt", bytes);
  checkDecoding(bytes);
  checkRecords(bytes, size == 0 ? 1 : 1 + data[0] % 13);

  bxl::ClaseSecuencia sequence;
  sequence.Clasificar(bytes);
  require(sequence.Tipo == 'N' || sequence.Tipo == 'A' || sequence.Tipo == 'B' || sequence.Tipo == 'X');
  for (std::size_t position : bxl::unusablePositions(bytes)) require(position < bytes.size());
  const std::string cleaned = sequence.LimpiarTexto(bytes);
  require(cleaned.size() <= bytes.size());
  const std::string nucleotides = sequence.FiltrarNucleotidos(bytes);

  require(nucleotides.size() <= cleaned.size());

  // Every translate command's chain, as the window and a batch run call it.
  const struct {
    bxl::TranslationCode code;
    bxl::LetterMode letters;
  } commands[] = {{bxl::TranslationCode::Standard, bxl::LetterMode::One},
                  {bxl::TranslationCode::Standard, bxl::LetterMode::Three},
                  {bxl::TranslationCode::MouseMitochondrial, bxl::LetterMode::One}};
  for (const auto& command : commands) {
    bxl::TranslationState state;
    state.SecuenciaTrabajo = std::string(bytes);
    state.DatosSecuencia = sequence;
    const bxl::Display display = bxl::translateText(state, bytes, command.code, command.letters);
    for (const std::string& frame : state.frames) require(frame.size() <= cleaned.size() + 2);
    require(display.blocks >= 1);
  }
  return 0;
}
