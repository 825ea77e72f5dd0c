#pragma once
// A window's design as data: its controls with kind, parent, caption, place,
// font and visibility; its menus; its captions in each language.
#include <span>

namespace bxl::ui {

enum class Kind {
  Label, SmoothLabel, Button, BitBtn, SmoothButton, SmoothToggleButton,
  SpeedButton,  // a flat button, here only a caption
  Panel, Bevel, Edit,
  MaskEdit,     // an edit whose positions follow a mask ("mask=LLL;1;*")
  RichEdit,    // a visible rich edit
  TextHolder,  // a hidden rich edit that only keeps text
  ListBox, ProgressBar, Timer, Component,
  FindDialog,  // a modeless find dialog, hidden until opened
  RadioButton,  // one of a group: the radio buttons with the same parent
  CheckBox,
  ScrollBox,    // scrolls the one control placed in it
  Image,        // a picture the window paints on demand
  Picture,      // a bitmap the window draws on, of the control's design size
};

enum class FontUnit { Pixels, Points };

struct FontDesign {
  const char* family = nullptr;  // nullptr: the window's own font
  int size = 0;
  FontUnit unit = FontUnit::Pixels;
  bool bold = false;
  bool italic = false;
};

struct ControlDesign {
  const char* name;
  Kind kind;
  const char* parent;  // nullptr: the window's client area
  const char* caption;
  int left, top, width, height;
  FontDesign font;
  bool visible;
  // Extra settings of some kinds, comma-separated: "wrap", "scroll-both",
  // "scroll-vertical-always", "keep-selection", "no-return", "interval=1000",
  // "mask=LLL;1;*", "frame" (a bevel drawn as a frame, not a line).
  const char* options = "";
};

struct MenuItemDesign {
  const char* name;
  const char* caption;
  const char* shortcut = nullptr;
};

// A main menu: one top item and its items; "-" is a separator. Items that run
// a command, each with its name, follow the plain ones.
struct MainMenuDesign {
  const char* name;
  const char* top;
  std::span<const char* const> items;
  std::span<const MenuItemDesign> commands = {};
};

struct PopupMenuDesign {
  const char* name;
  std::span<const MenuItemDesign> items;
};

// One control's caption in English and in Spanish.
struct CaptionDesign {
  const char* control;  // nullptr: the window's own caption
  const char* english;
  const char* spanish;
};

// A message box's caption and text in English and in Spanish; a message
// without a Spanish text reads the same in both languages.
struct MessageDesign {
  const char* caption;
  const char* english;
  const char* spanish = nullptr;
};

}  // namespace bxl::ui
