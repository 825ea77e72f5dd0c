#include "ui/ORF_Form27_design.h"

namespace bxl::ui::form27 {
namespace {

constexpr FontDesign kHeader{"Tahoma", 29, FontUnit::Pixels};
constexpr FontDesign kMapHeader{"Tahoma", 24, FontUnit::Pixels};
constexpr FontDesign kTitle{"Tahoma", 19, FontUnit::Pixels};
constexpr FontDesign kCommand{"Verdana", 16, FontUnit::Pixels, true, true};
constexpr FontDesign kSmallCommand{"Verdana", 13, FontUnit::Pixels, true, true};
constexpr FontDesign kPath{"Verdana", 15, FontUnit::Pixels};
constexpr FontDesign kLines{"Courier New", 15, FontUnit::Pixels};
constexpr FontDesign kSelector{"Tahoma", 21, FontUnit::Pixels};
constexpr FontDesign kPanel9{"Tahoma", 16, FontUnit::Pixels};
constexpr FontDesign kHint{"Tahoma", 13, FontUnit::Pixels};
constexpr FontDesign kWindow{};

// Listed back to front: a control later in the list is drawn over earlier
// ones, so the list and the map lie over their headers' edges, the tool panels
// open over the list, and the button row stays on top of the panels.
constexpr std::array kControlTable = {
    ControlDesign{"Cabecera", Kind::SmoothLabel, nullptr, "Open reading frame", 0, 0, 1273, 44, kHeader, true},
    ControlDesign{"AdvSmoothLabel4", Kind::SmoothLabel, nullptr, "  Position of nucleotides of the ORF in the DNA", -1,
                  483, 1370, 44, kMapHeader, true},
    ControlDesign{"AdvSmoothLabel7", Kind::SmoothLabel, nullptr, "", 16, 127, 210, 50, kTitle, false},
    ControlDesign{"AdvSmoothLabel5", Kind::SmoothLabel, nullptr, "", 167, 127, 803, 50, kTitle, false},
    ControlDesign{"ListBox10", Kind::ListBox, nullptr, "", 16, 155, 969, 331, kLines, true},
    ControlDesign{"Edit7", Kind::Edit, nullptr, "", 16, 97, 969, 26, kPath, true},
    ControlDesign{"ProgressBar1", Kind::ProgressBar, nullptr, "", 408, 96, 321, 14, kWindow, false},
    ControlDesign{"ScrollBox1", Kind::ScrollBox, nullptr, "", 16, 521, 969, 137, kWindow, true},
    ControlDesign{"Image4", Kind::Image, "ScrollBox1", "", 0, 0, 969, 137, kWindow, true},

    // Never shown: the language, the print buffer, the nucleotide copy, the
    // frame-record lists and the internal command buttons.
    ControlDesign{"Panel2", Kind::Panel, nullptr, "", 16, 200, 400, 200, kWindow, false},
    ControlDesign{"RPrint", Kind::TextHolder, "Panel2", "", 0, 0, 0, 0, kLines, false},
    ControlDesign{"RichEdit2", Kind::TextHolder, "Panel2", "", 0, 0, 0, 0, kLines, false},
    ControlDesign{"RichEdit9", Kind::TextHolder, "Panel2", "", 0, 0, 0, 0, kLines, false},
    ControlDesign{"ListBox1", Kind::ListBox, "Panel2", "", 8, 8, 120, 180, kWindow, true},
    ControlDesign{"ListBox3", Kind::ListBox, "Panel2", "", 136, 8, 120, 180, kWindow, true},
    ControlDesign{"ListBox4", Kind::ListBox, "Panel2", "", 264, 8, 120, 180, kWindow, true},
    ControlDesign{"Panel10", Kind::Panel, nullptr, "", 420, 200, 340, 240, kWindow, false},
    ControlDesign{"LabelIdioma", Kind::Label, "Panel10", "En", 8, 8, 0, 0, kWindow, true},
    ControlDesign{"ButtonPANTALLA", Kind::Button, "Panel10", "ButtonPANTALLA", 8, 28, 160, 25, kWindow, true},
    ControlDesign{"ButtonIDIOMA", Kind::Button, "Panel10", "ButtonIDIOMA", 8, 56, 160, 25, kWindow, true},
    ControlDesign{"BtnCargaSecuencias", Kind::Button, "Panel10", "BtnCargaSecuencias", 8, 84, 160, 25, kWindow, true},
    ControlDesign{"ButtonNEWGRAPH", Kind::Button, "Panel10", "ButtonNEWGRAPH", 8, 112, 160, 25, kWindow, true},
    ControlDesign{"ButtonALLORFS", Kind::Button, "Panel10", "ButtonALLORFS", 8, 140, 160, 25, kWindow, true},
    ControlDesign{"ButtonLargestin1", Kind::Button, "Panel10", "IN FRAME 1", 172, 28, 160, 25, kWindow, true},
    ControlDesign{"ButtonLargestin2", Kind::Button, "Panel10", "IN FRAME 2", 172, 56, 160, 25, kWindow, true},
    ControlDesign{"ButtonLargestin3", Kind::Button, "Panel10", "IN FRAME 3", 172, 84, 160, 25, kWindow, true},
    ControlDesign{"Button4LargestInAll", Kind::Button, "Panel10", "IN ALL FRAMES", 172, 112, 160, 25, kWindow, true},
    ControlDesign{"ButtonGTG", Kind::Button, "Panel10", "GTG", 172, 140, 78, 25, kWindow, true},
    ControlDesign{"ButtonTTG", Kind::Button, "Panel10", "TTG", 254, 140, 78, 25, kWindow, true},
    ControlDesign{"ButtonCTG", Kind::Button, "Panel10", "CTG", 172, 168, 78, 25, kWindow, true},
    ControlDesign{"ButtonATT", Kind::Button, "Panel10", "ATT", 254, 168, 78, 25, kWindow, true},

    // The tool panels, each opening under the button that shows it; a header
    // label fills each panel and the selectors stand on it.
    ControlDesign{"Panel4", Kind::Panel, nullptr, "", 3, 87, 241, 150, kWindow, false},
    ControlDesign{"AdvSmoothLabel2", Kind::SmoothLabel, "Panel4", "", 4, 4, 228, 137, kTitle, true},
    ControlDesign{"RadioButton9", Kind::RadioButton, "Panel4", "in frame 1", 16, 12, 200, 28, kSelector, true},
    ControlDesign{"RadioButton10", Kind::RadioButton, "Panel4", "in frame 2", 16, 44, 200, 28, kSelector, true},
    ControlDesign{"RadioButton11", Kind::RadioButton, "Panel4", "in frame 3", 16, 76, 200, 28, kSelector, true},
    ControlDesign{"RadioButton12", Kind::RadioButton, "Panel4", "in all frames", 16, 108, 200, 28, kSelector, true},
    ControlDesign{"Panel5", Kind::Panel, nullptr, "", 243, 63, 240, 118, kWindow, false},
    ControlDesign{"AdvSmoothLabel1", Kind::SmoothLabel, "Panel5", "", 4, 4, 227, 105, kTitle, true},
    ControlDesign{"RadioButton6", Kind::RadioButton, "Panel5", "in frame 1", 16, 28, 200, 26, kSelector, true},
    ControlDesign{"RadioButton7", Kind::RadioButton, "Panel5", "in frame 2", 16, 54, 200, 26, kSelector, true},
    ControlDesign{"RadioButton8", Kind::RadioButton, "Panel5", "in frame 3", 16, 80, 200, 26, kSelector, true},
    ControlDesign{"Panel9", Kind::Panel, nullptr, "", 486, 88, 242, 205, kPanel9, false},
    ControlDesign{"AdvSmoothLabel3", Kind::SmoothLabel, "Panel9", "All ORF", 4, 4, 229, 192, kPanel9, true},
    ControlDesign{"AdvSmoothLabel6", Kind::SmoothLabel, "Panel9", "Select start codon and frame", 12, 28, 214, 36,
                  kHint, true, "wrap"},
    ControlDesign{"RadioButton2", Kind::RadioButton, "Panel9", " GTG", 8, 68, 80, 28, kSelector, true},
    ControlDesign{"RadioButton3", Kind::RadioButton, "Panel9", " TTG", 8, 100, 80, 28, kSelector, true},
    ControlDesign{"RadioButton4", Kind::RadioButton, "Panel9", " CTG ", 8, 132, 80, 28, kSelector, true},
    ControlDesign{"RadioButton5", Kind::RadioButton, "Panel9", " ATT", 8, 164, 80, 28, kSelector, true},
    ControlDesign{"CheckBox4", Kind::CheckBox, "Panel9", "in frame 1   ", 92, 68, 141, 28, kSelector, true},
    ControlDesign{"CheckBox5", Kind::CheckBox, "Panel9", "in frame 2    ", 92, 108, 141, 28, kSelector, true},
    ControlDesign{"CheckBox6", Kind::CheckBox, "Panel9", "in frame 3    ", 92, 148, 141, 28, kSelector, true},

    // The button row.
    ControlDesign{"BtnLargest", Kind::SmoothToggleButton, nullptr, "The largest ORF", 0, 44, 242, 42, kCommand, true},
    ControlDesign{"BtnAll", Kind::SmoothToggleButton, nullptr, "All possible ORF", 243, 44, 242, 42, kCommand, true},
    ControlDesign{"BtnGRAM", Kind::SmoothToggleButton, nullptr, "Alternative start (GRAM+)", 486, 44, 242, 42,
                  kSmallCommand, true},
    ControlDesign{"ButtonCERRAR", Kind::SmoothToggleButton, nullptr, "Close", 1030, 0, 242, 42, kCommand, true},
    ControlDesign{"BtnPRINT", Kind::SmoothToggleButton, nullptr, "Print", 1031, 44, 242, 42, kCommand, true},

    ControlDesign{"PrintDialog1", Kind::Component, nullptr, "", 0, 0, 0, 0, kWindow, false},
};

constexpr std::array<const char*, 7> kHelpEnglish = {
    "FUNCTIONS",
    "·THE LARGEST ORF. Find the largest Open  Reading Frame in :",
    "     -The selected frame",
    "     -The largest in all frames",
    "· ALL POSSIBLE ORFs= Find all ORF in each  frame",
    "·GRAM+ High GC = Find all possible ORFs in the selected frame with special start codons in Gram+ bacteria",
    "Alternative start codons. Click the link:",
};
// The link names the host of the page it opens.
constexpr std::array kHelpEnglishCommands = {MenuItemDesign{"Geneticcodepage1", "www.ncbi.nlm.nih.gov"}};

constexpr std::array<const char*, 4> kHelpSpanish = {
    "Esta aplicación busca marcos de lectura abiertos (ORF).",
    "-El ORF mayor: busca el más largo en un marco o en todos los marcos de lectura.",
    "-Todos los marcos: muestra todos los marcos posibles en cada marco",
    "-Gram +: busca marcos de lectura especiales en bacterias Gram +. Seleccione el codón de stop y el marco de "
    "búsqieda",
};

constexpr std::array kCaptionTable = {
    CaptionDesign{nullptr, "Open Reading Frame", "Marco de lectura abierto"},
    CaptionDesign{"Cabecera", "Open reading frame", "Marco de lectura abierto (ORF)"},
    CaptionDesign{"ButtonCERRAR", "Close", "Cerrar"},
    CaptionDesign{"BtnPRINT", "Print", "Imprimir"},
    CaptionDesign{"BtnLargest", "The largest ORF", "El ORF mayor"},
    CaptionDesign{"RadioButton9", "in frame 1", "en marco 1"},
    CaptionDesign{"RadioButton10", "in frame 2", "en marco 2"},
    CaptionDesign{"RadioButton11", "in frame 3", "en marco 3"},
    CaptionDesign{"RadioButton12", "in all frames", "en todos "},
    CaptionDesign{"BtnAll", "All possible ORF", "Todos los marcos"},
    CaptionDesign{"RadioButton6", "in frame 1", "en marco 1"},
    CaptionDesign{"RadioButton7", "in frame 2", "en marco 2"},
    CaptionDesign{"RadioButton8", "in frame 3", "en marco 3"},
    CaptionDesign{"BtnGRAM", "Alternative start (GRAM+)", "Inicio alternativo (Gram+)"},
    CaptionDesign{"CheckBox4", "in frame 1   ", "en marco 1"},
    CaptionDesign{"CheckBox5", "in frame 2    ", "en marco 2"},
    CaptionDesign{"CheckBox6", "in frame 3    ", "en marco 3"},
    CaptionDesign{"AdvSmoothLabel3", "All ORF", "Todos los ORF"},
    CaptionDesign{"AdvSmoothLabel4", "  Position of nucleotides of the ORF in the DNA",
                  "Posición de los nucleótidos del ORF en el ADN "},
    CaptionDesign{"AdvSmoothLabel6", "Select start codon and frame", "Seleccione codon de inicio y marco"},
};

}  // namespace

const std::span<const ControlDesign> kControls = kControlTable;
const MainMenuDesign kMainMenuEnglish{"MainMenu1", "Help", kHelpEnglish, kHelpEnglishCommands};
const MainMenuDesign kMainMenuSpanish{"MainMenuEs", "Ayuda", kHelpSpanish};
const std::span<const CaptionDesign> kCaptions = kCaptionTable;

const MessageDesign kNoPrinterForMap{
    "BeXalo",
    "No printer is installed, so the map could not be printed. It is on the clipboard, and the report can still be "
    "printed from the print dialog.",
    "No hay ninguna impresora instalada, así que el mapa no se ha podido imprimir. Está en el portapapeles, y el "
    "informe aún puede imprimirse desde el diálogo de impresión."};

// Sky blue (166, 202, 240), lime (0, 255, 0), navy (0, 0, 128), light blue
// (153, 204, 255), the panels' orange (214, 129, 35), the selectors' light
// caption-gradient colour (215, 228, 242).
const char* const kStyleSheet = R"(
QLabel#Cabecera, QLabel#AdvSmoothLabel4 {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 rgb(153, 204, 255));
  padding-left: 2px;
}
QLabel#AdvSmoothLabel7 { color: rgb(0, 0, 128); }
QLabel#AdvSmoothLabel5 { color: rgb(166, 202, 240); }
QLabel#AdvSmoothLabel6 { color: rgb(0, 0, 128); padding-left: 0; }
bxl--ui--Panel#Panel4, bxl--ui--Panel#Panel5, bxl--ui--Panel#Panel9 {
  background: rgb(214, 129, 35);
  border: none;
  border-radius: 4px;
}
QLabel#AdvSmoothLabel1, QLabel#AdvSmoothLabel2, QLabel#AdvSmoothLabel3 {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 rgb(153, 204, 255));
  border-radius: 4px;
  padding-left: 8px;
}
QRadioButton, QCheckBox { background: rgb(215, 228, 242); border-radius: 3px; padding-left: 3px; }
bxl--ui--SmoothToggleButton#BtnLargest, bxl--ui--SmoothToggleButton#BtnAll, bxl--ui--SmoothToggleButton#BtnGRAM {
  color: #10243d;
  background: rgb(166, 202, 240);
}
bxl--ui--SmoothToggleButton#BtnLargest:checked, bxl--ui--SmoothToggleButton#BtnAll:checked,
bxl--ui--SmoothToggleButton#BtnGRAM:checked {
  color: black;
  background: rgb(0, 255, 0);
}
)";

}  // namespace bxl::ui::form27
