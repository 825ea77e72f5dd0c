#pragma once
// The graph window's design: controls, help menu, captions in both languages,
// its colours and its help message.
#include "ui/Design.h"

namespace bxl::ui::form17 {

inline constexpr int kDesignClientWidth = 1266;
inline constexpr int kDesignClientHeight = 722;
inline constexpr FontDesign kWindowFont{"MS Sans Serif", 11, FontUnit::Pixels};

extern const std::span<const ControlDesign> kControls;
// Controls whose caption font is bold and italic.
extern const std::span<const char* const> kBoldItalic;
extern const MainMenuDesign kHelpMenu;
// Captions that follow the language, in the order they are applied.
extern const std::span<const CaptionDesign> kCaptions;
// The help message: English or Spanish by the main window's language, empty otherwise.
extern const MessageDesign kHelpMessage;
// The window's colours and the look of its own controls.
extern const char* const kStyleSheet;

inline constexpr const char* kPrintTitle = "Translation Graph";
// The printed picture's place on the page, in the printer's device pixels.
inline constexpr int kPrintWidth = 4000;
inline constexpr int kPrintHeight = 2000;

}  // namespace bxl::ui::form17
