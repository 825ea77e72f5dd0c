#pragma once
// What the ORF window writes for the searches' results: the lines of its
// result list, its frame and result captions and its messages, in English or
// Spanish. Texts are 8-bit (Windows-1252) strings; numbers are decimal
// integers without separators.
#include <string>
#include <string_view>
#include <vector>

#include "orf/OrfSearch.h"

namespace bxl::orf {

enum class Language { English, Spanish };

// ---- Shared by the searches ------------------------------------------------

// "FRAME 2" / "Marco 2": the frame caption of the frame searches, the listing
// and the alternative starts, and the map's frame caption.
std::string frameCaption(int frame, Language language);
// The result caption when nothing was found: "No open reading frame".
std::string_view noOrfCaption(Language language);
// "There is no full protein aminoacid sequence in frame 2".
std::string noOrfInFrameMessage(int frame, Language language);
// "There is no full protein aminoacid sequence in this sequence of nucleotides".
std::string_view noOrfInSequenceMessage(Language language);

// A text longer than one list line can hold is listed in pieces of this many
// characters, one line each.
inline constexpr std::size_t kListPiece = 4000;

// ---- The largest ORF of one frame ------------------------------------------

// The position line, then the ORF's text in pieces; nothing unless found.
std::vector<std::string> largestInFrameLines(const LargestInFrame& result, const OrfState& state,
                                             Language language);
// "The largest peptide in FRAME 1 has 3 amino acids"; for a found ORF only.
std::string largestInFrameCaption(const LargestInFrame& result, Language language);

// ---- The largest ORF in all frames -----------------------------------------

// The message of a decision: for no ORF at all and for the three ties; empty
// for a winner and for three equal frames.
std::string_view allFramesMessage(AllFramesCase decision, Language language);
// For a winner only: "The Largest ORF is in Frame 2 is at 5 bp of the
// nucleotide sequence", then the ORF's text in pieces.
std::vector<std::string> allFramesLines(const AllFramesDecision& decision, const OrfState& state,
                                        Language language);
// For a winner only: the frame caption "Frame 2" / "Marco 2", and the result
// caption "The largest peptide is in Frame 2. Has 4 amino acids".
std::string allFramesFrameCaption(const AllFramesDecision& decision, Language language);
std::string allFramesResultCaption(const AllFramesDecision& decision, Language language);

// ---- Every ORF of a frame --------------------------------------------------

// Three lines per ORF, the same in both languages: its positions and length,
// its text, an empty line.
std::vector<std::string> allOrfsLines(const AllOrfs& result, std::string_view frameText);

// ---- Alternative starts ----------------------------------------------------

// Four lines per ORF: its start, its length, its text, a line of one blank.
std::vector<std::string> alternativeStartLines(const AlternativeStarts& result, std::string_view frameText,
                                               Language language);

}  // namespace bxl::orf
