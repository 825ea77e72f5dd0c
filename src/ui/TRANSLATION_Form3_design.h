#pragma once
// The main window's design: controls, menus and captions in both languages.
#include "ui/Design.h"

namespace bxl::ui::form3 {

inline constexpr int kDesignLeft = 51;
inline constexpr int kDesignTop = 0;
inline constexpr int kDesignClientWidth = 1284;
inline constexpr int kDesignClientHeight = 749;
// The window's own font, which controls without a font of their own use.
inline constexpr FontDesign kWindowFont{"MS Sans Serif", 11, FontUnit::Pixels};

extern const std::span<const ControlDesign> kControls;
// The hidden holders of frames 1, 2 and 3, which show the workspace's frames.
inline constexpr const char* kFrameHolders[3] = {"RichEdit2", "RichEdit3", "RichEdit4"};
extern const MainMenuDesign kMainMenuEnglish;
extern const MainMenuDesign kMainMenuSpanish;
extern const PopupMenuDesign kPopupEnglish;
extern const PopupMenuDesign kPopupSpanish;
// Captions that follow the language, in the order they are applied.
extern const std::span<const CaptionDesign> kCaptions;

// Messages of the main window.
extern const MessageDesign kSequenceEmpty;
extern const MessageDesign kOtherCharacters;
extern const MessageDesign kCannotUse;
extern const MessageDesign kProteinDetected;
extern const MessageDesign kWillBeCleared;
extern const MessageDesign kLoadOneSequence;
extern const MessageDesign kSelectNucleotides;
extern const MessageDesign kCannotReadFile;  // %1 the file, %2 why
extern const MessageDesign kFileProblem;     // %1 the file, %2 the reader's sentence
extern const MessageDesign kNotRegularFile;  // %1 the file: a folder, pipe, device or socket
extern const MessageDesign kReadError;       // %1 the file, %2 the system's words
extern const MessageDesign kNoSequenceInFile;     // %1 the file
extern const MessageDesign kFileNeedsMoreMemory;  // %1 the file, %2 MB needed, %3 MB available
extern const MessageDesign kFileSequenceTooLong;  // %1 the file, %2 its most bases, %3 the most a sequence has
extern const MessageDesign kNoStopFound;
extern const MessageDesign kNoMethionineFound;
extern const MessageDesign kRnaToDna;
extern const MessageDesign kNoComplementOfRna;
extern const MessageDesign kAllNucleotides;
extern const MessageDesign kCharactersRemoved;  // %1 how many
extern const MessageDesign kEndOfDocument;
extern const MessageDesign kTranslateFirstForGraph;
extern const MessageDesign kTranslateFirstForOrf;
extern const MessageDesign kNoPrinter;

inline constexpr const char* kFileFilter =
    "Bexalo (*.BXL)|*.BXL|Text|*.txt|Sequences (FASTA, GenBank, EMBL)|*.fasta;*.fa;*.fna;*.ffn;*.gb;*.gbk;*.embl|"
    "All Files|*.*";
// Pixels between the display's lower edge and the stop-codon legend under it.
inline constexpr int kLegendGap = 3;
// The print dialog: pages 1 to 1000, with the page-range and selection
// choices offered; whatever is chosen there, the whole display is printed.
inline constexpr int kPrintFirstPage = 1;
inline constexpr int kPrintLastPage = 1000;
// A printout of more pages than this asks first (kLongPrintout).
inline constexpr int kAskAbovePages = 100;
extern const MessageDesign kLongPrintout;  // %1 the pages
// The progress dialog in front of a printing job: its text (%1 the page, %2
// the pages) and its button.
struct TextInBothLanguages {
  const char* english;
  const char* spanish;
};
inline constexpr TextInBothLanguages kPrintingPage{"Printing page %1 of %2", "Imprimiendo la página %1 de %2"};
inline constexpr TextInBothLanguages kPrintCancel{"Cancel", "Cancelar"};


struct HintDesign {
  const char* control;
  const char* hint;
};
extern const std::span<const HintDesign> kHints;

}  // namespace bxl::ui::form3
