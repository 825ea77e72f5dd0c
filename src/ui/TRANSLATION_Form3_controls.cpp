#include "ui/TRANSLATION_Form3_controls.h"

#include "ui/Form.h"

namespace bxl::ui {

Form3Controls Form3Controls::find(const Form& window) {
  Form3Controls found;
#define BXL_FORM3_FIND(Type, name) found.name = window.typedControl<Type>(#name);
  BXL_FORM3_CONTROLS(BXL_FORM3_FIND)
#undef BXL_FORM3_FIND
  return found;
}

}  // namespace bxl::ui
