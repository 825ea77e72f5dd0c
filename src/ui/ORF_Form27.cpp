#include "ui/ORF_Form27.h"

#include <QFontMetrics>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <variant>

#include "platform/Desktop.h"
#include "platform/ScriptText.h"
#include "platform/Text8.h"
#include "ui/ORF_Form27_design.h"
#include "ui/ORF_Form27_map.h"
#include "ui/Pictures.h"
#include "ui/ScreenLayout.h"
#include "ui/StateDump.h"
#include "ui/Workspace.h"

namespace bxl::ui {
namespace {

orf::OrfState& state() { return orf::moduleState(); }

QString fromAnsi(std::string_view text) { return platform::fromAnsi(text); }

// dump-state orf prints every value of the module state, which lives for the
// whole run: texts quoted, numbers plain.
QStringList dumpOrfState() {
  QStringList lines;
  for (const orf::StateField& field : orf::stateFields(state())) {
    const QString value = std::holds_alternative<std::int64_t>(field.value)
                              ? QString::number(std::get<std::int64_t>(field.value))
                              : platform::quoteScriptText(fromAnsi(std::get<std::string_view>(field.value)));
    lines << QStringLiteral("orf.") + QLatin1String(field.name.data(), qsizetype(field.name.size())) +
                 QStringLiteral(" = ") + value;
  }
  return lines;
}
const StateDumpRegistration kOrfStateDump(QStringLiteral("orf"), dumpOrfState);

QStringList qtLines(const std::vector<std::string>& lines) {
  QStringList out;
  out.reserve(qsizetype(lines.size()));
  for (const std::string& line : lines) out << fromAnsi(line);
  return out;
}

// The list's font has a fixed pitch, so the line of the most characters is the
// widest; only that one is measured, however long the list.
int widestLine(const QStringList& lines, const QFont& font) {
  const auto longest = std::max_element(lines.begin(), lines.end(),
                                        [](const QString& a, const QString& b) { return a.size() < b.size(); });
  return longest == lines.end() ? 0 : QFontMetrics(font).horizontalAdvance(*longest);
}

}  // namespace

TForm27::TForm27(const WorkspaceView& workspace, QWidget* parent)
    : Form(QStringLiteral("TForm27"), parent), workspace_(workspace) {
  using namespace form27;
  setObjectName(QStringLiteral("TForm27"));
  // The close command destroys the window; closing it from the title bar does
  // too, as nothing could show it again.
  setAttribute(Qt::WA_DeleteOnClose);
  QFont windowFont(QString::fromLatin1(kWindowFont.family));
  windowFont.setPixelSize(kWindowFont.size);
  setFont(windowFont);
  setWindowTitle(QString::fromLatin1(kCaption));
  setGeometry(kDesignLeft, kDesignTop, kDesignWidth, kDesignHeight);
  const HeldText nucleotides[] = {{kNucleotideHolder, &nucleotideCopy_}};
  build(kControls, nucleotides);
  buildMainMenu(kMainMenuEnglish);
  buildMainMenu(kMainMenuSpanish);
  ui_ = Form27Controls::find(*this);
  attachMenu(ui_.MainMenu1);
  setStyleSheet(QString::fromLatin1(kStyleSheet));
  ui_.ListBox10->setItemHeight(kListItemHeight);
  for (QLabel* caption : {ui_.AdvSmoothLabel5, ui_.AdvSmoothLabel7}) caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (QLabel* header : {ui_.AdvSmoothLabel1, ui_.AdvSmoothLabel2, ui_.AdvSmoothLabel3}) {
    header->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* shadow = new QGraphicsDropShadowEffect(header);
    shadow->setColor(QColor(51, 102, 255));
    shadow->setOffset(5);
    shadow->setBlurRadius(0);
    header->setGraphicsEffect(shadow);
  }
  ui_.ButtonCERRAR->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  ui_.BtnPRINT->setIcon(printerGlyph());
  const std::pair<const char*, void (TForm27::*)()> commands[] = {
      {"ButtonPANTALLA", &TForm27::ButtonPANTALLA},
      {"ButtonIDIOMA", &TForm27::ButtonIDIOMA},
      {"BtnCargaSecuencias", &TForm27::BtnCargaSecuencias},
      {"BtnLargest", &TForm27::BtnLargest},
      {"BtnAll", &TForm27::BtnAll},
      {"BtnGRAM", &TForm27::BtnGRAM},
      {"ButtonNEWGRAPH", &TForm27::ButtonNEWGRAPH},
      {"ButtonLargestin1", &TForm27::ButtonLargestin1},
      {"ButtonLargestin2", &TForm27::ButtonLargestin2},
      {"ButtonLargestin3", &TForm27::ButtonLargestin3},
      {"Button4LargestInAll", &TForm27::Button4LargestInAll},
      {"RadioButton12", &TForm27::Button4LargestInAll},
      {"ButtonALLORFS", &TForm27::ButtonALLORFS},
      {"ButtonGTG", &TForm27::ButtonGTG},
      {"ButtonTTG", &TForm27::ButtonTTG},
      {"ButtonCTG", &TForm27::ButtonCTG},
      {"ButtonATT", &TForm27::ButtonATT},
      {"BtnPRINT", &TForm27::BtnPRINT},
      {"ButtonCERRAR", &TForm27::ButtonCERRAR},
      {"Geneticcodepage1", &TForm27::Geneticcodepage1Click},
  };
  for (const auto& [name, method] : commands) bindCommand(QString::fromLatin1(name), [this, method] { (this->*method)(); });
  // The selectors of the panels, each running its own frame or codon.
  for (int frame = 1; frame <= 3; ++frame) {
    const auto at = std::size_t(frame - 1);
    bindCommand(largestRadios()[at]->objectName(), [this, frame] { largestInFrame(frame); });
    bindCommand(allOrfsRadios()[at]->objectName(), [this, frame] { listFrame(frame); });
    bindCommand(frameBoxes()[at]->objectName(), [this, frame] { frameBoxClicked(frame); });
  }
  for (std::size_t i = 0; i < orf::kStartCodons.size(); ++i) {
    const auto codon = orf::StartCodon(i);
    bindCommand(startCodonRadios()[i]->objectName(), [this, codon] { startCodonChosen(codon); });
  }

  runGuarded([this] { FormCreate(); });
}

std::array<RadioButton*, 3> TForm27::largestRadios() const {
  return {ui_.RadioButton9, ui_.RadioButton10, ui_.RadioButton11};
}
std::array<RadioButton*, 3> TForm27::allOrfsRadios() const {
  return {ui_.RadioButton6, ui_.RadioButton7, ui_.RadioButton8};
}
std::array<RadioButton*, 4> TForm27::startCodonRadios() const {
  return {ui_.RadioButton2, ui_.RadioButton3, ui_.RadioButton4, ui_.RadioButton5};
}
std::array<CheckBox*, 3> TForm27::frameBoxes() const { return {ui_.CheckBox4, ui_.CheckBox5, ui_.CheckBox6}; }

orf::Language TForm27::language() const { return spanish() ? orf::Language::Spanish : orf::Language::English; }

void TForm27::say(std::string_view text) {
  platform::desktop().message(this, QStringLiteral("BeXalo"), fromAnsi(text), platform::Buttons::Ok);
}

void TForm27::setCaptionText(QLabel* label, std::string_view text) { setCaptionOf(label, fromAnsi(text)); }

void TForm27::showCaptionText(QLabel* label, std::string_view text) {
  setCaptionText(label, text);
  label->setVisible(true);
}

void TForm27::showLines(const std::vector<std::string>& lines) { ui_.ListBox10->setItems(qtLines(lines)); }

void TForm27::showMap() { showMap(QSize(map_.width(), map_.height())); }

void TForm27::showMap(QSize surface) {
  ui_.Image4->setPicture(surface, [this](QPainter& painter, const QRect& region) { paintOrfMap(painter, map_, region); });
}

QImage TForm27::mapPicture() const {
  const QSize size = ui_.Image4->pictureSize();
  return ui_.Image4->render(QRect(0, 0, size.width(), std::min(size.height(), form27::kMapPictureMaxHeight)));
}

void TForm27::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (!event->spontaneous()) runGuarded([this] { FormShow(); });
}

