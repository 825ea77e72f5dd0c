#include <gtest/gtest.h>

#include <string>

#include "Dotted.h"
#include "translation/Pipeline.h"

namespace bxl {
namespace {

std::string nucleotideLine(const Display& display) {
  const std::size_t start = display.lineStart(0, 2);
  return display.text.substr(start, display.text.find('\n', start) - start);
}

// What each translate command does with the same text, as the editor holds it
// after a classification (lower-case RNA with a number and a line break): the
// standard code translates the working sequence it makes from the text, a
// mitochondrial code the cleaned text itself beside the working sequence, and
// the display's nucleotides always come from the working sequence.
TEST(TranslationPipeline, EachCodeTakesItsOwnRoadFromTheText) {
  const std::string text = "1 auauga\r\nattg";
  const struct {
    TranslationCode code;
    LetterMode letters;
    std::string frame1;
    std::string working;     // the working sequence afterwards
    std::string nucleotides; // the display's nucleotide line
  } cases[] = {
      {TranslationCode::Standard, LetterMode::One, "I..*..I..", "atatgaattg", "ATATGAATTG"},
      {TranslationCode::Standard, LetterMode::Three, "Ile***Ile", "atatgaattg", "ATATGAATTG"},
      {TranslationCode::VertebrateMitochondrial, LetterMode::One, "M..W..M..", text, "AUAUGAATTG"},
      {TranslationCode::MouseMitochondrial, LetterMode::One, "M..W..I..", text, "AUAUGAATTG"},
  };
  for (const auto& c : cases) {
    TranslationState state;
    state.SecuenciaTrabajo = text;
    state.DatosSecuencia.Clasificar(text);
    ASSERT_EQ(state.DatosSecuencia.Caso, 'm');
    const Display display = translateText(state, text, c.code, c.letters);
    const int row = int(&c - cases);
    EXPECT_EQ(state.frames[0], dotted(c.frame1)) << row;
    EXPECT_EQ(state.SecuenciaTrabajo, c.working) << row;
    EXPECT_EQ(nucleotideLine(display), c.nucleotides) << row;
    EXPECT_EQ(state.DatosSecuencia.Caso, 'N') << row;  // the nucleotide filter ran
    // "All frames" later writes the same display from what the chain left.
    EXPECT_EQ(writeAllFramesDisplay(state).text, display.text) << row;
  }
}

}  // namespace
}  // namespace bxl
