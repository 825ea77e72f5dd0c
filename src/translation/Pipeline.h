#pragma once
// The chain of a translate command, from a text to the display: clean it,
// translate it in three frames, rewrite the frames to three-letter names when
// asked, filter the nucleotides and write the display. The main window's
// commands and a batch run call the same functions.
#include <string_view>

#include "translation/Display.h"
#include "translation/TranslationState.h"

namespace bxl {

enum class TranslationCode { Standard, VertebrateMitochondrial, MouseMitochondrial };
enum class LetterMode { One, Three };

// Translates `text` (a whole text or a selection, 8-bit, which the caller has
// classified into state.DatosSecuencia as nucleotides) into state.frames and
// returns the all-frames display.
// - Standard: the text cleaned of layout, with U turned into T, becomes the
//   working sequence; it is translated and then left in the case of the last
//   classification (lower case for an all-lower-case text, else upper case).
// - Mitochondrial: the text cleaned of layout is translated as it is (U reads
//   as T); the working sequence stays as the classification left it, and the
//   display's nucleotide line is made from it, not from the text.
// The display's nucleotide line is the working sequence through
// FiltrarNucleotidos, which records it in state.DatosSecuencia.
Display translateText(TranslationState& state, std::string_view text, TranslationCode code, LetterMode letters);

// The hidden translate command alone: the standard frames of the working
// sequence into state.frames, the working sequence left in the case of the
// last classification.
void translateWorkingSequence(TranslationState& state);

// The display writer alone: the working sequence's nucleotides under the frames
// kept in the state, in blocks of 80 positions.
Display writeAllFramesDisplay(TranslationState& state);

}  // namespace bxl
