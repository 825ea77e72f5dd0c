#include <gtest/gtest.h>

#include <random>

#include "Frames.h"
#include "orf/OrfSearch.h"
#include "orf/OrfState.h"

namespace bxl::orf {
namespace {

TEST(LoadSequences, CountsNucleotideLettersAndNamesOneLetterCellsOnlyForTheOneLetterCode) {
  const struct {
    std::string editor;
    std::array<std::string, 3> frames;
    std::string code;
    std::int64_t nucleotides;
    std::array<std::string, 3> loaded;
  } cases[] = {
      // Numbers, blanks and line breaks are not bases; cells keep their places.
      {"1 atgaaa tag\r\n10 cc", {"M..K..*..", ".M..*..", ".."}, "1Code", 11, {"MetLys***", ".Met***", ".."}},
      // N is no nucleotide letter though its codon has a cell; U is one.
      {"ATGNNNuaa", {"MetNO=***", ".Ala...", "..Lys."}, "3Code", 6, {"MetNO=***", ".Ala...", "..Lys."}},
      // Any other caption, such as the design one before a translation, copies as it is.
      {"atgtaa", {"M..*..", ".C...", "..V.."}, "Label1", 6, {"M..*..", ".C...", "..V.."}},
  };
  for (const auto& c : cases) {
    OrfState state;
    state.ORFMayor2 = "MetAla***";
    state.InicioORFMayor2 = 4;
    const std::array<std::string, 3> given = {dots(c.frames[0]), dots(c.frames[1]), dots(c.frames[2])};
    loadSequences(state, {c.editor, {given[0], given[1], given[2]}, c.code});
    EXPECT_EQ(state.LongitudNucleotidos, c.nucleotides) << c.editor;
    for (int f = 1; f <= 3; ++f) EXPECT_EQ(state.textoMarco(f), dots(c.loaded[std::size_t(f - 1)])) << c.editor;
    // The largest ORFs belong to the last searches, not to the loaded frames.
    EXPECT_EQ(state.ORFMayor2, "MetAla***");
    EXPECT_EQ(state.InicioORFMayor2, 4);
  }
}

TEST(LoadSequences, NamesCellsExactlyAsTheRecordDoesWhateverTheRunsOfDots) {
  std::mt19937 random(3);
  const std::string alphabet = dots("ACDEFGHIKLMNPQRSTVWY*amtw............NO= ");
  std::vector<std::string> texts = {dots("M...."), dots(".m..k.."), dots("*....M.....")};
  for (int i = 0; i < 3000; ++i) {
    std::string text(random() % 16, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    texts.push_back(text);
  }
  for (const std::string& text : texts) {
    OrfState state;
    loadSequences(state, {"", {text, text, text}, "1Code"});
    EXPECT_EQ(state.TextoMarco3, ClaseSecuencia().Codigo1a3(text)) << text;
  }
}

TEST(StateFields, NamesEveryValueInDeclarationOrder) {
  OrfState state = loadedState("gcgatgaaataa");
  searchLargestInFrame(state, 1);
  std::vector<std::pair<std::string, std::string>> shown;
  for (const StateField& field : stateFields(state)) {
    std::string value;
    if (const auto* text = std::get_if<std::string_view>(&field.value))
      value.append("'").append(*text).append("'");
    else
      value = std::to_string(std::get<std::int64_t>(field.value));
    shown.emplace_back(field.name, value);
  }
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"LongitudNucleotidos", "12"},
      {"TextoMarco1", "'AlaMetLys***'"},
      {"TextoMarco2", dots("'.Arg***Asn.'")},
      {"TextoMarco3", dots("'..AspGluIle'")},
      {"ORFMayor1", "'MetLys***'"},
      {"ORFMayor2", "''"},
      {"ORFMayor3", "''"},
      {"InicioORFMayor1", "4"},
      {"InicioORFMayor2", "0"},
      {"InicioORFMayor3", "0"},
      {"DatosSecuenciaORF.Tipo", std::string("'\0'", 3)},
      {"DatosSecuenciaORF.Caso", "'N'"},
      {"DatosSecuenciaORF.Reversa", std::string("'\0'", 3)},
      {"DatosSecuenciaORF.Complemento", std::string("'\0'", 3)},
      {"DatosSecuenciaORF.Barra", std::string("'\0'", 3)},
      {"DatosSecuenciaORF.Punto", std::string("'\0'", 3)},
      {"DatosSecuenciaORF.Hebra", std::string("'\0'", 3)},
      {"DatosSecuenciaORF.Longitud", "0"},
      {"DatosSecuenciaORF.Texto", "'GCGATGAAATAA'"},
  };
  EXPECT_EQ(shown, expected);
}

}  // namespace
}  // namespace bxl::orf