// --- Opening -------------------------------------------------------------------

void TForm27::FormCreate() { ButtonPANTALLA(); }

void TForm27::FormShow() {
  ButtonIDIOMA();
  BtnCargaSecuencias();
}

void TForm27::ButtonPANTALLA() {
  const QSize screen = platform::desktop().screenSize();
  const int w = screen.width();
  scaleForScreen(*this, screen);
  setCaptionOf(ui_.AdvSmoothLabel5, QString());
  ui_.AdvSmoothLabel5->setVisible(true);
  ui_.Edit7->setText(workspace_.filePath());
  ui_.AdvSmoothLabel4->resize(w, ui_.AdvSmoothLabel4->height());
  for (QWidget* button : {ui_.ButtonCERRAR, ui_.BtnPRINT}) button->move(w - button->width() - 10, button->y());
  ui_.LabelIdioma->setText(workspace_.language());
  ui_.RichEdit2->setText(workspace_.editorText());
  ui_.Cabecera->resize(w, ui_.Cabecera->height());
  // The map covers the scroll box as the window now lays it out; it grows
  // downwards when its labels need more room.
  const QSize visible = ui_.ScrollBox1->maximumViewportSize();
  map_.setVisibleSize(visible.width(), visible.height());
  showMap(visible);
}

void TForm27::ButtonIDIOMA() {
  if (workspace_.language() != QLatin1String("Es")) return;
  ui_.LabelIdioma->setText(QStringLiteral("Es"));
  attachMenu(ui_.MainMenuEs);
  applyCaptions(form27::kCaptions, true);
}

