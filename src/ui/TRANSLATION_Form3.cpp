#include "ui/TRANSLATION_Form3.h"

#include <QCloseEvent>
#include <QAbstractButton>
#include <QMenu>
#include <QStyle>

#include "platform/Desktop.h"
#include "platform/Scaling.h"
#include "platform/richtext/FormatRuns.h"
#include "platform/Text8.h"
#include "sequence/Ansi.h"
#include "sequence/ExampleSequence.h"
#include "sequence/Records.h"
#include "sequence/SequenceFile.h"
#include "translation/Display.h"
#include "translation/Pipeline.h"
#include "ui/Controls.h"
#include "ui/FindDialog.h"
#include "ui/Launch.h"
#include "ui/Pictures.h"
#include "ui/ScreenLayout.h"
#include "ui/TRANSLATION_Form3_design.h"

namespace bxl::ui {

TForm3::TForm3(QWidget* parent) : Form(QStringLiteral("TForm3"), parent) {
  using namespace form3;
  setObjectName(QStringLiteral("TForm3"));
  scrollWhenSmaller();
  QFont windowFont(QString::fromLatin1(kWindowFont.family));
  windowFont.setPixelSize(kWindowFont.size);
  setFont(windowFont);
  setWindowTitle(QStringLiteral("Translation"));
  setGeometry(kDesignLeft, kDesignTop, kDesignClientWidth, kDesignClientHeight);
  const HeldText frameTexts[] = {{kFrameHolders[0], &workspace_.frames[0]},
                                 {kFrameHolders[1], &workspace_.frames[1]},
                                 {kFrameHolders[2], &workspace_.frames[2]}};
  build(kControls, frameTexts);
  buildMainMenu(kMainMenuEnglish);
  buildMainMenu(kMainMenuSpanish);
  buildPopupMenu(kPopupEnglish);
  buildPopupMenu(kPopupSpanish);
  ui_ = Form3Controls::find(*this);
  workspace_.attach({ui_.Label1, ui_.Label17, ui_.LabelIdioma, ui_.Edit6, ui_.RichEdit1});
  attachMenu(ui_.MainMenu1);
  ui_.RichEdit1->setPopupMenu(ui_.PopupMenu1);
  ui_.RichEditProt->setPopupMenu(ui_.PopupMenu1);
  for (const HintDesign& hint : kHints)
    control<QWidget>(QString::fromLatin1(hint.control))->setToolTip(QString::fromUtf8(hint.hint));
  ui_.BitEspanol->setIcon(spanishFlag());
  ui_.BitEnglish->setIcon(britishFlag());
  for (QAbstractButton* flag : {ui_.BitEspanol, ui_.BitEnglish}) flag->setIconSize(QSize(26, 17));
  ui_.BitOPENFILE->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  ui_.BitGraphic->setIcon(graphGlyph());
  ui_.BitOpenORF->setIcon(orfGlyph());

  const std::pair<const char*, void (TForm3::*)()> commands[] = {
      {"BtnPANTALLA", &TForm3::BtnPANTALLA},
      {"ButtonIDIOMA", &TForm3::ButtonIDIOMA},
      {"BitEspanol", &TForm3::BitEspanol},
      {"BitEnglish", &TForm3::BitEnglish},
      {"ButtonUpButtons", &TForm3::ButtonUpButtons},
      {"ButtonUpPanelOut", &TForm3::ButtonUpPanelOut},
      {"BtnBorrarPaneles", &TForm3::BtnBorrarPaneles},
      {"TimerProgressBar", &TForm3::TimerProgressBarTimer},
      {"TipoSecuencia", &TForm3::TipoSecuencia},
      {"BtnSequenceEmpty", &TForm3::BtnSequenceEmpty},
      {"BtnClear", &TForm3::BtnClear},
      {"AdvSmoothButton1", &TForm3::BtnClear},
      {"ButtonABRIR", &TForm3::ButtonABRIR},
      {"BtnSeQExample", &TForm3::BtnSeQExample},
      {"ButtonEDITAR", &TForm3::ButtonEDITAR},
      {"BtnSelectedText", &TForm3::BtnSelectedText},
      {"BitOPENFILE", &TForm3::BitOPENFILE},
      {"BtnFuncionTraducir", &TForm3::BtnFuncionTraducir},
      {"Btn1LetterCode", &TForm3::Btn1LetterCode},
      {"Btn3LetterCode", &TForm3::Btn3LetterCode},
      {"ButtonESCRIBIRENRE1", &TForm3::ButtonESCRIBIRENRE1},
      {"Mitochondrial", &TForm3::Mitochondrial},
      {"BtnVertebrate", &TForm3::BtnVertebrate},
      {"BtnMus", &TForm3::BtnMus},
      {"Button11", &TForm3::Button11},
      {"Button12", &TForm3::Button12},
      {"Button13", &TForm3::Button13},
      {"Button5", &TForm3::Button5},
      {"BtnLabelStops", &TForm3::BtnLabelStops},
      {"BtnLabelMet", &TForm3::BtnLabelMet},
      {"AdvSmoothButton2", &TForm3::AdvSmoothButton2},
      {"BtnComplementaria", &TForm3::BtnComplementaria},
      {"BtnReversa", &TForm3::BtnReversa},
      {"BtnRevCom", &TForm3::BtnRevCom},
      {"AdvSmoothButton16", &TForm3::AdvSmoothButton16},
      {"AdvSmoothButton8", &TForm3::AdvSmoothButton8},
      {"Cut3", &TForm3::Cut3},
      {"Copy3", &TForm3::Copy3},
      {"Paste3", &TForm3::Paste3},
      {"SelectAll3", &TForm3::SelectAll3},
      {"MenuItem1", &TForm3::Cut3},
      {"MenuItem2", &TForm3::Copy3},
      {"MenuItem3", &TForm3::Paste3},
      {"MenuItem4", &TForm3::SelectAll3},
      {"BitGraphic", &TForm3::BitGraphic},
      {"BitOpenORF", &TForm3::BitOpenORF},
      {"ButtonGeneticCode", &TForm3::ButtonGeneticCode},
      {"ButtonCERRAR", &TForm3::ButtonCERRAR},
      {"ButtonPRINT", &TForm3::ButtonPRINT},
  };
  for (const auto& [name, method] : commands) bindCommand(QString::fromLatin1(name), [this, method] { (this->*method)(); });

  ui_.FindDialog1->onFind = [this] { runGuarded([this] { FindDialog1Find(); }); };
  connect(ui_.PopupMenu1, &QMenu::aboutToShow, this, &TForm3::popupMenuOpening);
  connect(ui_.PopupMenu1, &QMenu::aboutToHide, this, &TForm3::popupMenuClosed);

  runGuarded([this] { FormCreate(); });
}

bool TForm3::refuseEmptyEditor(SmoothToggleButton* toggle) {
  if (ui_.RichEdit1->length() > 0) return false;
  BtnSequenceEmpty();
  if (toggle) toggle->setChecked(false);
  return true;
}

bool TForm3::classifyEditor() {
  workspace_.SecuenciaTrabajo = platform::toAnsi(ui_.RichEdit1->text());
  TipoSecuencia();
  return workspace_.DatosSecuencia.Tipo == 'N';
}

void TForm3::showDisplay(const Display& written) {
  platform::RichEdit* display = ui_.RichEditProt;
  display->setText(platform::fromAnsi(written.text));
  displayLinesPerBlock_ = written.linesPerBlock;
  ProgressBar* progress = ui_.ProgressBar1;
  progress->setValue(int(std::min<std::size_t>(100, std::size_t(progress->value()) + 10 * written.blocks)));
  display->setSelection(0, 0);
  ui_.Label2->setVisible(true);
}

void TForm3::framesReplaced() {
  for (platform::RichEdit* holder : {ui_.RichEdit2, ui_.RichEdit3, ui_.RichEdit4}) holder->setSelection(0, 0);
}

void TForm3::FormCreate() { BtnPANTALLA(); }

void TForm3::BtnPANTALLA() {
  const QSize screen = platform::desktop().screenSize();
  const int w = screen.width();
  scaleForScreen(*this, screen);
  for (QWidget* button : {ui_.ButtonCERRAR, ui_.ButtonPRINT, ui_.ButtonGeneticCode, ui_.ButtonEDITAR})
    button->move(w - button->width() - 10, button->y());
  QWidget* close = ui_.ButtonCERRAR;
  QWidget* column = ui_.Panel20;
  column->resize(close->width(), column->height());
  ui_.BtnSeQExample->move(close->x() - ui_.BtnSeQExample->width(), ui_.BtnSeQExample->y());
  column->setGeometry(w - column->width() - 10, column->y(), column->width(), screen.height());
  ui_.Panel2->move(close->x(), ui_.Panel2->y());
  ui_.Cabecera->resize(w, ui_.Cabecera->height());
  ui_.Panel2->setVisible(false);
  ui_.Label2->setVisible(false);
  ui_.Panel8->move(ui_.ButtonEDITAR->x() - ui_.Panel8->width(), ui_.Panel8->y());
  ui_.Bevel1->resize(w, ui_.Bevel1->height());
  placeLegend();
  setClientExtent(laidOutSize());
  ui_.LabelIdioma->setText(QStringLiteral("En"));
  ButtonIDIOMA();
}

void TForm3::placeLegend() {
  // Under the display, at its left edge: the design leaves the display short
  // enough for the legend to fit below it, so the legend covers no line.
  const QRect display = ui_.RichEditProt->view()->geometry();
  ui_.Label2->adjustSize();
  ui_.Label2->move(display.left(), display.bottom() + 1 + form3::kLegendGap);
}

QSize TForm3::laidOutSize() const {
  // The right-hand column is as tall as the screen, so what counts there is
  // its lowest button; the panel of internal commands is never shown.
  QRect extent;
  for (QWidget* control : client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!platform::isControl(control) || control == ui_.Panel9) continue;
    extent |= control == ui_.Panel20 ? control->childrenRect().translated(control->pos()) : control->geometry();
  }
  return {extent.right() + 1, extent.bottom() + 1};
}

