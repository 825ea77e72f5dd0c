#pragma once
// The genetic code window's controls as typed pointers, looked up once after
// the window is built.
#include <array>

#include "ui/Controls.h"

namespace bxl::ui {

class Form;

#define BXL_FORM45_CONTROLS(X)              \
  X(Panel, Panel23)                         \
  X(Panel, Panel1)                          \
  X(SmoothLabel, AdvSmoothLabel4)           \
  X(SmoothButton, ButtonCERRAR)             \
  X(MaskEdit, MaskEdit1)                    \
  X(SmoothToggleButton, ButtonGeneticCode)  \
  X(Edit, Edit13)                           \
  X(Label, LabelIdioma)

struct Form45Controls {
#define BXL_FORM45_MEMBER(Type, name) Type* name = nullptr;
  BXL_FORM45_CONTROLS(BXL_FORM45_MEMBER)
#undef BXL_FORM45_MEMBER
  // The codon buttons in codon order (see form45::kCodonButtons).
  std::array<BitBtn*, 64> codonButtons{};

  // Looks every control up in the built window; throws std::logic_error for
  // one that is missing or of another kind.
  static Form45Controls find(const Form& window);
};

}  // namespace bxl::ui
