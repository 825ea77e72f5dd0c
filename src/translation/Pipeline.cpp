#include "translation/Pipeline.h"

#include "translation/GeneticCode.h"
#include "translation/Translation.h"

namespace bxl {
namespace {

// What each code does differently, in the order of TranslationCode.
struct CodeRule {
  const GeneticCode& table;
  // Whether the cleaned text becomes the working sequence, translated by the
  // hidden translate command (the standard code), or is translated as it is,
  // beside the working sequence, in mitochondrial cells.
  bool translatesWorkingSequence;
};

const CodeRule kRules[] = {
    {kStandardCode, true},
    {kVertebrateMitochondrialCode, false},
    {kMouseMitochondrialCode, false},
};

}  // namespace

Display translateText(TranslationState& state, std::string_view text, TranslationCode code, LetterMode letters) {
  const CodeRule& rule = kRules[static_cast<std::size_t>(code)];
  if (rule.translatesWorkingSequence) {
    state.SecuenciaTrabajo = prepareWorkingSequence(text);
    translateWorkingSequence(state);
  } else {
    translateFrames(state.DatosSecuencia.LimpiarTexto(text), rule.table, kMitochondrialCells, state.frames);
  }
  if (letters == LetterMode::Three)
    for (std::string& frame : state.frames) convertToThreeLetter(frame);
  return writeAllFramesDisplay(state);
}

void translateWorkingSequence(TranslationState& state) {
  translateWorkingSequence(state.SecuenciaTrabajo, state.DatosSecuencia.Caso, state.frames);
}

Display writeAllFramesDisplay(TranslationState& state) {
  const std::string nucleotides = state.DatosSecuencia.FiltrarNucleotidos(state.SecuenciaTrabajo);
  return writeDisplay(DisplayKind::AllFrames, nucleotides, state.frames);
}

}  // namespace bxl
