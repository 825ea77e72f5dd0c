#pragma once
// The ORF searches on the frame texts of the module state. They return plain
// results; OrfText.h turns them into the window's lines and captions and
// OrfMap.h into the position map.
//
// A frame text holds three-letter names, "Met" only at the first base of a
// methionine codon and "*" only inside a stop codon "***", whose first "*" is
// the stop's first base. An ORF runs from a "Met" to the first stop after it.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "orf/OrfState.h"

namespace bxl::orf {

// From a start codon at `start` through the stop codon whose first base is at `stop`.
struct Orf {
  Position start = 0;
  Position stop = 0;

  Position aminoAcids() const { return (stop - start) / 3; }  // the start counted, the stop not
  // Its characters in the frame text, start codon through stop codon.
  std::string_view textIn(std::string_view frameText) const {
    return frameText.substr(std::size_t(start - 1), std::size_t(stop - start + 3));
  }
  bool operator==(const Orf&) const = default;
};

// ---- The largest ORF -------------------------------------------------------

enum class FrameOutcome {
  NoStartOrStop,  // the frame holds no "Met" or no "*": the frame's message
  NoneComplete,   // every "Met" lies after the last stop: nothing shown, no message
  Found,
};

// Only the first "Met" after the text's start and after each stop starts a
// candidate; the longest candidate wins, the leftmost among equals.
struct LargestOrf {
  FrameOutcome outcome = FrameOutcome::NoStartOrStop;
  Orf orf;  // start and stop 0 unless found
};
LargestOrf largestOrf(std::string_view frameText);

// One frame's search as the window runs it: searches frame 1, 2 or 3 of the
// state and stores the result as that frame's largest ORF (empty and 0 when
// there is none).
struct LargestInFrame {
  int frame = 1;
  FrameOutcome outcome = FrameOutcome::NoStartOrStop;
  Orf orf;
  // Width of the map's mark: frame 1's leaves out the stop codon, the others include it.
  Position markWidth = 0;
};
LargestInFrame searchLargestInFrame(OrfState& state, int frame);

// Which frame holds the largest of the three stored ORFs, from their counts of
// amino acids; ties between the two longest are reported, not resolved.
enum class AllFramesCase {
  NoOrf,         // no frame holds an ORF
  Winner,        // one frame's ORF is longer than the other two
  TieFrames12,   // frames 1 and 2 share the longest
  TieFrames23,
  TieFrames13,
  AllEqual,      // all three equal and not zero: nothing is shown
};
struct AllFramesDecision {
  AllFramesCase decision = AllFramesCase::NoOrf;
  int winner = 0;  // 1 to 3 for Winner
  std::array<Position, 3> aminoAcids{};  // of each frame's stored ORF, 0 when none

  Position winnerStart(const OrfState& state) const { return state.inicioOrfMayor(winner); }
  Position winnerAminoAcids() const { return aminoAcids[std::size_t(winner - 1)]; }
};
AllFramesDecision decideAllFrames(const OrfState& state);

// The search over all frames: the three frame searches in order (each with its
// own outcome and message), then the decision over what they stored.
struct LargestInAllFrames {
  std::array<LargestInFrame, 3> frames;
  AllFramesDecision decision;
};
LargestInAllFrames searchLargestInAllFrames(OrfState& state);

// ---- Every ORF of a frame --------------------------------------------------

// One entry for every "Met" followed by a stop, so a "Met" inside a longer ORF
// gives a nested entry ending at the same stop.
struct AllOrfs {
  int frame = 1;
  bool noStartOrStop = false;  // the frame holds no "Met" or no "*": its message
  std::vector<Orf> orfs;       // by increasing start
};
AllOrfs listAllOrfs(std::string_view frameText, int frame);

// ---- Alternative starts ----------------------------------------------------

struct Rgb {
  unsigned char red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

enum class StartCodon { GTG, TTG, CTG, ATT };

struct StartCodonValues {
  std::string_view codon;    // as searched in the nucleotides
  std::string_view name;     // the amino acid the frame must hold there
  std::string_view caption;  // the result caption, the same in both languages
  Rgb colour;                // of the marks on the map
};
inline constexpr std::array<StartCodonValues, 4> kStartCodons = {{
    {"gtg", "Val", "Start GTG", {0, 0, 255}},
    {"ttg", "Leu", "Start TTG", {0, 128, 128}},
    {"ctg", "Leu", "Start CTG", {128, 0, 0}},
    {"att", "Ile", "Start ATT", {255, 255, 0}},
}};
inline const StartCodonValues& valuesOf(StartCodon codon) { return kStartCodons[std::size_t(codon)]; }

// The nucleotides the alternative starts are looked up in: the editor's text
// cleaned the way the translation cleaned it (numbering and layout removed),
// so position i is the base under character i of every frame text; lower case
// with "u" read as "t", so DNA and RNA of either case are searched alike.
std::string searchableNucleotides(std::string_view editorText);

// ORFs of a frame text that start where the nucleotides hold the codon and the
// frame holds its amino acid (the codon is one of the frame's), each ending at
// the frame's next stop. Several starts may share a stop.
struct AlternativeStarts {
  StartCodon codon = StartCodon::GTG;
  Position frameLength = 0;  // the frame text's length, which the map scales to
  std::vector<Orf> orfs;     // by increasing start
};
AlternativeStarts findAlternativeStarts(std::string_view nucleotides, std::string_view frameText,
                                        StartCodon codon);

}  // namespace bxl::orf
