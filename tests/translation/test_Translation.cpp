#include <gtest/gtest.h>

#include <random>
#include <string>

#include "Dotted.h"
#include "translation/Translation.h"

namespace bxl {
namespace {

struct FrameCase {
  std::string sequence;
  std::string frame1, frame2, frame3;  // '.' for the middle dot
};

void expectFrames(const FrameStrings& frames, const FrameCase& c) {
  EXPECT_EQ(frames[0], dotted(c.frame1)) << c.sequence;
  EXPECT_EQ(frames[1], dotted(c.frame2)) << c.sequence;
  EXPECT_EQ(frames[2], dotted(c.frame3)) << c.sequence;
}

TEST(StandardTranslation, WritesCellsUnderTheirCodonsWithDotFillersAndEnds) {
  const FrameCase cases[] = {
      {"ATGAAATTTG", "M..K..F..", ".*..N..L..", "..E..I..."},  // last G untranslated; TG a lone dot
      {"", "", ".", ".."},
      {"A", "", ".", ".."},
      {"AT", ".", ".", ".."},
      {"ATG", "M..", "..", ".."},  // TG ends frame 2 with a lone dot after its filler,
      {"ATGTAA", "M..*..", ".C...", "..V.."},
      {"atgaaa", "M..K..", ".*...", "..E.."},
      {"ATGNNNAC-TGAC", "M..NO=NO=*..", ".NO=NO=NO=D..", "..NO=NO=NO=."},
      // Callers turn U into T; a U left over is not a base here.
      {"AUG", "NO=", "..", ".."},
  };
  for (const auto& c : cases) expectFrames(translateStandard(c.sequence), c);
}

TEST(StandardTranslation, CommandsPrepareRnaAndLayoutAsDna) {
  const std::string working = prepareWorkingSequence("1 AUG gcc\r\n10 UAA|u\xB7" "a");
  EXPECT_EQ(working, "ATGgccTAAta");
  EXPECT_EQ(translateStandard(working)[0], dotted("M..A..*..."));
}

TEST(StandardTranslation, LeavesWorkingSequenceLowerCaseOnlyForALowerCaseClassification) {
  const struct {
    std::string working;
    char caso;
    std::string after;
  } cases[] = {
      {"atgtaa", 'm', "atgtaa"}, {"ATGtaa", 'm', "atgtaa"}, {"atgTAA", 'M', "ATGTAA"},
      {"atgtaa", 'N', "ATGTAA"}, {"atgtaa", 0, "ATGTAA"},
  };
  for (auto c : cases) {
    const FrameStrings frames = translateWorkingSequence(c.working, c.caso);
    EXPECT_EQ(c.working, c.after);
    EXPECT_EQ(frames[0], dotted("M..*..")) << c.after;
  }
}

TEST(MitochondrialTranslation, UsesItsCodeBlankFillersDashesAndNoIncompleteCell) {
  const struct {
    const GeneticCode& code;
    FrameCase expected;
  } cases[] = {
      {kVertebrateMitochondrialCode, {"ATGAAATTTG", "M..K..F..", " W..N..L..", "  E..M.."}},
      {kMouseMitochondrialCode, {"ATGAAATTTG", "M..K..F..", " W..N..L..", "  E..I.."}},
      {kVertebrateMitochondrialCode, {"AUGAUA", "M..M..", " W..", "  D.."}},
      {kMouseMitochondrialCode, {"augaua", "M..M..", " W..", "  D.."}},
      {kVertebrateMitochondrialCode, {"atgagataa", "M..*..*..", " W..D..", "  E..M.."}},
      {kMouseMitochondrialCode, {"atgagataa", "M..*..*..", " W..D..", "  E..M.."}},
      {kMouseMitochondrialCode, {"atgnnnaaa", "M..---K..", " ------", "  ------"}},
      {kVertebrateMitochondrialCode, {"", "", " ", "  "}},
      {kVertebrateMitochondrialCode, {"AT", "", " ", "  "}},
  };
  for (const auto& c : cases) expectFrames(translateMitochondrial(c.expected.sequence, c.code), c.expected);
}

// The frames as the commands describe them, piece by piece, to check the fast
// side-by-side walk at every length and with every kind of letter.
FrameStrings referenceFrames(std::string_view sequence, const GeneticCode& code, const CellStyle& style) {
  FrameStrings frames;
  for (std::size_t f = 0; f < 3; ++f) {
    frames[f].assign(f, style.filler);
    for (std::size_t p = f; p + 1 < sequence.size(); p += 3) {
      std::string piece(sequence.substr(p, 3));
      if (style.readsUAsT)
        for (char& c : piece)
          if (c == 'U' || c == 'u') c = 'T';
      if (piece.size() == 2) {
        frames[f] += style.twoLetterEnd;
      } else if (const char symbol = code.symbolOf(piece)) {
        frames[f] += std::string{symbol, kMiddleDot, kMiddleDot};
      } else {
        frames[f] += style.notACodon;
      }
    }
  }
  return frames;
}

TEST(Translation, AgreesWithPieceByPieceReadingAtEveryLength) {
  std::mt19937 random(7);
  const std::string letters = "ACGTacgtUuN-\xB7";
  std::string sequence;
  for (int i = 0; i < 400; ++i) sequence += letters[random() % letters.size()];
  const struct {
    const GeneticCode& code;
    const CellStyle& style;
  } procedures[] = {{kStandardCode, kStandardCells},
                    {kVertebrateMitochondrialCode, kMitochondrialCells},
                    {kMouseMitochondrialCode, kMitochondrialCells}};
  for (const auto& procedure : procedures)
    for (std::size_t length = 0; length <= sequence.size(); length += (length < 20 ? 1 : 37)) {
      const std::string_view part = std::string_view(sequence).substr(0, length);
      EXPECT_EQ(translateFrames(part, procedure.code, procedure.style),
                referenceFrames(part, procedure.code, procedure.style))
          << procedure.code.name << " length " << length;
    }
}

TEST(ThreeLetterFrame, NamesUpperCaseCellsAndLeavesEverythingElse) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"M..K..F..", "MetLysPhe"},
      {".*..N..L..", ".***AsnLeu"},
      {"..E..I...", "..GluIle."},
      {"M..NO=*..", "MetNO=***"},
      {" W..---", " Trp---"},
      {"m..k..", "m..k.."},   // case-sensitive, unlike the ORF window's conversion
      {"M....", "Met.."},     // "t.." is no cell here
      {"**..", "****"},
      {"", ""},
      {"M.", "M."},
  };
  for (const auto& c : cases) EXPECT_EQ(threeLetterFrame(dotted(c.in)), dotted(c.out)) << c.in;
  std::string cells, names;
  for (const AminoAcidName& entry : kThreeLetterNames) {
    cells += dotted(std::string{entry.symbol, '.', '.'});
    names += entry.name;
  }
  EXPECT_EQ(threeLetterFrame(cells), names);
}

}  // namespace
}  // namespace bxl
