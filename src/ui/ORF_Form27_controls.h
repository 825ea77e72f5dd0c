#pragma once
// The ORF window's controls as typed pointers, looked up once after the
// window is built, so commands name a control as a member: a misspelt name
// does not compile, and a control missing from the design fails at creation.
#include <QMenu>

#include "platform/RichEdit.h"
#include "ui/Controls.h"

namespace bxl::ui {

class Form;

// Every control the ORF window's code touches, with its kind.
#define BXL_FORM27_CONTROLS(X)            \
  X(SmoothLabel, Cabecera)                \
  X(SmoothLabel, AdvSmoothLabel1)         \
  X(SmoothLabel, AdvSmoothLabel2)         \
  X(SmoothLabel, AdvSmoothLabel3)         \
  X(SmoothLabel, AdvSmoothLabel4)         \
  X(SmoothLabel, AdvSmoothLabel5)         \
  X(SmoothLabel, AdvSmoothLabel7)         \
  X(SmoothToggleButton, ButtonCERRAR)     \
  X(SmoothToggleButton, BtnPRINT)         \
  X(SmoothToggleButton, BtnLargest)       \
  X(SmoothToggleButton, BtnAll)           \
  X(SmoothToggleButton, BtnGRAM)          \
  X(Edit, Edit7)                          \
  X(ProgressBar, ProgressBar1)            \
  X(ListBox, ListBox10)                   \
  X(ListBox, ListBox4)                    \
  X(ScrollBox, ScrollBox1)                \
  X(Image, Image4)                        \
  X(Panel, Panel4)                        \
  X(Panel, Panel5)                        \
  X(Panel, Panel9)                        \
  X(RadioButton, RadioButton2)            \
  X(RadioButton, RadioButton3)            \
  X(RadioButton, RadioButton4)            \
  X(RadioButton, RadioButton5)            \
  X(RadioButton, RadioButton6)            \
  X(RadioButton, RadioButton7)            \
  X(RadioButton, RadioButton8)            \
  X(RadioButton, RadioButton9)            \
  X(RadioButton, RadioButton10)           \
  X(RadioButton, RadioButton11)           \
  X(RadioButton, RadioButton12)           \
  X(CheckBox, CheckBox4)                  \
  X(CheckBox, CheckBox5)                  \
  X(CheckBox, CheckBox6)                  \
  X(Label, LabelIdioma)                   \
  X(platform::RichEdit, RPrint)           \
  X(platform::RichEdit, RichEdit2)        \
  X(platform::RichEdit, RichEdit9)        \
  X(QMenu, MainMenu1)                     \
  X(QMenu, MainMenuEs)

struct Form27Controls {
#define BXL_FORM27_MEMBER(Type, name) Type* name = nullptr;
  BXL_FORM27_CONTROLS(BXL_FORM27_MEMBER)
#undef BXL_FORM27_MEMBER

  // Looks every control up in the built window; throws std::logic_error for
  // one that is missing or of another kind.
  static Form27Controls find(const Form& window);
};

}  // namespace bxl::ui