void TForm3::ButtonIDIOMA() {
  const QString language = workspace_.language();
  if (language == QLatin1String("Es"))
    BitEspanol();
  else if (language == QLatin1String("En"))
    BitEnglish();
}

void TForm3::BitEspanol() { applyLanguage(true); }

void TForm3::BitEnglish() { applyLanguage(false); }

void TForm3::applyLanguage(bool toSpanish) {
  using namespace form3;
  ui_.LabelIdioma->setText(toSpanish ? QStringLiteral("Es") : QStringLiteral("En"));
  applyCaptions(kCaptions.first(2), toSpanish);
  attachMenu(toSpanish ? ui_.MainMenuEs : ui_.MainMenu1);
  ui_.RichEdit1->setPopupMenu(toSpanish ? ui_.PopupMenuEs : ui_.PopupMenu1);
  applyCaptions(kCaptions.subspan(2), toSpanish);
  QFont selectedFont = ui_.BtnSelectedText->font();
  selectedFont.setPointSize(10);
  ui_.BtnSelectedText->setFont(selectedFont);
  fitLabelCaptions();
}

void TForm3::fitLabelCaptions() {
  // On the smallest screens a caption may be wider than its coloured button;
  // its letters then stand a little closer, at the same size, so it stays whole.
  constexpr int kBorder = 1;  // the style sheet's border of plain buttons; they have no side padding
  for (Button* button : {ui_.BtnLabelStops, ui_.BtnLabelMet}) {
    QFont font = button->font();
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    const int room = button->width() - 2 * kBorder;
    const int needed = QFontMetrics(font).horizontalAdvance(button->text());
    if (needed > room) font.setLetterSpacing(QFont::PercentageSpacing, std::max(75.0, 100.0 * room / needed));
    button->setFont(font);
  }
}

