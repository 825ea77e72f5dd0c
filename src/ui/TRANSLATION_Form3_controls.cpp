#include "ui/TRANSLATION_Form3_controls.h"

#include "ui/Form.h"

namespace bxl::ui {
namespace {

template <class T>
T* lookUp(const Form& window, const char* name) {
  return window.control<T>(QString::fromLatin1(name));
}

template <>
platform::RichEdit* lookUp<platform::RichEdit>(const Form& window, const char* name) {
  return window.richEdit(QString::fromLatin1(name));
}

}  // namespace

Form3Controls Form3Controls::find(const Form& window) {
  Form3Controls found;
#define BXL_FORM3_FIND(Type, name) found.name = lookUp<Type>(window, #name);
  BXL_FORM3_CONTROLS(BXL_FORM3_FIND)
#undef BXL_FORM3_FIND
  return found;
}

}  // namespace bxl::ui
