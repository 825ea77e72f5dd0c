#pragma once
// The graph's module state, one for the program and shared by every graph
// window: the three frame texts as the windows last loaded them and the mode
// of the marker commands.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "sequence/ClaseSecuencia.h"

namespace bxl::graph {

// How the frame texts are written: one character per amino acid ("1Code"),
// three ("3Code"), or neither (the main window's design caption), which leaves
// the ruler lines empty and reads the texts as one-letter texts.
enum class LetterCode { One, Three, Other };
LetterCode letterCodeOf(std::string_view label1);

// Whether the main window's graph frame selection asks for the tracks.
bool showsAllFrames(std::string_view label17);

struct GraphState {
  std::string SecuenciaMarco1;  // frame 1 translation, cleaned of layout
  std::string SecuenciaMarco2;
  std::string SecuenciaMarco3;
  bool MarcarStops = false;     // the marker commands mark stops
  bool MarcarMet = false;       // ... or methionines
  // The main window's letter code when the texts were loaded. Markers read the
  // texts with it, so a retranslation in the other code while a graph window
  // stays open cannot make them read one-letter text in threes.
  std::string CodigoMarcos;
  // Used only for its cleaning and ruler operations; its codes never change.
  ClaseSecuencia DatosSecuenciaGraph;

  // Frame 1, 2 or 3.
  const std::string& frameText(int frame) const;
  LetterCode letterCode() const { return letterCodeOf(CodigoMarcos); }
};

// The texts the graph reads from the main window when a graph window is shown.
struct WorkspaceFrames {
  std::array<std::string_view, 3> frames;  // the main window's frame strings, 8-bit
  std::string_view letterCode;             // its code mode caption ("1Code", "3Code")
};

// The first step of showing a graph window: every frame string cleaned of
// layout (numbers, blanks, line ends, "|" and middle dots) into the state,
// with the letter code it is written in.
void loadFrameTexts(GraphState& state, const WorkspaceFrames& workspace);

// One value of the state for the state printer: a text (8-bit), a number or a
// truth value. Texts are views into the state.
using FieldValue = std::variant<std::string_view, std::int64_t, bool>;
struct StateField {
  std::string name;
  FieldValue value;
};
// Every value of the state with its name, in declaration order; the fields of
// the sequence model read "DatosSecuenciaGraph.Tipo" and so on, codes as texts
// of one character.
std::vector<StateField> stateFields(const GraphState& state);

}  // namespace bxl::graph