void TForm27::BtnCargaSecuencias() {
  const std::string editor = platform::toAnsi(workspace_.editorText());
  const std::string letterCode = platform::toAnsi(workspace_.letterCode());
  orf::loadSequences(state(), {editor, {workspace_.frame(0), workspace_.frame(1), workspace_.frame(2)}, letterCode});
}

// --- The tool panels: at most one is open --------------------------------------

void TForm27::BtnLargest() {
  ui_.BtnAll->setChecked(false);
  ui_.BtnLargest->setChecked(false);
  ui_.Panel5->setVisible(false);
  for (RadioButton* radio : {ui_.RadioButton9, ui_.RadioButton10, ui_.RadioButton11, ui_.RadioButton12}) uncheck(radio);
  if (ui_.Panel4->isVisibleTo(client())) {
    ui_.BtnLargest->setChecked(false);
    ui_.Panel4->setVisible(false);
  } else {
    ui_.Panel4->setVisible(true);
    ui_.Panel5->setVisible(false);
    ui_.Panel9->setVisible(false);
  }
}

void TForm27::BtnAll() {
  ui_.BtnLargest->setChecked(false);
  ui_.BtnGRAM->setChecked(false);
  ui_.Panel4->setVisible(false);
  if (ui_.Panel5->isVisibleTo(client())) {
    ui_.BtnAll->setChecked(false);
    ui_.Panel5->setVisible(false);
  } else {
    ui_.Panel5->setVisible(true);
    ui_.Panel4->setVisible(false);
    ui_.Panel9->setVisible(false);
    showCaptionText(ui_.AdvSmoothLabel5, {});
  }
}

void TForm27::BtnGRAM() {
  ui_.BtnLargest->setChecked(false);
  ui_.BtnAll->setChecked(false);
  ui_.Panel4->setVisible(false);
  if (!ui_.Panel9->isVisibleTo(client())) {
    ui_.Panel9->setVisible(true);
    ui_.Panel4->setVisible(false);
    ui_.Panel5->setVisible(false);
    showCaptionText(ui_.AdvSmoothLabel5, {});
  } else {
    ui_.Panel9->setVisible(false);
    uncheckAlternativeStartSelectors();
    ui_.BtnGRAM->setChecked(false);
  }
}

void TForm27::uncheckAlternativeStartSelectors() {
  for (RadioButton* radio : startCodonRadios()) uncheck(radio);
  for (CheckBox* box : frameBoxes()) uncheck(box);
}

// --- The map -------------------------------------------------------------------

void TForm27::ButtonNEWGRAPH() {
  map_.baseDrawing(state().LongitudNucleotidos, language());
  showMap();
}

// --- The largest ORF -------------------------------------------------------------

void TForm27::ButtonLargestin1() { largestInFrame(1); }
void TForm27::ButtonLargestin2() { largestInFrame(2); }
void TForm27::ButtonLargestin3() { largestInFrame(3); }

void TForm27::largestInFrame(int frame) {
  const orf::Language lang = language();
  ButtonNEWGRAPH();
  ui_.Panel4->setVisible(false);
  ui_.ListBox10->clear();
  showCaptionText(ui_.AdvSmoothLabel7, orf::frameCaption(frame, lang));
  const orf::LargestInFrame result = orf::searchLargestInFrame(state(), frame);
  if (result.outcome == orf::FrameOutcome::NoStartOrStop) {
    setCaptionText(ui_.AdvSmoothLabel5, orf::noOrfCaption(lang));
    say(orf::noOrfInFrameMessage(frame, lang));
    return;
  }
  // Every methionine after the last stop: nothing is shown and nothing said.
  if (result.outcome == orf::FrameOutcome::NoneComplete) return;
  showLines(orf::largestInFrameLines(result, state(), lang));
  ui_.RichEdit9->setText(fromAnsi(state().orfMayor(frame)));
  ui_.ListBox10->setHorizontalExtent(form27::kLargestOrfExtent);
  showCaptionText(ui_.AdvSmoothLabel5, orf::largestInFrameCaption(result, lang));
  map_.largestOrfMark(result.orf.start, result.markWidth, state().LongitudNucleotidos);
  showMap();
}

