// Arbitrary bytes through everything that reads what a user opens or pastes:
// the sequence file reader (as a document and as plain text), classification,
// cleaning and filtering, and every translate command's chain to the display.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sequence/ClaseSecuencia.h"
#include "sequence/SequenceFile.h"
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
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  readAs("sample.bxl", bytes);
  readAs("sample.txt", bytes);

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
