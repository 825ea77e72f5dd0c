#pragma once
// The main window's controls as typed pointers, looked up once after the
// window is built, so commands name a control as a member: a misspelt name
// does not compile, and a control missing from the design fails at creation.
#include <QAction>
#include <QMenu>

#include "platform/RichEdit.h"
#include "ui/Controls.h"
#include "ui/FindDialog.h"

namespace bxl::ui {

class Form;

// Every control the main window's code touches, with its kind.
#define BXL_FORM3_CONTROLS(X)               \
  X(SmoothLabel, Cabecera)                  \
  X(SmoothLabel, AdvSmoothLabel7)           \
  X(SmoothLabel, AdvSmoothLabel3)           \
  X(Panel, Panel1)                          \
  X(Panel, Panel2)                          \
  X(Panel, Panel5)                          \
  X(Panel, Panel8)                          \
  X(Panel, Panel20)                         \
  X(Panel, Panel9)                          \
  X(Bevel, Bevel1)                          \
  X(Edit, Edit6)                            \
  X(platform::RichEdit, RichEdit1)          \
  X(platform::RichEdit, RichEditProt)       \
  X(platform::RichEdit, RichEdit2)          \
  X(platform::RichEdit, RichEdit3)          \
  X(platform::RichEdit, RichEdit4)          \
  X(platform::RichEdit, RPrint)             \
  X(ProgressBar, ProgressBar1)              \
  X(Label, Label1)                          \
  X(Label, Label2)                          \
  X(Label, Label17)                         \
  X(Label, LabelIdioma)                     \
  X(ListBox, ListBox1)                      \
  X(Button, BtnLabelStops)                  \
  X(Button, BtnLabelMet)                    \
  X(BitBtn, BitGraphic)                     \
  X(BitBtn, BitOpenORF)                     \
  X(BitBtn, BitOPENFILE)                    \
  X(BitBtn, BitEspanol)                     \
  X(BitBtn, BitEnglish)                     \
  X(SmoothButton, BtnSeQExample)            \
  X(SmoothToggleButton, ButtonABRIR)        \
  X(SmoothToggleButton, Btn1LetterCode)     \
  X(SmoothToggleButton, Btn3LetterCode)     \
  X(SmoothToggleButton, BtnSelectedText)    \
  X(SmoothToggleButton, Mitochondrial)      \
  X(SmoothToggleButton, ButtonCERRAR)       \
  X(SmoothToggleButton, ButtonPRINT)        \
  X(SmoothToggleButton, ButtonGeneticCode)  \
  X(SmoothToggleButton, ButtonEDITAR)       \
  X(Timer, TimerProgressBar)                \
  X(FindDialog, FindDialog1)                \
  X(QMenu, MainMenu1)                       \
  X(QMenu, MainMenuEs)                      \
  X(QMenu, PopupMenu1)                      \
  X(QMenu, PopupMenuEs)                     \
  X(QAction, Cut3)                          \
  X(QAction, Paste3)

struct Form3Controls {
#define BXL_FORM3_MEMBER(Type, name) Type* name = nullptr;
  BXL_FORM3_CONTROLS(BXL_FORM3_MEMBER)
#undef BXL_FORM3_MEMBER

  // Looks every control up in the built window; throws std::logic_error for
  // one that is missing or of another kind.
  static Form3Controls find(const Form& window);
};

}  // namespace bxl::ui