void TForm27::Button4LargestInAll() {
  const orf::Language lang = language();
  ui_.Panel4->setVisible(false);
  ButtonLargestin1();
  ButtonLargestin2();
  ButtonLargestin3();
  ui_.ListBox10->clear();
  setCaptionText(ui_.AdvSmoothLabel7, {});
  setCaptionText(ui_.AdvSmoothLabel5, {});
  ButtonNEWGRAPH();
  const orf::AllFramesDecision decision = orf::decideAllFrames(state());
  if (decision.decision == orf::AllFramesCase::NoOrf) setCaptionText(ui_.AdvSmoothLabel5, orf::noOrfCaption(lang));
  if (const std::string_view message = orf::allFramesMessage(decision.decision, lang); !message.empty()) say(message);
  if (decision.decision != orf::AllFramesCase::Winner) return;
  showLines(orf::allFramesLines(decision, state(), lang));
  setCaptionText(ui_.AdvSmoothLabel7, orf::allFramesFrameCaption(decision, lang));
  ui_.ListBox10->setHorizontalExtent(form27::kLargestOrfExtent);
  showCaptionText(ui_.AdvSmoothLabel5, orf::allFramesResultCaption(decision, lang));
  ButtonNEWGRAPH();
  // The winner's mark leaves out the stop codon, whichever frame won.
  map_.largestOrfMark(decision.winnerStart(state()), 3 * decision.winnerAminoAcids(), state().LongitudNucleotidos);
  showMap();
}

// --- Every ORF of a frame ------------------------------------------------------------

void TForm27::listFrame(int frame) {
  ui_.ProgressBar1->setVisible(true);
  ui_.ProgressBar1->setValue(form27::kListingProgress);
  ButtonALLORFS();
  showCaptionText(ui_.AdvSmoothLabel7, orf::frameCaption(frame, language()));
  ui_.ProgressBar1->setVisible(false);
}

std::vector<int> TForm27::framesSelectedForListing() const {
  std::vector<int> frames;
  for (int frame = 1; frame <= 3; ++frame) {
    const auto at = std::size_t(frame - 1);
    if (allOrfsRadios()[at]->isChecked() || frameBoxes()[at]->isChecked()) frames.push_back(frame);
  }
  return frames;
}

std::vector<int> TForm27::checkedFrameBoxes() const {
  std::vector<int> frames;
  for (int frame = 1; frame <= 3; ++frame)
    if (frameBoxes()[std::size_t(frame - 1)]->isChecked()) frames.push_back(frame);
  return frames;
}

void TForm27::ButtonALLORFS() {
  const orf::Language lang = language();
  setCaptionText(ui_.AdvSmoothLabel5, {});
  ui_.Panel5->setVisible(false);
  ButtonNEWGRAPH();
  // A later selected frame replaces an earlier one; the map captions them all.
  const std::vector<int> selected = framesSelectedForListing();
  if (selected.empty()) return;
  const int frame = selected.back();
  const std::string& text = state().textoMarco(frame);
  ui_.ListBox10->clear();
  ui_.ListBox4->clear();
  const orf::AllOrfs result = orf::listAllOrfs(text, frame);
  if (result.noStartOrStop) {
    setCaptionText(ui_.AdvSmoothLabel5, orf::noOrfCaption(lang));
    say(orf::noOrfInFrameMessage(frame, lang));
  }
  // Nothing listed: the selections stay as they are, the map shows its base.
  if (result.orfs.empty()) return;
  const QStringList lines = qtLines(orf::allOrfsLines(result, text));
  ui_.ListBox10->setItems(lines);
  // The stops stay in their frame-record list until the next listing.
  QStringList stops;
  stops.reserve(qsizetype(result.orfs.size()));
  for (const orf::Orf& orf : result.orfs) stops << QString::number(orf.stop);
  ui_.ListBox4->setItems(stops);
  orf::drawAllOrfs(map_, state().LongitudNucleotidos, result, selected, lang);
  showMap();
  ui_.ListBox10->setHorizontalExtent(form27::kAllOrfsExtentFactor * widestLine(lines, ui_.ListBox10->font()));
  ui_.Panel5->setVisible(false);
  for (RadioButton* radio : allOrfsRadios()) uncheck(radio);
  ui_.Panel9->setVisible(false);
  for (CheckBox* box : frameBoxes()) uncheck(box);
}

// --- Alternative starts ----------------------------------------------------------------

