#pragma once
// A window's design as data: its controls with kind, parent, caption, place,
// font and visibility; its menus; its captions in each language.
#include <span>

namespace bxl::ui {

enum class Kind {
  Label, SmoothLabel, Button, BitBtn, SmoothButton, SmoothToggleButton, Panel, Bevel, Edit,
  RichEdit,    // a visible rich edit
  TextHolder,  // a hidden rich edit that only keeps text
  ListBox, ProgressBar, Timer, Component,
  FindDialog,  // a modeless find dialog, hidden until opened
  Image,       // a picture the window draws on, of the control's design size
};

enum class FontUnit { Pixels, Points };

struct FontDesign {
  const char* family = nullptr;  // nullptr: the window's own font
  int size = 0;
  FontUnit unit = FontUnit::Pixels;
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
  // "scroll-vertical-always", "keep-selection", "no-return", "interval=1000".
  const char* options = "";
};

// A main menu: one top item and its items; "-" is a separator.
struct MainMenuDesign {
  const char* name;
  const char* top;
  std::span<const char* const> items;
};

struct MenuItemDesign {
  const char* name;
  const char* caption;
  const char* shortcut = nullptr;
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