void TForm3::ButtonUpButtons() {
  ui_.Panel1->setVisible(false);
  ui_.AdvSmoothLabel7->setVisible(false);
  for (platform::RichEdit* edit : {ui_.RichEditProt, ui_.RichEdit2, ui_.RichEdit3, ui_.RichEdit4}) edit->setText(QString());
  for (SmoothToggleButton* toggle : findChildren<SmoothToggleButton*>()) toggle->setChecked(false);
}

void TForm3::ButtonUpPanelOut() {
  for (QWidget* panel : {ui_.Panel1, ui_.Panel2, ui_.Panel5, ui_.Panel8}) panel->setVisible(false);
  for (SmoothToggleButton* toggle :
       {ui_.Btn1LetterCode, ui_.ButtonABRIR, ui_.Btn3LetterCode, ui_.Mitochondrial, ui_.BtnSelectedText, ui_.ButtonEDITAR})
    toggle->setChecked(false);
}

void TForm3::BtnBorrarPaneles() {
  ui_.Panel5->setVisible(false);
  ui_.Panel8->setVisible(false);
}

void TForm3::TimerProgressBarTimer() {
  ProgressBar* bar = ui_.ProgressBar1;
  bar->setVisible(true);
  bar->setValue(bar->value() + 5);
  if (bar->value() == 100) bar->setValue(10);
}

// --- Sequence input and checks ----------------------------------------------

void TForm3::TipoSecuencia() {
  platform::RichEdit* editor = ui_.RichEdit1;
  if (editor->length() == 0) return;
  workspace_.DatosSecuencia.Clasificar(workspace_.SecuenciaTrabajo);
  switch (workspace_.DatosSecuencia.Tipo) {
    case 'X': {
      markUnusableCharacters();
      if (showMessage(form3::kOtherCharacters, platform::Buttons::YesNo) != platform::Answer::Yes) {
        showMessage(form3::kCannotUse);
        break;
      }
      const std::string filtered = workspace_.DatosSecuencia.FiltrarNucleotidos(workspace_.SecuenciaTrabajo);
      workspace_.DatosSecuencia.Clasificar(filtered);
      if (classifyingSelection_) {
        // Only the selected stretch is cleaned; the rest of the sequence stays.
        const qsizetype start = editor->selStart();
        editor->replaceSelection(platform::fromAnsi(filtered));
        editor->setSelection(start, qsizetype(filtered.size()));
      } else {
        editor->setText(platform::fromAnsi(filtered));
      }
      break;
    }
    case 'A':
    case 'B':
      showMessage(form3::kProteinDetected);
      showMessage(form3::kCannotUse);
      break;
    default:
      break;
  }
}

void TForm3::markUnusableCharacters() {
  platform::RichEdit* editor = ui_.RichEdit1;
  // One byte per editor position (line ends as one "\n", each half of a
  // surrogate pair on its own), so text positions are editor positions.
  const QString text = editor->plainText();
  std::string bytes(std::size_t(text.size()), kUnmappable);
  for (qsizetype i = 0; i < text.size(); ++i)
    if (!text[i].isSurrogate()) bytes[std::size_t(i)] = unicodeToAnsi(text[i].unicode());
  std::vector<platform::FormatRun> marks;
  for (std::size_t position : unusablePositions(bytes)) {
    platform::CharFormat format = editor->formatAt(qsizetype(position));
    format.color = QColor(255, 0, 0);
    platform::appendFormatRun(marks, {qsizetype(position), 1, format});
  }
  editor->applyFormats(marks);
}

