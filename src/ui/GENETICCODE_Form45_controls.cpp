#include "ui/GENETICCODE_Form45_controls.h"

#include "ui/Form.h"
#include "ui/GENETICCODE_Form45_design.h"

namespace bxl::ui {

Form45Controls Form45Controls::find(const Form& window) {
  Form45Controls found;
#define BXL_FORM45_FIND(Type, name) found.name = window.control<Type>(QStringLiteral(#name));
  BXL_FORM45_CONTROLS(BXL_FORM45_FIND)
#undef BXL_FORM45_FIND
  for (std::size_t i = 0; i < found.codonButtons.size(); ++i)
    found.codonButtons[i] = window.control<BitBtn>(QString::fromLatin1(form45::kCodonButtons[i]));
  return found;
}

}  // namespace bxl::ui
