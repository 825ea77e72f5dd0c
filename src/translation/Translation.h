#pragma once
// Translation of a sequence in its three forward reading frames into frame
// strings: one three-character cell under every codon, so that character i of
// each frame string stands under base i of the sequence.
#include <array>
#include <string>
#include <string_view>

#include "translation/GeneticCode.h"

namespace bxl {

// Frames 1, 2 and 3, in that order.
using FrameStrings = std::array<std::string, 3>;

// Frame f (0-based) starts with f filler characters; the codon starting at base p
// (0-based) gets the cell at characters p to p + 2 of its frame. A complete codon
// gives its symbol and two middle dots, or the style's notACodon cell; a frame's
// last piece of two letters gives twoLetterEnd; a single letter left gives nothing.
// Bases are read in either case.
FrameStrings translateFrames(std::string_view sequence, const GeneticCode& code,
                             const CellStyle& style);
// The same into `frames`, reusing their storage: on long sequences the first
// writes to fresh memory cost more than the translation itself.
void translateFrames(std::string_view sequence, const GeneticCode& code, const CellStyle& style,
                     FrameStrings& frames);

// What the translate commands put into the working sequence before translating:
// the text cleaned of layout (LimpiarTexto), "U" turned into "T" and "u" into "t".
std::string prepareWorkingSequence(std::string_view text);

// The standard translation of a prepared sequence (cleaned of layout, U already
// turned into T): middle-dot fillers, "NO=" for other letters, a single middle dot
// for a last codon of two letters.
FrameStrings translateStandard(std::string_view sequence);

// The hidden translate command on the main window's working sequence: the
// standard frames, and the working sequence left upper-case, or lower-case when
// the last classification found an all-lower-case text (caso == 'm').
FrameStrings translateWorkingSequence(std::string& workingSequence, char caso);
// The same into `frames`, reusing their storage.
void translateWorkingSequence(std::string& workingSequence, char caso, FrameStrings& frames);

// The mitochondrial translation of a sequence cleaned of layout (LimpiarTexto):
// U reads as T, blanks as fillers, "---" for other letters, nothing for an
// incomplete last codon. `code` is one of the two mitochondrial codes.
FrameStrings translateMitochondrial(std::string_view sequence, const GeneticCode& code);

// The three-letter mode's rewrite of a frame string: every upper-case symbol
// followed by two middle dots becomes its name ("Met", "***"); fillers, a lone
// middle dot, "NO=" and lower-case letters stay. The length does not change.
std::string threeLetterFrame(std::string_view frame);
void convertToThreeLetter(std::string& frame);  // the same, in place

}  // namespace bxl