void TForm3::BtnSequenceEmpty() { showMessage(form3::kSequenceEmpty); }

void TForm3::BtnClear() {
  if (ui_.RichEdit1->length() == 0 || !agreesToClear()) return;
  clearWorkspace();
}

bool TForm3::agreesToClear() {
  if (showMessage(form3::kWillBeCleared, platform::Buttons::YesNo) == platform::Answer::Yes) return true;
  ui_.RichEdit1->view()->setFocus();
  return false;
}

void TForm3::clearWorkspace() {
  ui_.ListBox1->setItems(QStringList(ui_.ListBox1->count(), QStringLiteral(" ")));
  for (SmoothToggleButton* toggle : findChildren<SmoothToggleButton*>()) toggle->setChecked(false);
  for (platform::RichEdit* edit : {ui_.RichEditProt, ui_.RichEdit2, ui_.RichEdit3, ui_.RichEdit4}) edit->setText(QString());
  setCaptionOf(ui_.AdvSmoothLabel7, QString());
  ui_.RichEdit1->setText(QString());
  ui_.Panel8->setVisible(false);
}

void TForm3::ButtonABRIR() {
  if (!ui_.ButtonABRIR->isChecked()) {
    ui_.Panel1->setVisible(false);
    return;
  }
  ui_.Panel1->setVisible(true);
  for (SmoothToggleButton* toggle : {ui_.Btn1LetterCode, ui_.Btn3LetterCode, ui_.BtnSelectedText}) toggle->setChecked(false);
}

void TForm3::BtnSeQExample() {
  ui_.RichEdit1->setText(platform::fromAnsi(exampleSequence()));
  ui_.ButtonABRIR->setChecked(false);
  ui_.Panel1->setVisible(false);
}

void TForm3::ButtonEDITAR() {
  if (ui_.RichEdit1->length() == 0) {
    showMessage(form3::kLoadOneSequence);
    return;
  }
  if (ui_.Panel8->isVisibleTo(client())) {
    ui_.ButtonEDITAR->setChecked(false);
    ui_.Panel8->setVisible(false);
    return;
  }
  ui_.ButtonEDITAR->setChecked(true);
  ui_.Panel8->setVisible(true);
  ui_.Mitochondrial->setChecked(false);
  ui_.Panel5->setVisible(false);
}

void TForm3::BtnSelectedText() {
  if (refuseEmptyEditor(ui_.BtnSelectedText)) return;
  platform::RichEdit* editor = ui_.RichEdit1;
  if (editor->selLength() == 0) {
    showMessage(form3::kSelectNucleotides);
    ui_.BtnSelectedText->setChecked(false);
    return;
  }
  ButtonUpPanelOut();
  ui_.BtnSelectedText->setChecked(true);
  workspace_.SecuenciaTrabajo = platform::toAnsi(editor->selectedText());
  classifyingSelection_ = true;
  TipoSecuencia();
  classifyingSelection_ = false;
  if (workspace_.DatosSecuencia.Tipo != 'N') return;
  setCaptionOf(ui_.Label17, QStringLiteral("All"));
  ui_.RichEditProt->view()->setVisible(true);
  showResultTitle(QStringLiteral("Selected sequence"));
  setCaptionOf(ui_.Label1, QStringLiteral("1Code"));
  translateAndShow(platform::toAnsi(editor->selectedText()), TranslationCode::Standard, LetterMode::One);
  ui_.ProgressBar1->setValue(100);
  BtnBorrarPaneles();
  ui_.ProgressBar1->setVisible(false);
}

namespace {

struct FileRefusal {
  const MessageDesign* message;
  QStringList arguments;  // after the file's path
};

// Why an opened file is not loaded, or nothing when it is. Every refusal
// comes before the clearing question, so the editor keeps its text.
std::optional<FileRefusal> refusalOf(const OpenedSequenceFile& opened, const QString& problem) {
  using Failure = OpenedSequenceFile::Failure;
  constexpr std::uint64_t kMegabyte = 1'000'000;
  switch (opened.failure) {
    case Failure::None: break;
    case Failure::NotRegularFile: return FileRefusal{&form3::kNotRegularFile, {}};
    case Failure::Unreadable: return FileRefusal{&form3::kCannotReadFile, {QString::fromLocal8Bit(opened.reason)}};
    case Failure::ReadError: return FileRefusal{&form3::kReadError, {QString::fromLocal8Bit(opened.reason)}};
    case Failure::TooLarge:
      return FileRefusal{&form3::kFileNeedsMoreMemory, {QString::number((opened.needed + kMegabyte - 1) / kMegabyte),
                                                        QString::number(opened.available / kMegabyte)}};
    case Failure::TooLong:
      return FileRefusal{&form3::kFileSequenceTooLong, {QString::number(opened.needed), QString::number(opened.available)}};
  }
  const SequenceFile& document = opened.document;
  if (document.problem == SequenceFile::Problem::NoSequence && document.records <= 1)
    return FileRefusal{&form3::kNoSequenceInFile, {}};
  // Refused by the reader, or a protein document.
  if (document.kind != SequenceFile::Kind::Sequence) return FileRefusal{&form3::kFileProblem, {problem}};
  return std::nullopt;
}

}  // namespace

