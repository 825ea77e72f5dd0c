#pragma once
// The graph window's controls as typed pointers, looked up once after the
// window is built.
#include <QMenu>

#include "platform/RichEdit.h"
#include "ui/Controls.h"

namespace bxl::ui {

class Form;

// Every control the graph window's code touches, with its kind.
#define BXL_FORM17_CONTROLS(X)             \
  X(SmoothLabel, Cabecera)                 \
  X(Panel, Panel4)                         \
  X(Panel, Panel20)                        \
  X(SmoothLabel, AdvSmoothLabel2)          \
  X(Picture, Image1)                       \
  X(Picture, Image2)                       \
  X(platform::RichEdit, RichEdit3)         \
  X(Label, LabelIdioma)                    \
  X(SmoothToggleButton, ButtonCERRAR)      \
  X(SmoothToggleButton, ButtonPRINT)       \
  X(QMenu, MainMenu1)

struct Form17Controls {
#define BXL_FORM17_MEMBER(Type, name) Type* name = nullptr;
  BXL_FORM17_CONTROLS(BXL_FORM17_MEMBER)
#undef BXL_FORM17_MEMBER

  // Looks every control up in the built window; throws std::logic_error for
  // one that is missing or of another kind.
  static Form17Controls find(const Form& window);
};

}  // namespace bxl::ui
