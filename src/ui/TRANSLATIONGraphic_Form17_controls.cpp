#include "ui/TRANSLATIONGraphic_Form17_controls.h"

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

Form17Controls Form17Controls::find(const Form& window) {
  Form17Controls found;
#define BXL_FORM17_FIND(Type, name) found.name = lookUp<Type>(window, #name);
  BXL_FORM17_CONTROLS(BXL_FORM17_FIND)
#undef BXL_FORM17_FIND
  return found;
}

}  // namespace bxl::ui