void TForm3::BitOPENFILE() {
  const auto path = platform::desktop().openFile(this, QString::fromLatin1(form3::kFileFilter), QStringLiteral("BXL"));
  if (!path) return;
  // Read and check the whole file before anything the user has is touched.
  const OpenedSequenceFile opened = openSequenceFile(path->toStdString());
  const SequenceFile& document = opened.document;
  const QString problem = platform::fromAnsi(sequenceFileMessage(document, spanish() ? "Es" : "En"));
  if (const auto refusal = refusalOf(opened, problem)) {
    showMessage(*refusal->message, platform::Buttons::Ok, QStringList{*path} + refusal->arguments);
    return;
  }
  // The sequence in the editor is replaced only when the user agrees; a No
  // keeps the window exactly as it was. Over an empty editor there is nothing
  // to clear, so the editing panel and the result title stay as they are.
  platform::RichEdit* editor = ui_.RichEdit1;
  const bool clearing = editor->length() > 0;
  if (clearing && !agreesToClear()) return;

  ui_.Panel1->setVisible(false);
  ButtonUpButtons();
  ui_.Label2->setVisible(false);
  if (clearing) clearWorkspace();
  ui_.Edit6->setText(*path);
  ui_.Edit6->setVisible(true);
  QStringList lines;
  lines.reserve(qsizetype(document.lines.size()));
  for (const std::string& line : document.lines) lines << platform::fromAnsi(line);
  ui_.ListBox1->setItems(lines);

  if (platform::desktop().screenSize().width() == 800) {
    QWidget* view = editor->view();
    view->resize(500, view->height());
  }
  editor->setText(platform::fromAnsi(document.text));
  editor->applyFormats(platform::formatRunsOf(document.runs));
  // A bad formatting record or a record file of several records: say what
  // happened to the file.
  if (document.problem == SequenceFile::Problem::BadRecord)
    showMessage(form3::kFileProblem, platform::Buttons::Ok, {*path, problem});
  else if (!problem.isEmpty())
    platform::desktop().message(this, QStringLiteral("BeXalo"), problem, platform::Buttons::Ok);
  // After a bad record the text is left as loaded, unclassified, as the
  // reading stopped there; otherwise it is checked like any new sequence.
  if (document.problem != SequenceFile::Problem::BadRecord) {
    workspace_.SecuenciaTrabajo = platform::toAnsi(editor->text());
    TipoSecuencia();
  }
  editor->setSelection(0, 0);
  // What the user types next is black, whatever colour the document starts with.
  platform::CharFormat typing = editor->formatAt(0);
  typing.color = QColor(Qt::black);
  editor->setSelectionFormat(typing);
  ui_.ButtonABRIR->setChecked(false);
}

// --- Translation --------------------------------------------------------------

void TForm3::showResultTitle(const QString& title) {
  setCaptionOf(ui_.AdvSmoothLabel7, title);
  ui_.AdvSmoothLabel7->setVisible(true);
}

void TForm3::caretToStartOfResults() {
  for (platform::RichEdit* edit : {ui_.RichEditProt, ui_.RichEdit2, ui_.RichEdit3, ui_.RichEdit4}) edit->setSelection(0, 0);
}

void TForm3::BtnFuncionTraducir() {
  translateWorkingSequence(workspace_);
  framesReplaced();
}

void TForm3::translateAndShow(std::string_view text, TranslationCode code, LetterMode letters) {
  const Display display = translateText(workspace_, text, code, letters);
  framesReplaced();
  showAllFrames(display);
}

void TForm3::Btn1LetterCode() {
  if (refuseEmptyEditor(ui_.Btn1LetterCode)) return;
  platform::RichEdit* editor = ui_.RichEdit1;
  if (classifyEditor()) {
    ui_.RichEditProt->view()->setVisible(true);
    setCaptionOf(ui_.Label17, QStringLiteral("All"));
    ButtonUpPanelOut();
    ui_.Btn1LetterCode->setChecked(true);
    setCaptionOf(ui_.Label1, QStringLiteral("1Code"));
    showResultTitle(QStringLiteral("1 letter code"));
    translateAndShow(platform::toAnsi(editor->text()), TranslationCode::Standard, LetterMode::One);
  }
  caretToStartOfResults();
}

