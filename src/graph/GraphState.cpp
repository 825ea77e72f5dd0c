#include "graph/GraphState.h"

namespace bxl::graph {

LetterCode letterCodeOf(std::string_view label1) {
  if (label1 == "1Code") return LetterCode::One;
  if (label1 == "3Code") return LetterCode::Three;
  return LetterCode::Other;
}

bool showsAllFrames(std::string_view label17) { return label17 == "All"; }

const std::string& GraphState::frameText(int frame) const {
  switch (frame) {
    case 1: return SecuenciaMarco1;
    case 2: return SecuenciaMarco2;
    default: return SecuenciaMarco3;
  }
}

void loadFrameTexts(GraphState& state, const WorkspaceFrames& workspace) {
  std::string* const targets[] = {&state.SecuenciaMarco1, &state.SecuenciaMarco2, &state.SecuenciaMarco3};
  for (std::size_t f = 0; f < 3; ++f) {
    // Release the old text first, so a genome is never held twice per frame.
    targets[f]->clear();
    targets[f]->shrink_to_fit();
    *targets[f] = state.DatosSecuenciaGraph.LimpiarTexto(workspace.frames[f]);
  }
  state.CodigoMarcos.assign(workspace.letterCode);
}

std::vector<StateField> stateFields(const GraphState& state) {
  const ClaseSecuencia& d = state.DatosSecuenciaGraph;
  const auto code = [](const char& c) { return FieldValue(std::string_view(&c, 1)); };
  return {
      {"SecuenciaMarco1", std::string_view(state.SecuenciaMarco1)},
      {"SecuenciaMarco2", std::string_view(state.SecuenciaMarco2)},
      {"SecuenciaMarco3", std::string_view(state.SecuenciaMarco3)},
      {"MarcarStops", state.MarcarStops},
      {"MarcarMet", state.MarcarMet},
      {"CodigoMarcos", std::string_view(state.CodigoMarcos)},
      {"DatosSecuenciaGraph.Tipo", code(d.Tipo)},
      {"DatosSecuenciaGraph.Caso", code(d.Caso)},
      {"DatosSecuenciaGraph.Reversa", code(d.Reversa)},
      {"DatosSecuenciaGraph.Complemento", code(d.Complemento)},
      {"DatosSecuenciaGraph.Barra", code(d.Barra)},
      {"DatosSecuenciaGraph.Punto", code(d.Punto)},
      {"DatosSecuenciaGraph.Hebra", code(d.Hebra)},
      {"DatosSecuenciaGraph.Longitud", std::int64_t(d.Longitud)},
      {"DatosSecuenciaGraph.Texto", std::string_view(d.Texto)},
  };
}

}  // namespace bxl::graph
