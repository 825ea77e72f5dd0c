#include "orf/OrfText.h"

namespace bxl::orf {
namespace {

bool es(Language language) { return language == Language::Spanish; }

std::string number(Position n) { return std::to_string(n); }
std::string number(int n) { return std::to_string(n); }

void appendPieces(std::vector<std::string>& lines, std::string_view text) {
  for (std::size_t at = 0; at < text.size(); at += kListPiece) lines.emplace_back(text.substr(at, kListPiece));
}

}  // namespace

std::string frameCaption(int frame, Language language) {
  return (es(language) ? "Marco " : "FRAME ") + number(frame);
}

std::string_view noOrfCaption(Language language) {
  return es(language) ? "Sin marco de lectura" : "No open reading frame";
}

std::string noOrfInFrameMessage(int frame, Language language) {
  return (es(language) ? "No hay secuencia de aminoacidos completa en el marco "
                       : "There is no full protein aminoacid sequence in frame ") +
         number(frame);
}

std::string_view noOrfInSequenceMessage(Language language) {
  return es(language) ? "No hay secuencia de aminoacidos completa en esta secuencia de nucle\xF3" "tidos"
                      : "There is no full protein aminoacid sequence in this sequence of nucleotides";
}

std::vector<std::string> largestInFrameLines(const LargestInFrame& r, const OrfState& state, Language language) {
  std::vector<std::string> lines;
  if (r.outcome != FrameOutcome::Found) return lines;
  const std::string n = number(r.frame), start = number(r.orf.start);
  lines.push_back(es(language) ? "El ORF mayor en el marco " + n + " est\xE1" " a " + start + " pb"
                               : "The Largest ORF in Frame " + n + " is at " + start + " bp");
  appendPieces(lines, state.orfMayor(r.frame));
  return lines;
}

std::string largestInFrameCaption(const LargestInFrame& r, Language language) {
  const std::string n = number(r.frame), count = number(r.orf.aminoAcids());
  return es(language) ? "El p\xE9" "ptido m\xE1" "s largo en el MARCO " + n + " tiene " + count +
                            " amino\xE1" "cidos"
                      : "The largest peptide in FRAME " + n + " has " + count + " amino acids";
}

std::string_view allFramesMessage(AllFramesCase decision, Language language) {
  const bool s = es(language);
  switch (decision) {
    case AllFramesCase::NoOrf:
      return noOrfInSequenceMessage(language);
    case AllFramesCase::TieFrames12:
      return s ? "Hay dos secuencias con identica longitud y m\xE1" "ximo valor en los marcos 1 y 2"
               : "There are two sequences with identical length and maximum value in Frames 1 and 2";
    case AllFramesCase::TieFrames23:
      return s ? "Hay dos secuencias con identica longitud y m\xE1" "ximo valor en los marcos 2 y 3"
               : "There are two sequences with identical length and maximum value in Frames 2 and 3";
    case AllFramesCase::TieFrames13:
      return s ? "Hay dos secuencias con identica longitud y m\xE1" "ximo valor en los marcos 1 y 3"
               : "There are two sequences with identical length and maximum value in Frame 1 and 3";
    case AllFramesCase::Winner:
    case AllFramesCase::AllEqual:
      break;
  }
  return {};
}

std::vector<std::string> allFramesLines(const AllFramesDecision& d, const OrfState& state, Language language) {
  std::vector<std::string> lines;
  if (d.decision != AllFramesCase::Winner) return lines;
  const std::string k = number(d.winner), start = number(d.winnerStart(state));
  lines.push_back(es(language) ? "El ORF mayor est\xE1" " en el marco " + k + " est\xE1" " a " + start +
                                     " pb de la secuencia de nucle\xF3" "tidos"
                               : "The Largest ORF is in Frame " + k + " is at " + start +
                                     " bp of the nucleotide sequence");
  appendPieces(lines, state.orfMayor(d.winner));
  return lines;
}

std::string allFramesFrameCaption(const AllFramesDecision& d, Language language) {
  if (d.decision != AllFramesCase::Winner) return {};
  return (es(language) ? "Marco " : "Frame ") + number(d.winner);
}

std::string allFramesResultCaption(const AllFramesDecision& d, Language language) {
  if (d.decision != AllFramesCase::Winner) return {};
  const std::string count = number(d.winnerAminoAcids());
  return es(language) ? "El p\xE9" "ptido m\xE1" "s largo est\xE1" " en " +
                            allFramesFrameCaption(d, language) + ". Tiene " + count + " amino\xE1" "cidos"
                      : "The largest peptide is in " + allFramesFrameCaption(d, language) + ". Has " + count +
                            " amino acids";
}

std::vector<std::string> allOrfsLines(const AllOrfs& result, std::string_view frameText) {
  std::vector<std::string> lines;
  lines.reserve(3 * result.orfs.size());
  for (const Orf& orf : result.orfs) {
    lines.push_back("ORF starts at position: " + number(orf.start) + " bp. Stop codon at: " + number(orf.stop) +
                    " bp. Length= " + number(orf.aminoAcids()) + " aminoacids");
    lines.emplace_back(orf.textIn(frameText));
    lines.emplace_back();
  }
  return lines;
}

std::vector<std::string> alternativeStartLines(const AlternativeStarts& result, std::string_view frameText,
                                               Language language) {
  const bool s = es(language);
  std::vector<std::string> lines;
  lines.reserve(4 * result.orfs.size());
  for (const Orf& orf : result.orfs) {
    const std::string start = number(orf.start), count = number(orf.aminoAcids());
    lines.push_back(s ? "Marco de lectura a " + start + " pb" : "ORF at " + start + " bp");
    lines.push_back(s ? "Longitud de prote\xED" "na:  " + count + " amino\xE1" "cidos"
                      : "Length of protein " + count + " aminoacids");
    lines.emplace_back(orf.textIn(frameText));
    lines.emplace_back(" ");
  }
  return lines;
}

}  // namespace bxl::orf
