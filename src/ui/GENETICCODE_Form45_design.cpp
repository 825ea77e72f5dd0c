#include "ui/GENETICCODE_Form45_design.h"

namespace bxl::ui::form45 {
namespace {

constexpr FontDesign kHeader{"Tahoma", 29, FontUnit::Pixels};
constexpr FontDesign kTitle{"Tahoma", 28, FontUnit::Pixels};
constexpr FontDesign kEntry{"Tahoma", 27, FontUnit::Pixels};
constexpr FontDesign kAxis{"Tahoma", 16, FontUnit::Pixels};
constexpr FontDesign kSmooth{"Tahoma", 10, FontUnit::Points};
constexpr FontDesign kCodon{"Verdana", 12, FontUnit::Pixels};
constexpr FontDesign kWindow{};

// The codon grid on Panel1: the block labels in a column at the left, the
// column labels in a row at the top, then four blocks of four rows of 75 x 18
// buttons, with a small gap between blocks and between columns.
constexpr int kBlockLabelLeft = 8, kBlockLabelWidth = 24;
constexpr int kColumnLabelTop = 6, kColumnLabelHeight = 20;
constexpr int kGridLeft = 38, kGridTop = 30;
constexpr int kButtonWidth = 75, kButtonHeight = 18;
constexpr int kColumnStep = kButtonWidth + 4;
constexpr int kBlockStep = 4 * kButtonHeight + 6;
constexpr int kPanelLeft = 252, kPanelTop = 236;
constexpr int kPanelWidth = kGridLeft + 4 * kColumnStep - 4 + 8;
constexpr int kPanelHeight = kGridTop + 4 * kBlockStep - 6 + 8;

constexpr int blockTop(int first) { return kGridTop + first * kBlockStep; }
constexpr int columnLeft(int second) { return kGridLeft + second * kColumnStep; }

constexpr std::array kControlTable = {
    ControlDesign{"Panel23", Kind::Panel, nullptr, "", 0, 0, kDesignClientWidth, kDesignClientHeight, kWindow, true},
    ControlDesign{"AdvSmoothLabel4", Kind::SmoothLabel, "Panel23", "Genetic code", 0, 0, kDesignClientWidth, 48, kHeader,
                  true},
    ControlDesign{"ButtonCERRAR", Kind::SmoothButton, "Panel23", "Close", 664, 8, 104, 32, kSmooth, true},

    ControlDesign{"Bevel3", Kind::Bevel, "Panel23", "", 16, 60, 300, 136, kWindow, true, "frame"},
    ControlDesign{"Label8", Kind::Label, "Panel23", "Enter codon              ", 28, 68, 0, 0, kTitle, true},
    ControlDesign{"MaskEdit1", Kind::MaskEdit, "Panel23", "", 28, 124, 140, 48, kEntry, true, "mask=LLL;1;*"},
    ControlDesign{"ButtonGeneticCode", Kind::SmoothToggleButton, "Panel23", "Translate", 330, 124, 120, 48, kSmooth,
                  true},
    ControlDesign{"Bevel6", Kind::Bevel, "Panel23", "", 464, 60, 300, 136, kWindow, true, "frame"},
    ControlDesign{"Label9", Kind::Label, "Panel23", "Amino acid           ", 476, 68, 0, 0, kTitle, true},
    ControlDesign{"Edit13", Kind::Edit, "Panel23", "", 476, 124, 276, 48, kEntry, true},

    ControlDesign{"Label5", Kind::Label, "Panel23", "Second nucleotide", kPanelLeft + kGridLeft + 92, 212, 0, 0, kAxis,
                  true},
    ControlDesign{"Label3", Kind::Label, "Panel23", "5'-First nucleotide                  ", 24,
                  kPanelTop + blockTop(1) + 2 * kButtonHeight, 0, 0, kAxis, true},
    ControlDesign{"Panel1", Kind::Panel, "Panel23", "", kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight, kWindow, true},
    ControlDesign{"SpeedButton9", Kind::SpeedButton, "Panel1", "U", kBlockLabelLeft, blockTop(0), kBlockLabelWidth,
                  4 * kButtonHeight, kAxis, true},
    ControlDesign{"SpeedButton10", Kind::SpeedButton, "Panel1", "C", kBlockLabelLeft, blockTop(1), kBlockLabelWidth,
                  4 * kButtonHeight, kAxis, true},
    ControlDesign{"SpeedButton11", Kind::SpeedButton, "Panel1", "A", kBlockLabelLeft, blockTop(2), kBlockLabelWidth,
                  4 * kButtonHeight, kAxis, true},
    ControlDesign{"SpeedButton12", Kind::SpeedButton, "Panel1", "G", kBlockLabelLeft, blockTop(3), kBlockLabelWidth,
                  4 * kButtonHeight, kAxis, true},
    ControlDesign{"SpeedButton13", Kind::SpeedButton, "Panel1", "U", columnLeft(0), kColumnLabelTop, kButtonWidth,
                  kColumnLabelHeight, kAxis, true},
    ControlDesign{"SpeedButton14", Kind::SpeedButton, "Panel1", "C", columnLeft(1), kColumnLabelTop, kButtonWidth,
                  kColumnLabelHeight, kAxis, true},
    ControlDesign{"SpeedButton15", Kind::SpeedButton, "Panel1", "A", columnLeft(2), kColumnLabelTop, kButtonWidth,
                  kColumnLabelHeight, kAxis, true},
    ControlDesign{"SpeedButton16", Kind::SpeedButton, "Panel1", "G", columnLeft(3), kColumnLabelTop, kButtonWidth,
                  kColumnLabelHeight, kAxis, true},

    // Never shown: the window's language and the command that applies it.
    ControlDesign{"LabelIdioma", Kind::Label, "Panel23", "En", 8, 570, 0, 0, kWindow, false},
    ControlDesign{"ButtonIDIOMA", Kind::Button, "Panel23", "ButtonIDIOMA", 40, 566, 120, 25, kWindow, false},
};

constexpr CodonLook kCodonLookTable[] = {
    {"Leu", "#808000", true},  {"Ser", "#008000", true},  {"Met", "#008000", true}, {"Pro", "#000080", true},
    {"Gln", "#008080", true},  {"Arg", "#0000FF", true},  {"Lys", "#800080", true}, {"Ala", "#800000", true},
    {"Glu", "#FF00FF", true},  {"Stop", "#FF0000", true}, {"Tyr", nullptr, false},  {"Trp", nullptr, false},
    {"Gly", "#000000", false},
};

constexpr CaptionDesign kCaptionTable[] = {
    {nullptr, "Genetic code", "Código genético"},
    {"AdvSmoothLabel4", "Genetic code", "Código genético"},
    {"Label8", "Enter codon              ", "Escribir codón"},
    {"Label9", "Amino acid           ", "Aminoácido"},
    {"ButtonGeneticCode", "Translate", "Traducir"},
    {"ButtonCERRAR", "Close", "Cerrar"},
    {"Label3", "5'-First nucleotide                  ", "5'-Primer nucleótido"},
    {"Label5", "Second nucleotide", "Segundo nucleótido"},
};

}  // namespace

const std::span<const ControlDesign> kControls = kControlTable;

// In codon order, four to a column: each line below is two columns of one block.
const std::array<const char*, 64> kCodonButtons = {
    "BitBtn2",   "BitBtn66",  "BitBtn67",  "BitBtn68",  "BitBtn69",  "BitBtn70",  "BitBtn71",  "BitBtn72",
    "BitBtn113", "BitBtn114", "BitBtn115", "BitBtn116", "BitBtn117", "BitBtn118", "BitBtn119", "BitBtn120",
    "BitBtn73",  "BitBtn74",  "BitBtn75",  "BitBtn76",  "BitBtn77",  "BitBtn78",  "BitBtn79",  "BitBtn80",
    "BitBtn81",  "BitBtn82",  "BitBtn83",  "BitBtn84",  "BitBtn85",  "BitBtn86",  "BitBtn87",  "BitBtn88",
    "BitBtn89",  "BitBtn90",  "BitBtn91",  "BitBtn92",  "BitBtn93",  "BitBtn94",  "BitBtn95",  "BitBtn96",
    "BitBtn97",  "BitBtn98",  "BitBtn99",  "BitBtn100", "BitBtn101", "BitBtn102", "BitBtn103", "BitBtn104",
    "BitBtn105", "BitBtn106", "BitBtn107", "BitBtn108", "BitBtn109", "BitBtn110", "BitBtn111", "BitBtn112",
    "BitBtn121", "BitBtn122", "BitBtn123", "BitBtn124", "BitBtn125", "BitBtn126", "BitBtn127", "BitBtn128",
};

std::vector<ControlDesign> codonButtonDesigns() {
  std::vector<ControlDesign> designs;
  designs.reserve(kCodonButtons.size());
  for (int codon = 0; codon < 64; ++codon) {
    const int first = codon / 16, second = codon / 4 % 4, third = codon % 4;
    designs.push_back(ControlDesign{kCodonButtons[std::size_t(codon)], Kind::BitBtn, "Panel1", nullptr,
                                    columnLeft(second), blockTop(first) + third * kButtonHeight, kButtonWidth,
                                    kButtonHeight, kCodon, true});
  }
  return designs;
}

const std::span<const CodonLook> kCodonLooks = kCodonLookTable;
const std::span<const CaptionDesign> kCaptions = kCaptionTable;

const MessageDesign kEnterThreeNucleotides{"BeXalo", "Enter 3 nucleotides"};
const MessageDesign kNotACodon{"BeXalo", "This is not a codon"};

// Qt writes "::" of a class name as "--" in style sheet selectors.
const char* const kStyleSheet = R"(
bxl--ui--Panel#Panel23 { background: white; border: none; border-radius: 0; }
QLabel#AdvSmoothLabel4 {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #c4dcf4);
  padding-left: 10px;
}
bxl--ui--Bevel { color: #b8cce4; }
bxl--ui--Panel#Panel1 bxl--ui--BitBtn { padding: 0; border-radius: 2px; }
bxl--ui--SpeedButton { border: none; color: #1b3556; font-weight: bold; }
)";

}  // namespace bxl::ui::form45
