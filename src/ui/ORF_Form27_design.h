#pragma once
// The ORF window's design: controls, menus, its Spanish captions, its look,
// and the fixed values its commands use.
#include "ui/Design.h"

namespace bxl::ui::form27 {

inline constexpr int kDesignLeft = 1;
inline constexpr int kDesignTop = 31;
inline constexpr int kDesignWidth = 1378;
inline constexpr int kDesignHeight = 788;
inline constexpr const char* kCaption = "Open Reading Frame";
// The window's own font, which controls without a font of their own use.
inline constexpr FontDesign kWindowFont{"MS Sans Serif", 11, FontUnit::Pixels};

extern const std::span<const ControlDesign> kControls;
// The hidden holder of the nucleotide copy, which the window keeps 8-bit.
inline constexpr const char* kNucleotideHolder = "RichEdit2";
extern const MainMenuDesign kMainMenuEnglish;
extern const MainMenuDesign kMainMenuSpanish;
// The window is designed in English; these are the captions Spanish replaces.
extern const std::span<const CaptionDesign> kCaptions;
// Colours and gradients of the window's controls.
extern const char* const kStyleSheet;

// The result list: every line 17 pixels high; how far its lines scroll after
// a largest-ORF search and after an alternative-start search, and, after an
// all-ORFs listing, how many times its widest line.
inline constexpr int kListItemHeight = 17;
inline constexpr int kLargestOrfExtent = 40000;
inline constexpr int kAlternativeStartExtent = 24500;
inline constexpr int kAllOrfsExtentFactor = 3;

// The position of the all-ORFs listing's progress bar while it runs.
inline constexpr int kListingProgress = 20;

// The printed report: its title line and heading, then the captions and the list.
struct ReportDesign {
  const char* title;
  const char* headingEnglish;
  const char* headingSpanish;
  const char* indent;  // before the title, the heading and the two captions
};
inline constexpr ReportDesign kReport{"     BeXalo", "     OPEN READING FRAMES        ",
                                      "     Marcos de lectura:        ", "     "};
inline constexpr const char* kReportDocument = "ORF";
inline constexpr const char* kMapDocument = "ORF map";
// The map goes to the clipboard and the printer as one picture. A genome's
// map is hundreds of thousands of pixels tall; the picture holds its top,
// at most this tall, which keeps it a bitmap the desktop can take.
inline constexpr int kMapPictureMaxHeight = 8192;

extern const MessageDesign kNoPrinterForMap;

// The table of alternative genetic codes, opened by the help menu's link.
inline constexpr const char* kGeneticCodePage = "https://www.ncbi.nlm.nih.gov/Taxonomy/Utils/wprintgc.cgi?mode=c#SG11";

}  // namespace bxl::ui::form27
