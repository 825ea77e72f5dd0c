#include "ui/TRANSLATIONGraphic_Form17_design.h"

#include <array>

namespace bxl::ui::form17 {
namespace {

constexpr FontDesign kHeader{"Tahoma", 29, FontUnit::Pixels};
constexpr FontDesign kSubtitle{"Tahoma", 19, FontUnit::Pixels};
constexpr FontDesign kSmooth{"Tahoma", 10, FontUnit::Points};
constexpr FontDesign kColumn{"Tahoma", 8, FontUnit::Points};
constexpr FontDesign kCommand{"Verdana", 16, FontUnit::Pixels};
constexpr FontDesign kTextBox{"Courier New", 12, FontUnit::Pixels};
constexpr FontDesign kWindow{};

// Listed back to front: a control later in the list is drawn over earlier ones.
constexpr std::array kControlTable = {
    ControlDesign{"Cabecera", Kind::SmoothLabel, nullptr, "Translation graph", 0, 0, 1266, 48, kHeader, true},
    ControlDesign{"Bevel1", Kind::Bevel, nullptr, "", 0, 48, 1017, 2, kWindow, true},
    ControlDesign{"AdvSmoothLabel1", Kind::SmoothLabel, nullptr, "Rectangles represent aminoacid sequences", 8, 50, 700,
                  26, kSubtitle, true},

    // The graph, in a lowered frame, with a small picture in its corner.
    ControlDesign{"Panel4", Kind::Panel, nullptr, "", 8, 78, 1009, 498, kWindow, true},
    ControlDesign{"Image1", Kind::Picture, "Panel4", "", 4, 4, 1001, 490, kWindow, true},
    ControlDesign{"Image2", Kind::Picture, "Panel4", "", 4, 4, 42, 41, kWindow, true},

    // The text box on an orange frame.
    ControlDesign{"Panel1", Kind::Panel, nullptr, "", 4, 606, 1006, 116, kWindow, true},
    ControlDesign{"RichEdit3", Kind::RichEdit, nullptr, "", 8, 610, 998, 109, kTextBox, true, "scroll-both,keep-selection"},

    // The right-hand column with the user's commands.
    ControlDesign{"Panel20", Kind::Panel, nullptr, "", 1128, 90, 128, 632, kWindow, true},
    ControlDesign{"AdvSmoothLabel2", Kind::SmoothLabel, "Panel20", "", 0, 0, 128, 632, kSmooth, true},
    ControlDesign{"BtnLabelStops", Kind::SmoothButton, "Panel20", "Label STOP", 4, 16, 120, 40, kColumn, true},
    ControlDesign{"BtnLabelMet", Kind::SmoothButton, "Panel20", "Label Met", 4, 64, 120, 40, kColumn, true},
    ControlDesign{"AdvSmoothButton1", Kind::SmoothButton, "Panel20", "Label Met and Stops", 4, 112, 120, 40, kColumn, true},
    ControlDesign{"AdvSmoothButton2", Kind::SmoothButton, "Panel20", "Clear", 4, 160, 120, 40, kColumn, true},
    ControlDesign{"ButtonCERRAR", Kind::SmoothToggleButton, nullptr, "Close", 1014, 0, 242, 42, kCommand, true},
    ControlDesign{"ButtonPRINT", Kind::SmoothToggleButton, nullptr, "Print", 1014, 44, 242, 42, kCommand, true},

    // Never shown: the language, the hint, and the internal commands.
    ControlDesign{"LabelIdioma", Kind::Label, nullptr, "En", 720, 54, 0, 0, kWindow, false},
    ControlDesign{"AdvSmoothLabel3", Kind::SmoothLabel, nullptr,
                  "Click on the rectangles in the graph to highlight aminoacids in the sequences", 8, 580, 700, 24,
                  kSmooth, false},
    ControlDesign{"ButtonIDIOMA", Kind::Button, nullptr, "ButtonIDIOMA", 760, 50, 120, 25, kWindow, false},
    ControlDesign{"ButtonPANTALLA", Kind::Button, nullptr, "ButtonPANTALLA", 884, 50, 120, 25, kWindow, false},
    ControlDesign{"Panel2", Kind::Panel, nullptr, "", 200, 300, 520, 100, kWindow, false},
    ControlDesign{"EscribirRE3", Kind::Button, "Panel2", "EscribirRE3", 8, 8, 120, 25, kWindow, true},
    ControlDesign{"Button1", Kind::Button, "Panel2", "Button1", 136, 8, 120, 25, kWindow, true},
    ControlDesign{"Button2", Kind::Button, "Panel2", "Button2", 264, 8, 120, 25, kWindow, true},
    ControlDesign{"Button3", Kind::Button, "Panel2", "Button3", 392, 8, 120, 25, kWindow, true},
    ControlDesign{"BtnRepaint", Kind::Button, "Panel2", "BtnRepaint", 8, 40, 120, 25, kWindow, true},
    ControlDesign{"BitVIEWGRAPH", Kind::BitBtn, "Panel2", "BitVIEWGRAPH", 136, 40, 120, 25, kWindow, true},
    ControlDesign{"Mensaje", Kind::Button, "Panel2", "Mensaje", 264, 40, 120, 25, kWindow, true},
    ControlDesign{"PrintDialog1", Kind::Component, nullptr, "", 0, 0, 0, 0, kWindow, false},
};

constexpr std::array<const char*, 2> kBoldItalicTable = {"ButtonCERRAR", "ButtonPRINT"};

// The help texts are the same in both languages; the last one ends in a double quote.
constexpr std::array<const char*, 5> kHelpItems = {
    "HELP FOR THIS FORM",
    "-",
    "Rectangles represent the aminoacid sequences. Label Met and/or stops",
    "",
    "Los rectángulos representan las secuencias de aminoácidos; puede marcar Met y/o stops\"",
};

constexpr std::array kCaptionTable = {
    CaptionDesign{nullptr, "Translation Graph", "Gráfica de Traducción"},
    CaptionDesign{"Cabecera", "Translation graph", "Gráfica de Traducción"},
    CaptionDesign{"ButtonPRINT", "Print", "Imprimir"},
    CaptionDesign{"ButtonCERRAR", "Close", "Cerrar"},
    CaptionDesign{"AdvSmoothLabel1", "Rectangles represent aminoacid sequences",
                  "Los rectángulos representan las secuencia de aminoácidos"},
    CaptionDesign{"AdvSmoothLabel3", "Click on the rectangles in the graph to highlight aminoacids in the sequences",
                  "Clic en los rectángulos de la gráfica para mostrar la región en la secuencia"},
    CaptionDesign{"BtnLabelStops", "Label STOP", "Marcar Stop"},
    CaptionDesign{"BtnLabelMet", "Label Met", "Marcar Met"},
    CaptionDesign{"AdvSmoothButton1", "Label Met and Stops", "Marcar Met+stop"},
    CaptionDesign{"AdvSmoothButton2", "Clear", "Borrar"},
};

}  // namespace

const std::span<const ControlDesign> kControls = kControlTable;
const std::span<const char* const> kBoldItalic = kBoldItalicTable;
const MainMenuDesign kHelpMenu{"MainMenu1", "Help", kHelpItems};
const std::span<const CaptionDesign> kCaptions = kCaptionTable;
const MessageDesign kHelpMessage{"BeXalo", "En: Rectangles represent the aminoacid sequences. Label Met and/or stops",
                                 "Es: Los rectángulos representas las secuencias de aminoácidos; puede marcar Met y/o stops"};

// Design colours: header and column fill white to light blue (153, 204, 255),
// the column's panel (128, 128, 255), the text box's orange frame (214, 129,
// 35); "Label STOP" red, "Label Met" green, "Clear" white with a sky-blue edge.
const char* const kStyleSheet = R"(
QLabel#Cabecera { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #99ccff); }
bxl--ui--Panel#Panel4 { background: #ffffff; border: 4px inset #b9c7d8; border-radius: 0; }
bxl--ui--Panel#Panel1 { background: #d68123; border: none; border-radius: 0; }
bxl--ui--Panel#Panel20 { background: #8080ff; border: none; border-radius: 0; }
QLabel#AdvSmoothLabel2 { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #ffffff, stop:1 #99ccff); }
bxl--ui--SmoothButton#BtnLabelStops {
  color: white; border-color: #9c1010;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f26b6b, stop:1 #c81e1e);
}
bxl--ui--SmoothButton#BtnLabelMet {
  color: white; border-color: #0d5c0d;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5cb85c, stop:1 #1e7d1e);
}
bxl--ui--SmoothButton#AdvSmoothButton2 { background: #ffffff; border: 2px solid #87ceeb; }
bxl--ui--Panel#Panel20 bxl--ui--SmoothButton { padding: 2px 1px; }
)";

}  // namespace bxl::ui::form17