void TForm3::Btn3LetterCode() {
  platform::RichEdit* editor = ui_.RichEdit1;
  if (!refuseEmptyEditor(ui_.Btn3LetterCode)) {
    if (classifyEditor()) {
      setCaptionOf(ui_.Label17, QStringLiteral("All"));
      ui_.RichEditProt->view()->setVisible(true);
      showResultTitle(QStringLiteral("3 letters code"));
      setCaptionOf(ui_.Label1, QStringLiteral("3Code"));
      ButtonUpPanelOut();
      ui_.Btn3LetterCode->setChecked(true);
      translateAndShow(platform::toAnsi(editor->text()), TranslationCode::Standard, LetterMode::Three);
    }
  }
  ui_.ProgressBar1->setVisible(false);
}

void TForm3::ButtonESCRIBIRENRE1() { showAllFrames(writeAllFramesDisplay(workspace_)); }

void TForm3::showAllFrames(const Display& written) {
  BtnBorrarPaneles();
  ui_.Panel2->setVisible(true);
  showDisplay(written);
}

void TForm3::Mitochondrial() {
  if (refuseEmptyEditor(ui_.Mitochondrial)) return;
  if (!classifyEditor()) {
    ui_.Mitochondrial->setChecked(false);
    return;
  }
  ButtonUpPanelOut();
  ui_.Mitochondrial->setChecked(true);
  ui_.Panel5->setVisible(true);
}

struct TForm3::MitochondrialCommand {
  TranslationCode code;
  const char* title;
  bool showsProgress;  // the mouse code runs the progress timer
};

void TForm3::BtnVertebrate() {
  translateMitochondrial({TranslationCode::VertebrateMitochondrial, "Mitochondria. Vertebrate. 1 letter code", false});
}

void TForm3::BtnMus() {
  translateMitochondrial({TranslationCode::MouseMitochondrial, "Mitochondria. Mus.  1 letter code", true});
}

void TForm3::translateMitochondrial(const MitochondrialCommand& command) {
  setCaptionOf(ui_.Label17, QStringLiteral("All"));
  ui_.RichEditProt->view()->setVisible(true);
  showResultTitle(QString::fromLatin1(command.title));
  if (command.showsProgress) {
    ui_.TimerProgressBar->setEnabled(true);
    ui_.ProgressBar1->setValue(10);
  }
  setCaptionOf(ui_.Label1, QStringLiteral("1Code"));
  translateAndShow(platform::toAnsi(ui_.RichEdit1->text()), command.code, LetterMode::One);
  ui_.ProgressBar1->setVisible(false);
  if (command.showsProgress) ui_.TimerProgressBar->setEnabled(false);
  caretToStartOfResults();
}

// --- Display -------------------------------------------------------------------

// The three one-frame displays: the frame holder read and the numbering rule
// follow from the frame.
void TForm3::showOneFrame(int frame) {
  static constexpr DisplayKind kKinds[] = {DisplayKind::Frame1Only, DisplayKind::Frame2Only, DisplayKind::Frame3Only};
  BtnBorrarPaneles();
  ui_.Panel2->setVisible(true);
  const std::string nucleotides = workspace_.DatosSecuencia.FiltrarNucleotidos(platform::toAnsi(ui_.RichEdit1->text()));
  FrameTexts frames;
  frames[std::size_t(frame)] = workspace_.frames[std::size_t(frame)];
  showDisplay(writeDisplay(kKinds[frame], nucleotides, frames));
}

void TForm3::Button11() { showOneFrame(0); }
void TForm3::Button12() { showOneFrame(1); }
void TForm3::Button13() { showOneFrame(2); }

void TForm3::Button5() {
  setCaptionOf(ui_.Label17, QStringLiteral("All"));
  ButtonESCRIBIRENRE1();
}

// --- Codon labelling ------------------------------------------------------------

namespace {
const QColor kStopColor(255, 0, 0);
const QColor kMethionineColor(0, 128, 0);
}  // namespace

std::optional<QString> TForm3::methioninePattern() const {
  const QString mode = workspace_.letterCode();
  if (mode == QLatin1String("1Code")) return QStringLiteral("M");
  if (mode == QLatin1String("3Code")) return QStringLiteral("Met");
  // Before the first translation there is no code to look for methionines in.
  return std::nullopt;
}

void TForm3::clearMarks() {
  platform::RichEdit* display = ui_.RichEditProt;
  std::vector<platform::FormatRun> neutral = display->formatRuns();
  for (platform::FormatRun& run : neutral) {
    run.format.color = QColor(Qt::black);
    run.format.bold = run.format.underline = false;
  }
  display->applyFormats(neutral);
}

std::size_t TForm3::markInDisplay(const QString& pattern, const QColor& color) {
  const std::size_t found = platform::markMatches(*ui_.RichEditProt, pattern, color);
  ui_.RichEditProt->setSelection(0, 0);
  return found;
}

void TForm3::BtnLabelStops() {
  if (ui_.RichEditProt->length() == 0) return;
  clearMarks();
  if (markInDisplay(QStringLiteral("*"), kStopColor) == 0) showMessage(form3::kNoStopFound);
}

