#include "ui/ORF_Form27_controls.h"

#include "ui/Form.h"

namespace bxl::ui {

Form27Controls Form27Controls::find(const Form& window) {
  Form27Controls found;
#define BXL_FORM27_FIND(Type, name) found.name = window.typedControl<Type>(#name);
  BXL_FORM27_CONTROLS(BXL_FORM27_FIND)
#undef BXL_FORM27_FIND
  return found;
}

}  // namespace bxl::ui
