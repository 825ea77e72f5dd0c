#include "ui/TRANSLATION_Form3_design.h"

#include <array>

namespace bxl::ui::form3 {
namespace {

constexpr FontDesign kHeader{"Tahoma", 29, FontUnit::Pixels};
constexpr FontDesign kTitle{"Tahoma", 19, FontUnit::Pixels};
constexpr FontDesign kLegend{"Tahoma", 21, FontUnit::Pixels};
constexpr FontDesign kSmooth{"Tahoma", 10, FontUnit::Points};
constexpr FontDesign kSequence{"Courier New", 13, FontUnit::Pixels};
constexpr FontDesign kHolder{"Courier New", 15, FontUnit::Pixels};
constexpr FontDesign kPath{"Verdana", 15, FontUnit::Pixels};
constexpr FontDesign kWindow{};

// Listed back to front: a control later in the list is drawn over earlier ones,
// so the tool panels open over the editors and the button row stays on top.
constexpr std::array kControlTable = {
    ControlDesign{"Cabecera", Kind::SmoothLabel, nullptr, "Translation", 0, -4, 1373, 48, kHeader, true},
    ControlDesign{"AdvSmoothLabel7", Kind::SmoothLabel, nullptr, "", 413, 8, 446, 50, kTitle, false},

    ControlDesign{"Panel20", Kind::Panel, nullptr, "", 991, 48, 242, 681, kWindow, true},
    ControlDesign{"AdvSmoothLabel3", Kind::SmoothLabel, "Panel20", "", 0, 350, 242, 40, kSmooth, false},
    ControlDesign{"BitGraphic", Kind::BitBtn, "Panel20", "Graph", 0, 400, 242, 50, kWindow, true},
    ControlDesign{"BitOpenORF", Kind::BitBtn, "Panel20", "ORF", 0, 460, 242, 50, kWindow, true},

    ControlDesign{"Bevel1", Kind::Bevel, nullptr, "", 0, 89, 1017, 1, kWindow, true},
    ControlDesign{"Edit6", Kind::Edit, nullptr, "", 8, 96, 963, 26, kPath, false},
    ControlDesign{"RichEdit1", Kind::RichEdit, nullptr, "", 8, 128, 963, 105, kSequence, true, "wrap,scroll-both"},
    // The display ends 32 pixels higher than the window's lowest line, so the
    // stop-codon legend stands under it rather than over its last lines.
    ControlDesign{"RichEditProt", Kind::RichEdit, nullptr, "", 8, 276, 963, 438, kSequence, true,
                  "scroll-vertical-always,keep-selection,no-return"},
    ControlDesign{"ProgressBar1", Kind::ProgressBar, nullptr, "", 8, 405, 961, 26, kWindow, false},
    ControlDesign{"Label2", Kind::Label, nullptr, "*= stop codon", 8, 717, 0, 0, kLegend, false},

    // Never shown: state captions, the file's lines, text holders and the
    // internal command buttons that commands run one another through.
    ControlDesign{"Panel9", Kind::Panel, nullptr, "", 201, 96, 520, 170, kWindow, false},
    ControlDesign{"Label1", Kind::Label, "Panel9", "Label1", 8, 8, 0, 0, kWindow, true},
    ControlDesign{"Label17", Kind::Label, "Panel9", "INFORMACION PARA GRAFICA", 8, 26, 0, 0, kWindow, true},
    ControlDesign{"LabelIdioma", Kind::Label, "Panel9", "En", 8, 44, 0, 0, kWindow, true},
    ControlDesign{"ListBox1", Kind::ListBox, "Panel9", "", 8, 64, 180, 98, kWindow, true},
    ControlDesign{"RichEdit2", Kind::TextHolder, "Panel9", "", 0, 0, 0, 0, kHolder, false},
    ControlDesign{"RichEdit3", Kind::TextHolder, "Panel9", "", 0, 0, 0, 0, kHolder, false},
    ControlDesign{"RichEdit4", Kind::TextHolder, "Panel9", "", 0, 0, 0, 0, kHolder, false},
    ControlDesign{"RPrint", Kind::TextHolder, "Panel9", "", 0, 0, 0, 0, kHolder, false},
    ControlDesign{"BtnPANTALLA", Kind::Button, "Panel9", "BtnPANTALLA", 196, 8, 150, 25, kWindow, true},
    ControlDesign{"ButtonIDIOMA", Kind::Button, "Panel9", "ButtonIDIOMA", 196, 38, 150, 25, kWindow, true},
    ControlDesign{"TipoSecuencia", Kind::Button, "Panel9", "TipoSecuencia", 196, 68, 150, 25, kWindow, true},
    ControlDesign{"BtnSequenceEmpty", Kind::Button, "Panel9", "BtnSequenceEmpty", 196, 98, 150, 25, kWindow, true},
    ControlDesign{"BtnClear", Kind::Button, "Panel9", "BtnClear", 196, 128, 150, 25, kWindow, true},
    ControlDesign{"BtnFuncionTraducir", Kind::Button, "Panel9", "BtnFuncionTraducir", 352, 8, 160, 25, kWindow, true},
    ControlDesign{"ButtonESCRIBIRENRE1", Kind::Button, "Panel9", "ButtonESCRIBIRENRE1", 352, 38, 160, 25, kWindow, true},
    ControlDesign{"ButtonUpButtons", Kind::Button, "Panel9", "ButtonUpButtons", 352, 68, 160, 25, kWindow, true},
    ControlDesign{"ButtonUpPanelOut", Kind::Button, "Panel9", "ButtonUpPanelOut", 352, 98, 160, 25, kWindow, true},
    ControlDesign{"BtnBorrarPaneles", Kind::Button, "Panel9", "BtnBorrarPaneles", 352, 128, 160, 25, kWindow, true},

    // Tool panels; each opens under the button that shows it.
    ControlDesign{"Panel1", Kind::Panel, nullptr, "", 7, 47, 189, 222, kWindow, false},
    ControlDesign{"BitOPENFILE", Kind::BitBtn, "Panel1", "BXL file", 8, 50, 173, 44, kWindow, true},
    ControlDesign{"Panel2", Kind::Panel, nullptr, "", 987, 193, 234, 192, kWindow, false},
    ControlDesign{"AdvSmoothLabel5", Kind::SmoothLabel, "Panel2", "Display", 0, 0, 234, 26, kSmooth, true},
    ControlDesign{"Button11", Kind::Button, "Panel2", "Only Frame 1", 8, 28, 218, 22, kWindow, true},
    ControlDesign{"Button12", Kind::Button, "Panel2", "Only Frame 2", 8, 51, 218, 22, kWindow, true},
    ControlDesign{"Button13", Kind::Button, "Panel2", "Only Frame 3", 8, 74, 218, 22, kWindow, true},
    ControlDesign{"Button5", Kind::Button, "Panel2", "All frames", 8, 97, 218, 22, kWindow, true},
    ControlDesign{"BtnLabelStops", Kind::Button, "Panel2", "Label STOP", 8, 120, 218, 22, kWindow, true},
    ControlDesign{"BtnLabelMet", Kind::Button, "Panel2", "Label Met", 8, 143, 218, 22, kWindow, true},
    ControlDesign{"AdvSmoothButton2", Kind::SmoothButton, "Panel2", "Label Met and Stops", 8, 166, 218, 22, kSmooth, true},
    ControlDesign{"Panel5", Kind::Panel, nullptr, "", 782, 50, 189, 121, kWindow, false},
    ControlDesign{"BtnVertebrate", Kind::SmoothButton, "Panel5", "Vertebrate", 8, 44, 173, 34, kSmooth, true},
    ControlDesign{"BtnMus", Kind::SmoothButton, "Panel5", "Mus", 8, 82, 173, 34, kSmooth, true},
    ControlDesign{"Panel8", Kind::Panel, nullptr, "", 738, 186, 251, 245, kWindow, false},
    ControlDesign{"BtnRevCom", Kind::SmoothButton, "Panel8", "Reverse - Complementary", 8, 6, 235, 35, kSmooth, true},
    ControlDesign{"BtnReversa", Kind::SmoothButton, "Panel8", "Reverse", 8, 46, 235, 35, kSmooth, true},
    ControlDesign{"BtnComplementaria", Kind::SmoothButton, "Panel8", "Complementary", 8, 86, 235, 35, kSmooth, true},
    ControlDesign{"AdvSmoothButton16", Kind::SmoothButton, "Panel8", "Remove other characters", 8, 126, 235, 35, kSmooth, true},
    ControlDesign{"AdvSmoothButton8", Kind::SmoothButton, "Panel8", "Find", 8, 166, 235, 35, kSmooth, true},
    ControlDesign{"AdvSmoothButton1", Kind::SmoothButton, "Panel8", "Clear data", 8, 206, 235, 35, kSmooth, true},

    // The button row and the right-hand column.
    ControlDesign{"BitEspanol", Kind::BitBtn, nullptr, "", 171, 8, 34, 25, kWindow, true},
    ControlDesign{"BitEnglish", Kind::BitBtn, nullptr, "", 202, 8, 34, 25, kWindow, true},
    ControlDesign{"BtnSeQExample", Kind::SmoothButton, nullptr, "Sequence Example", 783, 3, 188, 37, kSmooth, true},
    ControlDesign{"ButtonABRIR", Kind::SmoothToggleButton, nullptr, "Open", 8, 46, 189, 42, kSmooth, true},
    ControlDesign{"Btn1LetterCode", Kind::SmoothToggleButton, nullptr, "1 letter code", 202, 46, 189, 42, kSmooth, true},
    ControlDesign{"Btn3LetterCode", Kind::SmoothToggleButton, nullptr, "3 letters code", 394, 46, 189, 42, kSmooth, true},
    ControlDesign{"BtnSelectedText", Kind::SmoothToggleButton, nullptr, "Selected text", 587, 47, 189, 42, kSmooth, true},
    ControlDesign{"Mitochondrial", Kind::SmoothToggleButton, nullptr, "Mitochondrial", 780, 47, 189, 42, kSmooth, true},
    ControlDesign{"ButtonCERRAR", Kind::SmoothToggleButton, nullptr, "Close", 977, 1, 242, 42, kSmooth, true},
    ControlDesign{"ButtonPRINT", Kind::SmoothToggleButton, nullptr, "Print", 977, 46, 242, 42, kSmooth, true},
    ControlDesign{"ButtonGeneticCode", Kind::SmoothToggleButton, nullptr, "Genetic code", 977, 98, 242, 42, kSmooth, true},
    ControlDesign{"ButtonEDITAR", Kind::SmoothToggleButton, nullptr, "Edit sequence", 977, 146, 242, 42, kSmooth, true},

    ControlDesign{"TimerProgressBar", Kind::Timer, nullptr, "", 0, 0, 0, 0, kWindow, false, "interval=1000"},
    ControlDesign{"OpenDialog1", Kind::Component, nullptr, "", 0, 0, 0, 0, kWindow, false},
    ControlDesign{"FindDialog1", Kind::FindDialog, nullptr, "", 0, 0, 0, 0, kWindow, false},
    ControlDesign{"PrintDialog1", Kind::Component, nullptr, "", 0, 0, 0, 0, kWindow, false},
};

constexpr std::array<const char*, 11> kHelpEnglish = {
    "HELP FOR THIS FORM",
    "-",
    "1-OPEN one Sequence",
    "2-Translate the nucleotide Sequence in either the 3 or 1 letter aminoacid code",
    "Alternatively, select part of the sequence with the mouse and press the SELECTED TEXT button",
    "",
    "AFTER TRANSLATION",
    "-You may DISPLAY ONLY one of the three frames",
    "-Label stop o methinonie codons",
    "-Display results in one GRAPH ",
    "-Look for the Open Reading Frame (ORF)",
};

constexpr std::array<const char*, 11> kHelpSpanish = {
    "Ayuda para esta página",
    "-",
    "1-ABRIR, escribir, o pegar una secuencia",
    "2-TRADUCIR la secuencia de nucleótidos en el código de aminoácidos de 1 o 3 letras",
    "Alternativamente, seleccione con el ratón parte de la secuencia y apriete el botón TEXTO SELECCIONADO",
    "",
    "Tras la traducción:",
    "-Apretando los botones, mostrar solo uno de los marcos de lectura",
    "-Marcar codones stop o que codifican metionina",
    "-Mostrar los resultados en una gráfica",
    "-Buscar marcos de lectura abiertos (ORF)",
};

constexpr std::array kPopupEnglishItems = {
    MenuItemDesign{"Cut3", "Cut", "Ctrl+X"},
    MenuItemDesign{"Copy3", "Copy", "Ctrl+C"},
    MenuItemDesign{"Paste3", "Paste", "Ctrl+V"},
    MenuItemDesign{"SelectAll3", "Select All", "Ctrl+A"},
};

constexpr std::array kPopupSpanishItems = {
    MenuItemDesign{"MenuItem1", "Cortar", "Ctrl+X"},
    MenuItemDesign{"MenuItem2", "Copiar", "Ctrl+C"},
    MenuItemDesign{"MenuItem3", "Pegar", "Ctrl+V"},
    MenuItemDesign{"MenuItem4", "Seleccionar todo", "Ctrl+A"},
};

constexpr std::array kCaptionTable = {
    CaptionDesign{nullptr, "Translation", "Traducción"},
    CaptionDesign{"Cabecera", "Translation", "Traducción"},
    CaptionDesign{"AdvSmoothLabel5", "Display", "Mostrar"},
    CaptionDesign{"ButtonCERRAR", "Close", "Cerrar"},
    CaptionDesign{"ButtonABRIR", "Open", "Abrir"},
    CaptionDesign{"ButtonPRINT", "Print", "Imprimir"},
    CaptionDesign{"Btn1LetterCode", "1 letter code", "Código 1 letra"},
    CaptionDesign{"Btn3LetterCode", "3 letters code", "Código 3 letras"},
    CaptionDesign{"BtnSelectedText", "Selected text", "Texto seleccionado"},
    CaptionDesign{"Mitochondrial", "Mitochondrial", "Mitocondrial"},
    CaptionDesign{"BitOPENFILE", "File BXL", "Archivo BXL"},
    CaptionDesign{"ButtonGeneticCode", "Genetic code", "Código genético"},
    CaptionDesign{"ButtonEDITAR", "Edit sequence", "EditarSecuencia"},
    CaptionDesign{"BtnRevCom", "Reverse & Complementary", "Reversa y Complementaria"},
    CaptionDesign{"BtnReversa", "Reverse", "Reversa"},
    CaptionDesign{"BtnComplementaria", "Complementary", "Complementaria"},
    CaptionDesign{"AdvSmoothButton16", "Delete other characters", "Eliminar otros caracteres"},
    CaptionDesign{"AdvSmoothButton8", "Find", "Buscar"},
    CaptionDesign{"AdvSmoothButton1", "Delete data", "Borrar datos"},
    CaptionDesign{"BtnVertebrate", "Vertebrate", "Vertebrados"},
    CaptionDesign{"BtnMus", "Mus", "Ratón"},
    CaptionDesign{"BitGraphic", "Graph", "Gráfica"},
    CaptionDesign{"BitOpenORF", "Reading frame", "Marco Lectura"},
    CaptionDesign{"Button11", "Frame 1 only", "Solo marco 1"},
    CaptionDesign{"Button12", "Frame 2 only", "Solo marco 2"},
    CaptionDesign{"Button13", "Frame 3 only", "Solo marco 3"},
    CaptionDesign{"BtnLabelStops", "Label stop", "Marcar stop"},
    CaptionDesign{"BtnLabelMet", "Label Met", "Marcar Metionina"},
    CaptionDesign{"BtnSeQExample", "Sequence Example", "Secuencia Ejemplo"},
    CaptionDesign{"Label2", "* stop codon", "* Codón stop"},
};

constexpr std::array kHintTable = {
    HintDesign{"BitOpenORF", "Display open rading frames"},
    HintDesign{"BitGraphic", "Display graph after translation"},
};

}  // namespace

const std::span<const ControlDesign> kControls = kControlTable;

const MessageDesign kSequenceEmpty{"BeXalo", "The sequence is empty. Load, write or paste one sequence",
                                   "La secuencia está vacía. Cargue, escriba o pegue una secuencia"};
const MessageDesign kOtherCharacters{
    "BeXalo",
    "BeXalo detected that the text contains characters that are neither nucleotides nor aminoacids. Do you want to "
    "delete other characters than A,G,C,T or U ?",
    "BeXalo detecta que el texto contiene caracteres que no pertenece a un ácido nucleíco o a una proteína. ¿Quiere "
    "borrar caracteres que no son de A,G,C,T or U?"};
const MessageDesign kCannotUse{"Bexalo", "Sorry, this text can not be used in this application",
                               "Lo sentimos pero este texto no puede ser usado en esta aplicación"};
const MessageDesign kProteinDetected{
    "BeXalo", "BeXalo detected that the sequence bay be made up of aminoacids. Do you want to open the protein application?",
    "BeXalo detecta que la secuencia puede ser de aminoácidos. ¿Quiere abrir la aplicación de proteínas?"};
const MessageDesign kWillBeCleared{"BeXalo", "The sequence will be cleared", "La secuencia se borrará"};
const MessageDesign kLoadOneSequence{"BeXalo", "Please, load one sequence"};
const MessageDesign kSelectNucleotides{"BeXalo",
                                       "Please, select nucleotides in the sequence with the mouse and clic the button again"};
const MessageDesign kNoStopFound{"BeXalo", "No stop codon was found in the sequence",
                                  "No se ha encontrado codón de parada en la secuencia"};
const MessageDesign kNoMethionineFound{"BeXalo", "No Methinonine codon was found in the sequence",
                                        "No se ha encontrado codón de Metionina en la secuencia"};
const MessageDesign kRnaToDna{"BeXalo", "The sequence is RNA. Change to DNA?", "La secuencia es ARN. Cambiar a ADN?"};
const MessageDesign kNoComplementOfRna{"BeXalo", "There is no complementary sequence to RNA",
                                       "No hay secuencia complementaria de un ARN"};
const MessageDesign kAllNucleotides{"BeXalo", "All characters in the sequence are nucleotides",
                                    "Todos los caracteres de la secuencia son nucleótidos"};
const MessageDesign kCharactersRemoved{"BeXalo",
                                       "The sequence had %1 characters without nucleotide code in it and were removed",
                                       "La secuencia tenía %1 caracteres sin código de nuleótidos y han sido eliminados"};
const MessageDesign kEndOfDocument{"Find", "End of Document Reached!"};
const MessageDesign kTranslateFirstForGraph{"BeXalo", "Please, first translate one nucleotide sequence"};
const MessageDesign kTranslateFirstForOrf{"BeXalo", "Please, first translate the sequence"};
const MessageDesign kNoPrinter{"BeXalo",
                               "No printer is installed. The print dialog can still save the translation as a PDF file.",
                               "No hay ninguna impresora instalada. El diálogo de impresión puede guardar la traducción "
                               "como archivo PDF."};
const MessageDesign kLongPrintout{"BeXalo", "This printout has %1 pages. Print it?",
                                  "Esta impresión tiene %1 páginas. ¿Imprimirla?"};
const MessageDesign kFileProblem{"BeXalo", "%1: %2"};
const MessageDesign kCannotReadFile{"BeXalo", "The file %1 cannot be read: %2", "No se puede leer el archivo %1: %2"};
const MessageDesign kNotRegularFile{"BeXalo", "%1: not a regular file", "%1: no es un archivo normal"};
const MessageDesign kReadError{"BeXalo", "%1: read error: %2", "%1: error de lectura: %2"};
const MessageDesign kNoSequenceInFile{"BeXalo", "%1 holds no sequence", "%1 no contiene ninguna secuencia"};
const MessageDesign kFileNeedsMoreMemory{
    "BeXalo", "%1: working on this file needs about %2 MB of memory, and %3 MB are available",
    "%1: trabajar con este archivo necesita unos %2 MB de memoria, y hay %3 MB disponibles"};
const MessageDesign kFileSequenceTooLong{
    "BeXalo", "%1: its sequence may have up to %2 bases, and a sequence can have at most %3",
    "%1: su secuencia puede tener hasta %2 bases, y una secuencia puede tener como máximo %3"};
const MainMenuDesign kMainMenuEnglish{"MainMenu1", "Help", kHelpEnglish};
const MainMenuDesign kMainMenuSpanish{"MainMenuEs", "Ayuda", kHelpSpanish};
const PopupMenuDesign kPopupEnglish{"PopupMenu1", kPopupEnglishItems};
const PopupMenuDesign kPopupSpanish{"PopupMenuEs", kPopupSpanishItems};
const std::span<const CaptionDesign> kCaptions = kCaptionTable;
const std::span<const HintDesign> kHints = kHintTable;

}  // namespace bxl::ui::form3
