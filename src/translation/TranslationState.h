#pragma once
// What the translate commands read and leave behind between two commands, as
// plain 8-bit data: the main window's workspace keeps one, a batch run its own.
#include <string>

#include "sequence/ClaseSecuencia.h"
#include "translation/Translation.h"

namespace bxl {

struct TranslationState {
  // The working copy of the sequence (or of the selection): raw text when
  // classified; cleaned, U turned into T and its case set by a translation.
  std::string SecuenciaTrabajo;
  // The description of the last classified text.
  ClaseSecuencia DatosSecuencia;
  // Frames 1, 2 and 3 of the last translation, in codon cells or three-letter
  // names; empty when nothing is translated. The only copy of them.
  FrameStrings frames;
};

}  // namespace bxl
