#include "orf/OrfSearch.h"

namespace bxl::orf {
namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kMet = "Met";
constexpr std::string_view kStop = "*";  // only stop codons hold it

// The first occurrence of a pattern at or after a position that only moves
// forward. The scans ask again after every step; remembering the answer until
// the scan passes it keeps a long stretch without the pattern from being read
// again at every step, so each scan stays linear.
class NextOccurrence {
 public:
  NextOccurrence(std::string_view text, std::string_view pattern) : text_(text), pattern_(pattern) {}

  // 0-based index, or npos when there is none from `from` on.
  std::size_t from(std::size_t start) {
    if (!known_ || (found_ != npos && found_ < start)) {
      found_ = text_.find(pattern_, start);
      known_ = true;
    }
    return found_;
  }

 private:
  std::string_view text_, pattern_;
  std::size_t found_ = npos;
  bool known_ = false;
};

bool holdsStartAndStop(std::string_view frameText) {
  return frameText.find(kMet) != npos && frameText.find(kStop) != npos;
}

Orf orfAt(std::size_t start, std::size_t stop) { return {Position(start) + 1, Position(stop) + 1}; }

// What each frame's map mark adds to the ORF's length: frame 1 leaves out the
// stop codon, frames 2 and 3 include it.
constexpr std::array<Position, 3> kMarkWidthBeyondLength = {0, 3, 3};

}  // namespace

LargestOrf largestOrf(std::string_view f) {
  if (!holdsStartAndStop(f)) return {};
  NextOccurrence met(f, kMet), stop(f, kStop);
  LargestOrf result{FrameOutcome::NoneComplete, {}};
  std::size_t bestLength = 0;
  std::size_t pos = 0;
  do {
    const std::size_t m = met.from(pos), s = stop.from(pos);
    if (m == npos || s == npos) break;
    // Past the stop either way: a "Met" before it belongs to this candidate.
    if (m < s && s - m > bestLength) {
      bestLength = s - m;
      result = {FrameOutcome::Found, orfAt(m, s)};
    }
    pos = s + 3;
  } while (pos + 1 < f.size());
  return result;
}

LargestInFrame searchLargestInFrame(OrfState& state, int frame) {
  const LargestOrf found = largestOrf(state.textoMarco(frame));
  LargestInFrame result{frame, found.outcome, found.orf, 0};
  if (found.outcome == FrameOutcome::Found) {
    result.markWidth = found.orf.stop - found.orf.start + kMarkWidthBeyondLength.at(std::size_t(frame - 1));
    state.storeLargest(frame, found.orf.textIn(state.textoMarco(frame)), found.orf.start);
  } else {
    state.storeLargest(frame, {}, 0);
  }
  return result;
}

AllFramesDecision decideAllFrames(const OrfState& state) {
  AllFramesDecision d;
  for (int k = 1; k <= 3; ++k) {
    const Position length = Position(state.orfMayor(k).size());
    d.aminoAcids[std::size_t(k - 1)] = length == 0 ? 0 : length / 3 - 1;
  }
  const auto [c1, c2, c3] = d.aminoAcids;
  if (c1 == 0 && c2 == 0 && c3 == 0)
    d.decision = AllFramesCase::NoOrf;
  else if (c1 > c2 && c1 > c3)
    d = {AllFramesCase::Winner, 1, d.aminoAcids};
  else if (c2 > c1 && c2 > c3)
    d = {AllFramesCase::Winner, 2, d.aminoAcids};
  else if (c3 > c1 && c3 > c2)
    d = {AllFramesCase::Winner, 3, d.aminoAcids};
  else if (c1 == c2 && c3 < c1)
    d.decision = AllFramesCase::TieFrames12;
  else if (c2 == c3 && c3 > c1)
    d.decision = AllFramesCase::TieFrames23;
  else if (c1 == c3 && c3 > c2)
    d.decision = AllFramesCase::TieFrames13;
  else
    d.decision = AllFramesCase::AllEqual;
  return d;
}

LargestInAllFrames searchLargestInAllFrames(OrfState& state) {
  LargestInAllFrames result;
  for (int frame = 1; frame <= 3; ++frame)
    result.frames[std::size_t(frame - 1)] = searchLargestInFrame(state, frame);
  result.decision = decideAllFrames(state);
  return result;
}

AllOrfs listAllOrfs(std::string_view f, int frame) {
  AllOrfs result{frame, false, {}};
  if (f.empty()) return result;
  NextOccurrence met(f, kMet), stop(f, kStop);
  std::size_t pos = 0;
  do {
    const std::size_t m = met.from(pos), s = stop.from(pos);
    if (m == npos || s == npos) {
      result.noStartOrStop = pos == 0;
      break;
    }
    if (s < m) {
      pos = s + 1;  // the stop's other two "*" are passed the same way
    } else {
      result.orfs.push_back(orfAt(m, s));
      pos = m + 3;  // the next "Met" may follow at once and end at the same stop
    }
  } while (pos + 1 < f.size());
  return result;
}

std::string searchableNucleotides(std::string_view editorText) {
  std::string nucleotides = ClaseSecuencia().LimpiarTexto(editorText);
  for (char& c : nucleotides) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (c == 'u') c = 't';
  }
  return nucleotides;
}

AlternativeStarts findAlternativeStarts(std::string_view nucleotides, std::string_view f, StartCodon codon) {
  const StartCodonValues& values = valuesOf(codon);
  AlternativeStarts result{codon, Position(f.size()), {}};
  NextOccurrence next(nucleotides, values.codon), stop(f, kStop);
  std::size_t pos = 0;
  for (;;) {
    const std::size_t g = next.from(pos), s = stop.from(pos);
    if (g == npos || s == npos) break;
    if (s == pos) {
      pos += 1;
    } else if (s < g) {
      pos = s + 3;
    } else if (f.compare(g, values.name.size(), values.name) == 0) {
      result.orfs.push_back(orfAt(g, s));
      pos = g + 3;
    } else {
      // Not a codon of this frame. An occurrence overlapping it ("gtgtg") may
      // still be one, so look again from the next base.
      pos = g + 1;
    }
  }
  return result;
}

}  // namespace bxl::orf
