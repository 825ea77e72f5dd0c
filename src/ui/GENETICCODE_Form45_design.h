#pragma once
// The genetic code window's design: controls, the codon grid, captions in both
// languages, messages.
#include <array>
#include <string_view>
#include <vector>

#include "ui/Design.h"

namespace bxl::ui::form45 {

inline constexpr int kDesignClientWidth = 780;
inline constexpr int kDesignClientHeight = 596;
inline constexpr FontDesign kWindowFont{"MS Sans Serif", 11, FontUnit::Pixels};

extern const std::span<const ControlDesign> kControls;

// The 64 codon buttons in codon order (first, second, third base, each U, C,
// A, G): index 16 x first + 4 x second + third.
extern const std::array<const char*, 64> kCodonButtons;
// Their designs on Panel1: block by first base (top to bottom), column by
// second base, row in the block by third base. Captions come from the lookup.
std::vector<ControlDesign> codonButtonDesigns();

// How a codon button shows its amino acid; amino acids not listed keep the
// default colour and are bold.
struct CodonLook {
  std::string_view aminoAcid;  // the three-letter name, or "Stop"
  const char* color;           // nullptr: the default colour
  bool bold;
};
extern const std::span<const CodonLook> kCodonLooks;

// The captions Spanish replaces; the designed captions are the English ones.
extern const std::span<const CaptionDesign> kCaptions;
// The header's font size in Spanish, in points.
inline constexpr int kSpanishHeaderPoints = 20;

extern const MessageDesign kEnterThreeNucleotides;
extern const MessageDesign kNotACodon;

// Styles of this window only: the white ground, the header's gradient and codon
// buttons whose captions use their whole width.
extern const char* const kStyleSheet;

}  // namespace bxl::ui::form45
