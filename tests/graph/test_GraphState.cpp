#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graph/GraphState.h"
#include "translation/Translation.h"

namespace bxl::graph {
namespace {

TEST(GraphState, LoadingCleansTheFrameStringsOfBothCodesAndKeepsTheirCode) {
  const FrameStrings one = translateStandard("ATGAAATTTG");  // M..K..F.. / .*..N..L.. / ..E..I...
  GraphState state;
  loadFrameTexts(state, {{one[0], one[1], one[2]}, "1Code"});
  EXPECT_EQ(state.SecuenciaMarco1, "MKF");
  EXPECT_EQ(state.SecuenciaMarco2, "*NL");
  EXPECT_EQ(state.SecuenciaMarco3, "EI");
  EXPECT_EQ(state.letterCode(), LetterCode::One);

  // Loading again replaces everything; three-letter names keep their letters,
  // and layout a frame string might carry (line ends, blanks) goes.
  const FrameStrings three{threeLetterFrame(one[0]), threeLetterFrame(one[1]), threeLetterFrame(one[2])};
  loadFrameTexts(state, {{three[0], three[1] + "\r\n", " " + three[2]}, "3Code"});
  EXPECT_EQ(state.SecuenciaMarco1, "MetLysPhe");
  EXPECT_EQ(state.SecuenciaMarco2, "***AsnLeu");
  EXPECT_EQ(state.SecuenciaMarco3, "GluIle");
  EXPECT_EQ(state.letterCode(), LetterCode::Three);

  // The mitochondrial frames: blank fillers and "---" cells.
  const FrameStrings mito = translateMitochondrial("ATGAGACCTTAA", kVertebrateMitochondrialCode);
  loadFrameTexts(state, {{mito[0], mito[1], ""}, "1Code"});
  EXPECT_EQ(state.SecuenciaMarco1, "M*P*");
  EXPECT_EQ(state.SecuenciaMarco3, "");
}

TEST(GraphState, CodesAndSelectionAreReadExactly) {
  EXPECT_EQ(letterCodeOf("1Code"), LetterCode::One);
  EXPECT_EQ(letterCodeOf("3Code"), LetterCode::Three);
  EXPECT_EQ(letterCodeOf("Label1"), LetterCode::Other);
  EXPECT_EQ(letterCodeOf("1code"), LetterCode::Other);
  EXPECT_TRUE(showsAllFrames("All"));
  EXPECT_FALSE(showsAllFrames("INFORMACION PARA GRAFICA"));
  EXPECT_FALSE(showsAllFrames("all"));
}

TEST(GraphState, EnumeratesEveryValueWithItsNameAndKind) {
  GraphState state;
  state.SecuenciaMarco2 = "M*";
  state.MarcarMet = true;
  state.CodigoMarcos = "1Code";
  const std::vector<StateField> fields = stateFields(state);

  std::vector<std::string> names;
  for (const StateField& field : fields) names.push_back(field.name);
  EXPECT_EQ(names, (std::vector<std::string>{
                       "SecuenciaMarco1", "SecuenciaMarco2", "SecuenciaMarco3", "MarcarStops", "MarcarMet",
                       "CodigoMarcos", "DatosSecuenciaGraph.Tipo", "DatosSecuenciaGraph.Caso",
                       "DatosSecuenciaGraph.Reversa", "DatosSecuenciaGraph.Complemento", "DatosSecuenciaGraph.Barra",
                       "DatosSecuenciaGraph.Punto", "DatosSecuenciaGraph.Hebra", "DatosSecuenciaGraph.Longitud",
                       "DatosSecuenciaGraph.Texto"}));
  EXPECT_EQ(fields[1].value, FieldValue(std::string_view("M*")));
  EXPECT_EQ(fields[3].value, FieldValue(false));
  EXPECT_EQ(fields[4].value, FieldValue(true));
  EXPECT_EQ(fields[5].value, FieldValue(std::string_view("1Code")));
  EXPECT_EQ(fields[6].value, FieldValue(std::string_view("\0", 1)));  // a code not set yet
  EXPECT_EQ(fields[13].value, FieldValue(std::int64_t(0)));
}

}  // namespace
}  // namespace bxl::graph
