#include <gtest/gtest.h>

#include <random>

#include "Frames.h"
#include "orf/OrfSearch.h"
#include "orf/OrfText.h"

namespace bxl::orf {
namespace {

using Lines = std::vector<std::string>;

OrfState stateWithFrames(std::string_view f1, std::string_view f2, std::string_view f3) {
  OrfState state;
  state.TextoMarco1 = dots(f1);
  state.TextoMarco2 = dots(f2);
  state.TextoMarco3 = dots(f3);
  return state;
}

// ---- The largest ORF of one frame ------------------------------------------

TEST(LargestInFrame, FindsTheFirstLongestOrfAfterEachStopAndStoresIt) {
  const struct {
    int frame;
    std::string text;
    FrameOutcome outcome;
    Position start, aminoAcids, markWidth;
    std::string stored;
  } cases[] = {
      {1, "AlaMetAlaLys***Gly", FrameOutcome::Found, 4, 3, 9, "MetAlaLys***"},
      // Frames 2 and 3 count their fillers and mark the stop codon too.
      {2, ".MetLys***", FrameOutcome::Found, 2, 2, 9, "MetLys***"},
      {3, "..MetLys***", FrameOutcome::Found, 3, 2, 9, "MetLys***"},
      // A methionine inside an ORF starts no candidate of its own.
      {1, "MetAlaMetLys***", FrameOutcome::Found, 1, 4, 12, "MetAlaMetLys***"},
      // Equal lengths: the leftmost; a longer one later wins.
      {1, "MetAla***MetGly***", FrameOutcome::Found, 1, 2, 6, "MetAla***"},
      {1, "MetAla***GlyMetGlyLys***Met", FrameOutcome::Found, 13, 3, 9, "MetGlyLys***"},
      {1, "***Met***", FrameOutcome::Found, 4, 1, 3, "Met***"},
      // Every methionine after the last stop: no ORF and no message.
      {1, "Ala***MetLys", FrameOutcome::NoneComplete, 0, 0, 0, ""},
      {1, "MetLys", FrameOutcome::NoStartOrStop, 0, 0, 0, ""},
      {2, ".Ala***", FrameOutcome::NoStartOrStop, 0, 0, 0, ""},
      {3, "", FrameOutcome::NoStartOrStop, 0, 0, 0, ""},
  };
  for (const auto& c : cases) {
    OrfState state;
    state.textoMarco(c.frame) = dots(c.text);
    state.storeLargest(c.frame, "MetOld***", 99);  // every search overwrites its frame's result
    const LargestInFrame r = searchLargestInFrame(state, c.frame);
    EXPECT_EQ(r.outcome, c.outcome) << c.text;
    EXPECT_EQ(r.orf.start, c.start) << c.text;
    EXPECT_EQ(r.orf.aminoAcids(), c.aminoAcids) << c.text;
    EXPECT_EQ(r.markWidth, c.markWidth) << c.text;
    EXPECT_EQ(state.orfMayor(c.frame), c.stored) << c.text;
    EXPECT_EQ(state.inicioOrfMayor(c.frame), c.start) << c.text;
  }
}

TEST(LargestInFrame, ListsItsPositionAndTextAndCaptionsItsLength) {
  OrfState state = stateWithFrames("AlaMetAlaLys***Gly", ".MetLys***", "");
  const LargestInFrame first = searchLargestInFrame(state, 1), second = searchLargestInFrame(state, 2);
  EXPECT_EQ(largestInFrameLines(first, state, Language::English),
            (Lines{"The Largest ORF in Frame 1 is at 4 bp", "MetAlaLys***"}));
  EXPECT_EQ(largestInFrameCaption(first, Language::English), "The largest peptide in FRAME 1 has 3 amino acids");
  EXPECT_EQ(largestInFrameLines(second, state, Language::Spanish),
            (Lines{"El ORF mayor en el marco 2 est\xE1 a 2 pb", "MetLys***"}));
  EXPECT_EQ(largestInFrameCaption(second, Language::Spanish),
            "El p\xE9ptido m\xE1s largo en el MARCO 2 tiene 2 amino\xE1" "cidos");

  const LargestInFrame none = searchLargestInFrame(state, 3);
  EXPECT_TRUE(largestInFrameLines(none, state, Language::English).empty());
  EXPECT_EQ(noOrfInFrameMessage(3, Language::English), "There is no full protein aminoacid sequence in frame 3");
  EXPECT_EQ(noOrfInFrameMessage(3, Language::Spanish), "No hay secuencia de aminoacidos completa en el marco 3");
  EXPECT_EQ(frameCaption(3, Language::English), "FRAME 3");
  EXPECT_EQ(frameCaption(3, Language::Spanish), "Marco 3");
}

TEST(LargestInFrame, ListsLongTextsInPiecesOf4000Characters) {
  // Malformed fillers let the text take any length; the split does not depend on codons.
  for (const std::size_t length : {3999u, 4000u, 4001u, 8003u}) {
    const std::string text = "Met" + std::string(length - 6, 'x') + "***";
    OrfState state;
    state.TextoMarco1 = text;
    const Lines lines = largestInFrameLines(searchLargestInFrame(state, 1), state, Language::English);
    std::vector<std::size_t> pieces;
    for (std::size_t i = 1; i < lines.size(); ++i) pieces.push_back(lines[i].size());
    const std::vector<std::size_t> expected =
        length <= 4000 ? std::vector<std::size_t>{length}
                       : length == 4001 ? std::vector<std::size_t>{4000, 1} : std::vector<std::size_t>{4000, 4000, 3};
    EXPECT_EQ(pieces, expected) << length;
    std::string joined;
    for (std::size_t i = 1; i < lines.size(); ++i) joined += lines[i];
    EXPECT_EQ(joined, text);
  }
}

// ---- The largest ORF in all frames -----------------------------------------

// A frame whose largest ORF has `count` amino acids; with 0, no methionine and no stop.
std::string frameWithOrf(int frame, int count) {
  std::string text(std::size_t(frame - 1), '.');
  if (count == 0) return text + "AlaGly";
  text += "GlyMet";
  for (int i = 1; i < count; ++i) text += "Ala";
  return text + "***Met";
}

TEST(LargestInAllFrames, DecidesFromTheThreeFramesCountsWithItsTieRules) {
  const struct {
    std::array<int, 3> counts;
    AllFramesCase decision;
    int winner;
    std::string message;
  } cases[] = {
      {{4, 4, 2}, AllFramesCase::TieFrames12, 0,
       "There are two sequences with identical length and maximum value in Frames 1 and 2"},
      {{3, 3, 3}, AllFramesCase::AllEqual, 0, ""},
      {{5, 2, 3}, AllFramesCase::Winner, 1, ""},
      {{0, 0, 4}, AllFramesCase::Winner, 3, ""},
      {{2, 2, 6}, AllFramesCase::Winner, 3, ""},
      {{1, 6, 2}, AllFramesCase::Winner, 2, ""},
      {{1, 5, 5}, AllFramesCase::TieFrames23, 0,
       "There are two sequences with identical length and maximum value in Frames 2 and 3"},
      {{4, 2, 4}, AllFramesCase::TieFrames13, 0,
       "There are two sequences with identical length and maximum value in Frame 1 and 3"},
      {{0, 0, 0}, AllFramesCase::NoOrf, 0,
       "There is no full protein aminoacid sequence in this sequence of nucleotides"},
  };
  for (const auto& c : cases) {
    OrfState state = stateWithFrames(frameWithOrf(1, c.counts[0]), frameWithOrf(2, c.counts[1]),
                                     frameWithOrf(3, c.counts[2]));
    const LargestInAllFrames r = searchLargestInAllFrames(state);
    const std::string row = std::to_string(c.counts[0]) + "," + std::to_string(c.counts[1]) + "," +
                            std::to_string(c.counts[2]);
    for (std::size_t k = 0; k < 3; ++k) {
      // Each frame ran its own search first: a frame without an ORF gives its own message.
      EXPECT_EQ(r.frames[k].outcome, c.counts[k] ? FrameOutcome::Found : FrameOutcome::NoStartOrStop) << row;
      EXPECT_EQ(r.decision.aminoAcids[k], c.counts[k]) << row;
    }
    EXPECT_EQ(r.decision.decision, c.decision) << row;
    EXPECT_EQ(r.decision.winner, c.winner) << row;
    EXPECT_EQ(allFramesMessage(c.decision, Language::English), c.message) << row;
    // Only a winner is listed and captioned.
    EXPECT_EQ(allFramesLines(r.decision, state, Language::English).empty(), c.winner == 0) << row;
    EXPECT_EQ(allFramesResultCaption(r.decision, Language::English).empty(), c.winner == 0) << row;
  }
}

TEST(LargestInAllFrames, ListsAndCaptionsTheWinnerInBothLanguages) {
  OrfState state = stateWithFrames(frameWithOrf(1, 2), frameWithOrf(2, 4), frameWithOrf(3, 3));
  const AllFramesDecision d = searchLargestInAllFrames(state).decision;
  EXPECT_EQ(allFramesLines(d, state, Language::English),
            (Lines{"The Largest ORF is in Frame 2 is at 5 bp of the nucleotide sequence", "MetAlaAlaAla***"}));
  EXPECT_EQ(allFramesFrameCaption(d, Language::English), "Frame 2");
  EXPECT_EQ(allFramesResultCaption(d, Language::English), "The largest peptide is in Frame 2. Has 4 amino acids");
  EXPECT_EQ(allFramesLines(d, state, Language::Spanish),
            (Lines{"El ORF mayor est\xE1 en el marco 2 est\xE1 a 5 pb de la secuencia de nucle\xF3tidos",
                   "MetAlaAlaAla***"}));
  EXPECT_EQ(allFramesFrameCaption(d, Language::Spanish), "Marco 2");
  EXPECT_EQ(allFramesResultCaption(d, Language::Spanish),
            "El p\xE9ptido m\xE1s largo est\xE1 en Marco 2. Tiene 4 amino\xE1" "cidos");
  EXPECT_EQ(allFramesMessage(AllFramesCase::TieFrames13, Language::Spanish),
            "Hay dos secuencias con identica longitud y m\xE1ximo valor en los marcos 1 y 3");
  EXPECT_EQ(allFramesMessage(AllFramesCase::NoOrf, Language::Spanish),
            "No hay secuencia de aminoacidos completa en esta secuencia de nucle\xF3tidos");
}

// ---- Every ORF of a frame --------------------------------------------------

TEST(AllOrfs, ListsEveryMethionineBeforeAStopNestedAndAdjacentOnesIncluded) {
  const struct {
    std::string text;
    std::vector<Orf> orfs;
    bool noStartOrStop;
  } cases[] = {
      {"MetAlaMetLys***", {{1, 13}, {7, 13}}, false},
      {"MetMetLys***", {{1, 10}, {4, 10}}, false},
      {"Met***Met***", {{1, 4}, {7, 10}}, false},
      {".AlaMet***", {{5, 8}}, false},
      {"Met******Met***", {{1, 4}, {10, 13}}, false},
      {"Ala***MetLys", {}, false},
      {"MetAla", {}, true},
      {".", {}, true},
  };
  for (const auto& c : cases) {
    const AllOrfs r = listAllOrfs(dots(c.text), 2);
    EXPECT_EQ(r.orfs, c.orfs) << c.text;
    EXPECT_EQ(r.noStartOrStop, c.noStartOrStop) << c.text;
  }
}

TEST(AllOrfs, WritesThreeLinesPerOrf) {
  const std::string frame = "MetAlaMetLys***";
  EXPECT_EQ(allOrfsLines(listAllOrfs(frame, 1), frame),
            (Lines{"ORF starts at position: 1 bp. Stop codon at: 13 bp. Length= 4 aminoacids", "MetAlaMetLys***", "",
                   "ORF starts at position: 7 bp. Stop codon at: 13 bp. Length= 2 aminoacids", "MetLys***", ""}));
}

// ---- Alternative starts ----------------------------------------------------

TEST(AlternativeStarts, FindTheCodonWhereItIsACodonOfTheFrame) {
  const struct {
    std::string editor;
    int frame;
    StartCodon codon;
    std::vector<Orf> orfs;
  } cases[] = {
      {"gcggtgaaacgttaa", 1, StartCodon::GTG, {{4, 13}}},
      // The same "gtg" lies across two codons of frame 2.
      {"gcggtgaaacgttaa", 2, StartCodon::GTG, {}},
      // Two starts before one stop.
      {"gtgaaagtgtaa", 1, StartCodon::GTG, {{1, 10}, {7, 10}}},
      // A "gtg" of another frame overlapping one of this frame hides nothing.
      {"agtgtgaaataa", 1, StartCodon::GTG, {{4, 10}}},
      {"gtgtgtgtgtaa", 1, StartCodon::GTG, {{1, 10}, {7, 10}}},
      // A stop between starts, and a start right after a stop.
      {"ttgtaattgctgtga", 1, StartCodon::TTG, {{1, 4}, {7, 13}}},
      {"ttgtaattgctgtga", 1, StartCodon::CTG, {{10, 13}}},
      // Only the exact codon: GTT is a valine, ATT an isoleucine.
      {"gttaaataa", 1, StartCodon::GTG, {}},
      {"gttattaaataa", 1, StartCodon::ATT, {{4, 10}}},
      // A start after the last stop has no ORF.
      {"taagtgaaa", 1, StartCodon::GTG, {}},
      // RNA and upper case read as lower-case DNA.
      {"GCGGUGAAACGUUAA", 1, StartCodon::GTG, {{4, 13}}},
      // Numbering, blanks and line breaks in the editor do not shift the bases
      // against the frames the translation made from the cleaned text.
      {"1 gcg gtg\r\n7 aaacgt\n taa", 1, StartCodon::GTG, {{4, 13}}},
      {"10 cc\r\n12 gcg\tgug aaa\r\ncgu uaa", 3, StartCodon::GTG, {{6, 15}}},
  };
  for (const auto& c : cases) {
    const FrameStrings frames = threeLetterFrames(c.editor);
    const std::string& frame = frames[std::size_t(c.frame - 1)];
    const AlternativeStarts r = findAlternativeStarts(searchableNucleotides(c.editor), frame, c.codon);
    EXPECT_EQ(r.orfs, c.orfs) << c.editor << " frame " << c.frame;
    EXPECT_EQ(r.frameLength, Position(frame.size()));
  }
}

TEST(AlternativeStarts, WriteFourLinesPerOrfInEitherLanguage) {
  const std::string editor = "gcggtgaaacgttaa";
  const std::string frame = threeLetterFrames(editor)[0];
  const AlternativeStarts r = findAlternativeStarts(searchableNucleotides(editor), frame, StartCodon::GTG);
  EXPECT_EQ(alternativeStartLines(r, frame, Language::English),
            (Lines{"ORF at 4 bp", "Length of protein 3 aminoacids", "ValLysArg***", " "}));
  EXPECT_EQ(alternativeStartLines(r, frame, Language::Spanish),
            (Lines{"Marco de lectura a 4 pb", "Longitud de prote\xEDna:  3 amino\xE1" "cidos", "ValLysArg***", " "}));
  EXPECT_EQ(valuesOf(StartCodon::TTG).caption, "Start TTG");
}

// ---- All searches against their definitions on random sequences ------------

TEST(OrfSearches, AgreeWithTheirDefinitionsOnRandomSequences) {
  std::mt19937 random(7);
  for (int round = 0; round < 60; ++round) {
    std::string editor(std::size_t(random() % 3000), 'a');
    for (char& c : editor) c = "acgt"[random() % 4];
    const FrameStrings frames = threeLetterFrames(editor);
    const std::string nucleotides = searchableNucleotides(editor);
    for (int f = 1; f <= 3; ++f) {
      const std::string& text = frames[std::size_t(f - 1)];
      // Every "Met" with a stop after it; the first such after each stop is a candidate.
      std::vector<Orf> every, candidates;
      std::size_t segment = 0;
      for (std::size_t i = text.find("Met"); i != std::string::npos; i = text.find("Met", i + 1)) {
        const std::size_t stop = text.find('*', i);
        if (stop == std::string::npos) break;
        every.push_back({Position(i) + 1, Position(stop) + 1});
        if (i >= segment) candidates.push_back(every.back());
        segment = stop + 3;
      }
      EXPECT_EQ(listAllOrfs(text, f).orfs, every);
      Orf longest;
      for (const Orf& o : candidates)
        if (o.stop - o.start > longest.stop - longest.start) longest = o;
      EXPECT_EQ(largestOrf(text).orf, longest);

      for (const StartCodonValues& v : kStartCodons) {
        std::vector<Orf> starts;
        for (std::size_t i = nucleotides.find(v.codon); i != std::string::npos; i = nucleotides.find(v.codon, i + 1)) {
          const std::size_t stop = text.find('*', i);
          if (stop != std::string::npos && text.compare(i, 3, v.name) == 0)
            starts.push_back({Position(i) + 1, Position(stop) + 1});
        }
        const auto codon = StartCodon(&v - kStartCodons.data());
        EXPECT_EQ(findAlternativeStarts(nucleotides, text, codon).orfs, starts) << v.codon;
      }
    }
  }
}

}  // namespace
}  // namespace bxl::orf