void TForm3::BtnLabelMet() {
  if (ui_.RichEditProt->length() == 0) return;
  clearMarks();
  const auto pattern = methioninePattern();
  if (!pattern || markInDisplay(*pattern, kMethionineColor) == 0) showMessage(form3::kNoMethionineFound);
}

void TForm3::AdvSmoothButton2() {
  if (ui_.RichEditProt->length() == 0) return;
  clearMarks();
  markInDisplay(QStringLiteral("*"), kStopColor);
  if (const auto pattern = methioninePattern()) markInDisplay(*pattern, kMethionineColor);
}

// --- Strand operations ------------------------------------------------------------

void TForm3::toggleStatus(QLabel* status, const QString& caption) {
  const bool same = status->text() == caption;
  status->setText(same ? QString() : caption);
  status->setVisible(!same);
}

void TForm3::BtnComplementaria() {
  if (refuseEmptyEditor(nullptr) || !classifyEditor()) return;
  platform::RichEdit* editor = ui_.RichEdit1;
  std::string text = platform::toAnsi(editor->text());
  if (workspace_.DatosSecuencia.Hebra == '2') {
    if (showMessage(form3::kRnaToDna, platform::Buttons::YesNo) == platform::Answer::Yes) {
      text = workspace_.DatosSecuencia.ARNaADN(text);
      editor->setText(platform::fromAnsi(text));
    } else {
      showMessage(form3::kNoComplementOfRna);
    }
  }
  if (workspace_.DatosSecuencia.Hebra == '1') {
    editor->setText(platform::fromAnsi(workspace_.DatosSecuencia.Complementar(text)));
    toggleStatus(ui_.AdvSmoothLabel7, QStringLiteral("Complementary"));
  }
}

void TForm3::BtnReversa() {
  if (!refuseEmptyEditor(nullptr) && classifyEditor()) {
    platform::RichEdit* editor = ui_.RichEdit1;
    // Reversed with single line ends: a reversed CR LF would read as two line breaks.
    editor->setText(platform::fromAnsi(workspace_.DatosSecuencia.Invertir(platform::toAnsi(editor->plainText()))));
    toggleStatus(ui_.AdvSmoothLabel7, QStringLiteral("Reverse"));
  }
  ui_.ButtonEDITAR->setChecked(false);
}

void TForm3::BtnRevCom() {
  if (!refuseEmptyEditor(nullptr) && classifyEditor()) {
    BtnComplementaria();
    BtnReversa();
    toggleStatus(ui_.AdvSmoothLabel3, QStringLiteral("Reverse-Complementary"));
  }
  ui_.ButtonEDITAR->setChecked(false);
}

void TForm3::AdvSmoothButton16() {
  platform::RichEdit* editor = ui_.RichEdit1;
  // Counted as the editor hands the text out: a line break is two characters.
  const std::string text = platform::toAnsi(editor->text());
  const std::string filtered = workspace_.DatosSecuencia.FiltrarNucleotidos(text);
  if (text.size() == filtered.size()) {
    showMessage(form3::kAllNucleotides);
  } else {
    editor->setText(platform::fromAnsi(filtered));
    showMessage(form3::kCharactersRemoved, platform::Buttons::Ok, {QString::number(text.size() - filtered.size())});
  }
  ui_.Panel8->setVisible(false);
  ui_.ButtonEDITAR->setChecked(false);
}

// --- Find and clipboard -------------------------------------------------------------

void TForm3::AdvSmoothButton8() {
  platform::RichEdit* editor = ui_.RichEdit1;
  editor->setSelection(0, 0);
  auto* find = ui_.FindDialog1;
  find->setFindText(editor->selectedText());
  find->show();
  ui_.ButtonEDITAR->setChecked(false);
  ui_.Panel8->setVisible(false);
}

void TForm3::FindDialog1Find() {
  platform::RichEdit* editor = ui_.RichEdit1;
  const auto* find = ui_.FindDialog1;
  editor->setKeepSelectionVisible(true);
  const qsizetype from = editor->selStart() + editor->selLength();
  const int options = (find->matchCase() ? platform::FindMatchCase : 0) | (find->wholeWord() ? platform::FindWholeWord : 0);
  const qsizetype at = editor->findText(find->findText(), from, editor->length() - from, options);
  if (at >= 0) editor->setSelection(at, find->findText().size());
  editor->view()->setFocus();
  if (at < 0) {
    showMessage(form3::kEndOfDocument);
    // Back to the very start, so the next search finds a match at position 0 too.
    editor->setSelection(0, 0);
  }
}

bool TForm3::editorHasFocus() const { return ui_.RichEdit1->view()->hasFocus(); }

platform::RichEdit* TForm3::focusedTextSource() const {
  if (editorHasFocus()) return ui_.RichEdit1;
  if (ui_.RichEditProt->view()->hasFocus()) return ui_.RichEditProt;
  return nullptr;
}

void TForm3::popupMenuOpening() {
  // Over the display, which takes no text in, cutting and pasting are offered greyed out.
  const bool overDisplay = ui_.RichEditProt->view()->hasFocus();
  for (QAction* item : {ui_.Cut3, ui_.Paste3}) item->setEnabled(!overDisplay);
}