void TForm27::ButtonGTG() { searchStartCodon(orf::StartCodon::GTG); }
void TForm27::ButtonTTG() { searchStartCodon(orf::StartCodon::TTG); }
void TForm27::ButtonCTG() { searchStartCodon(orf::StartCodon::CTG); }
void TForm27::ButtonATT() { searchStartCodon(orf::StartCodon::ATT); }

void TForm27::startCodonChosen(orf::StartCodon codon) {
  showCaptionText(ui_.AdvSmoothLabel5, orf::valuesOf(codon).caption);
  if (!checkedFrameBoxes().empty()) searchStartCodon(codon);
}

void TForm27::frameBoxClicked(int frame) {
  for (int other = 1; other <= 3; ++other)
    if (other != frame) uncheck(frameBoxes()[std::size_t(other - 1)]);
  showCaptionText(ui_.AdvSmoothLabel7, orf::frameCaption(frame, language()));
  const auto radios = startCodonRadios();
  for (std::size_t i = 0; i < radios.size(); ++i)
    if (radios[i]->isChecked()) searchStartCodon(orf::StartCodon(i));
}

void TForm27::searchStartCodon(orf::StartCodon codon) {
  const orf::Language lang = language();
  ButtonNEWGRAPH();
  // A later checked box replaces an earlier one; with none there is nothing to search.
  if (const std::vector<int> frames = checkedFrameBoxes(); !frames.empty()) {
    const std::string& text = state().textoMarco(frames.back());
    ui_.ListBox10->clear();
    ui_.ListBox4->clear();
    // Searched in the sequence the translation used, cleaned of numbering and
    // layout, lower case, "u" read as "t": its positions are the frames'. The
    // copy keeps that form.
    nucleotideCopy_ = orf::searchableNucleotides(nucleotideCopy_);
    const orf::AlternativeStarts result = orf::findAlternativeStarts(nucleotideCopy_, text, codon);
    if (result.orfs.empty()) {
      setCaptionText(ui_.AdvSmoothLabel5, orf::noOrfCaption(lang));
      say(orf::noOrfInSequenceMessage(lang));
    } else {
      showLines(orf::alternativeStartLines(result, text, lang));
      QStringList texts;
      texts.reserve(qsizetype(result.orfs.size()));
      for (const orf::Orf& orf : result.orfs) texts << fromAnsi(orf.textIn(text));
      ui_.ListBox4->setItems(texts);
    }
    // Without ORFs the alternative-start map is wiped white.
    orf::drawAlternativeStarts(map_, state().LongitudNucleotidos, result, lang);
    showMap();
  }
  ui_.ListBox10->setHorizontalExtent(form27::kAlternativeStartExtent);
  ui_.Panel9->setVisible(false);
  uncheckAlternativeStartSelectors();
}

// --- Printing, closing, help ---------------------------------------------------------------

void TForm27::BtnPRINT() {
  platform::Desktop& desktop = platform::desktop();
  const QImage picture = mapPicture();
  desktop.setClipboardImage(picture);
  // Without a printer the map cannot be printed; the user is told, and the
  // report can still go wherever the print dialog sends it.
  if (desktop.printerInstalled())
    desktop.printImage(QString::fromLatin1(form27::kMapDocument), platform::Orientation::Portrait, picture);
  else
    showMessage(form27::kNoPrinterForMap);
  if (!desktop.printDialog(this)) return;
  const form27::ReportDesign& report = form27::kReport;
  const QString indent = QString::fromLatin1(report.indent);
  QStringList lines = {QString::fromLatin1(report.title), QStringLiteral(" "),
                       QString::fromLatin1(spanish() ? report.headingSpanish : report.headingEnglish),
                       QStringLiteral(" "), indent + Form::captionOf(ui_.AdvSmoothLabel5),
                       indent + Form::captionOf(ui_.AdvSmoothLabel7), QStringLiteral(" ")};
  lines << ui_.ListBox10->items();
  ui_.RPrint->setText(lines.join(QLatin1Char('\n')));
  ui_.BtnPRINT->setChecked(false);
  desktop.printText(QString::fromLatin1(form27::kReportDocument), platform::Orientation::Landscape,
                    ui_.RPrint->lines(), ui_.RPrint->textFont());
  ui_.RPrint->setText(QString());
}

void TForm27::ButtonCERRAR() {
  ui_.ListBox10->clear();
  ui_.RichEdit2->setText(QString());
  showCaptionText(ui_.AdvSmoothLabel5, {});
  close();
}

void TForm27::Geneticcodepage1Click() { platform::desktop().openUrl(QString::fromLatin1(form27::kGeneticCodePage)); }

}  // namespace bxl::ui