void TForm3::popupMenuClosed() {
  // The items' shortcuts work through the menu: they must not stay greyed for the editor.
  for (QAction* item : {ui_.Cut3, ui_.Paste3}) item->setEnabled(true);
}

void TForm3::Cut3() {
  if (editorHasFocus()) ui_.RichEdit1->cutToClipboard();
}

// The display's text is copied as plain text, through the rich edit's own
// selection, whatever keeps the display's text.
void TForm3::Copy3() {
  if (platform::RichEdit* source = focusedTextSource()) source->copyToClipboard();
}

void TForm3::SelectAll3() {
  if (platform::RichEdit* source = focusedTextSource()) source->selectAll();
}

void TForm3::Paste3() {
  if (!editorHasFocus()) return;
  ui_.AdvSmoothLabel7->setVisible(false);
  platform::RichEdit* editor = ui_.RichEdit1;
  pasteSequence(platform::desktop().clipboardText());
  workspace_.SecuenciaTrabajo = platform::toAnsi(editor->text());
  TipoSecuencia();
}

void TForm3::pasteSequence(const QString& pasted) {
  platform::RichEdit* editor = ui_.RichEdit1;
  // A FASTA record or a GenBank or EMBL entry gives only its first sequence:
  // the letters of a header or an annotation would become bases otherwise.
  const RecordText records = recogniseRecords(platform::toAnsi(pasted));
  if (records.format == RecordFormat::None) return editor->replaceSelection(pasted);
  editor->replaceSelection(platform::fromAnsi(records.first.sequence));
  const std::string what = recordMessage(records.format, records.records, RecordSource::Paste, spanish() ? "Es" : "En");
  if (!what.empty()) platform::desktop().message(this, QStringLiteral("BeXalo"), platform::fromAnsi(what), platform::Buttons::Ok);
}

// --- Windows and printing -------------------------------------------------------------

void TForm3::BitGraphic() {
  if (refuseEmptyEditor(nullptr)) return;
  const FrameStrings& frames = workspace_.frames;
  if (std::all_of(frames.begin(), frames.end(), [](const std::string& frame) { return frame.empty(); }))
    return void(showMessage(form3::kTranslateFirstForGraph));
  openGraphWindow(workspace_);
}

void TForm3::BitOpenORF() {
  if (refuseEmptyEditor(nullptr)) return;
  const FrameStrings& frames = workspace_.frames;
  if (std::any_of(frames.begin(), frames.end(), [](const std::string& frame) { return frame.empty(); }))
    return void(showMessage(form3::kTranslateFirstForOrf));
  openOrfWindow(workspace_);
}

void TForm3::ButtonGeneticCode() { openGeneticCodeWindow(workspace_); }

void TForm3::ButtonCERRAR() { close(); }

void TForm3::ButtonPRINT() {
  if (!platform::desktop().printerInstalled()) showMessage(form3::kNoPrinter);
  const platform::PrintDialogSetup setup{form3::kPrintFirstPage, form3::kPrintLastPage, true, true};
  if (!platform::desktop().printDialog(this, setup)) return;
  platform::RichEdit* display = ui_.RichEditProt;
  platform::RichEdit* buffer = ui_.RPrint;
  buffer->setText(QString());
  if (display->length() == 0) return;
  const QString indent(8, QLatin1Char(' '));
  QStringList lines = {indent + QStringLiteral("BeXalo-Translation"), QStringLiteral(" "),
                       indent + ui_.Edit6->text(), QStringLiteral(" ")};
  // The header stays on one page, and so does every block of the display.
  std::vector<qsizetype> blocks = {lines.size()};
  for (const QString& line : display->lines()) lines << indent + line;
  if (displayLinesPerBlock_ > 0)
    blocks.insert(blocks.end(), (lines.size() - blocks[0]) / qsizetype(displayLinesPerBlock_), qsizetype(displayLinesPerBlock_));
  buffer->setText(lines.join(QLatin1Char('\n')));
  ui_.ButtonPRINT->setChecked(false);
  const auto inLanguage = [this](const form3::TextInBothLanguages& text) {
    return QString::fromUtf8(spanish() ? text.spanish : text.english);
  };
  const platform::TextPrintout printout{QStringLiteral("Translation"), platform::Orientation::Landscape,
                                        buffer->lines(), buffer->textFont(), std::move(blocks),
                                        inLanguage(form3::kPrintingPage), inLanguage(form3::kPrintCancel)};
  const int pages = platform::desktop().pageCount(printout);
  if (pages > form3::kAskAbovePages &&
      showMessage(form3::kLongPrintout, platform::Buttons::YesNo, {QString::number(pages)}) != platform::Answer::Yes)
    return;
  platform::desktop().printText(printout);
}

void TForm3::closeEvent(QCloseEvent* event) {
  Form::closeEvent(event);
  // The main window takes every other window with it.
  for (Form* other : std::vector<Form*>(openWindows()))
    if (other != this) other->close();
}

}  // namespace bxl::ui
