#include "ui/TRANSLATION_Form3.h"

#include <QCloseEvent>
#include <QAbstractButton>
#include <QMenu>
#include <QStyle>

#include "platform/Desktop.h"
#include "platform/Scaling.h"
#include "platform/ScriptText.h"
#include "platform/Text8.h"
#include "ui/Controls.h"
#include "ui/Pictures.h"
#include "ui/ScreenLayout.h"
#include "ui/TRANSLATION_Form3_design.h"

namespace bxl::ui {

TForm3::TForm3(QWidget* parent) : Form(QStringLiteral("TForm3"), parent) {
  using namespace form3;
  setObjectName(QStringLiteral("TForm3"));
  QFont windowFont(QString::fromLatin1(kWindowFont.family));
  windowFont.setPixelSize(kWindowFont.size);
  setFont(windowFont);
  setWindowTitle(QStringLiteral("Translation"));
  setGeometry(kDesignLeft, kDesignTop, kDesignClientWidth, kDesignClientHeight);
  build(kControls);
  buildMainMenu(kMainMenuEnglish);
  buildMainMenu(kMainMenuSpanish);
  buildPopupMenu(kPopupEnglish);
  buildPopupMenu(kPopupSpanish);
  attachMenu(control<QMenu>(QString::fromLatin1(kMainMenuEnglish.name)));
  richEdit(QStringLiteral("RichEdit1"))->setPopupMenu(control<QMenu>(QStringLiteral("PopupMenu1")));
  richEdit(QStringLiteral("RichEditProt"))->setPopupMenu(control<QMenu>(QStringLiteral("PopupMenu1")));
  for (const HintDesign& hint : kHints)
    control<QWidget>(QString::fromLatin1(hint.control))->setToolTip(QString::fromUtf8(hint.hint));
  control<QAbstractButton>(QStringLiteral("BitEspanol"))->setIcon(spanishFlag());
  control<QAbstractButton>(QStringLiteral("BitEnglish"))->setIcon(britishFlag());
  for (const char* name : {"BitEspanol", "BitEnglish"})
    control<QAbstractButton>(QString::fromLatin1(name))->setIconSize(QSize(26, 17));
  control<QAbstractButton>(QStringLiteral("BitOPENFILE"))->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  control<QAbstractButton>(QStringLiteral("BitGraphic"))->setIcon(graphGlyph());
  control<QAbstractButton>(QStringLiteral("BitOpenORF"))->setIcon(orfGlyph());

  const std::pair<const char*, void (TForm3::*)()> commands[] = {
      {"BtnPANTALLA", &TForm3::BtnPANTALLA},
      {"ButtonIDIOMA", &TForm3::ButtonIDIOMA},
      {"BitEspanol", &TForm3::BitEspanol},
      {"BitEnglish", &TForm3::BitEnglish},
      {"ButtonUpButtons", &TForm3::ButtonUpButtons},
      {"ButtonUpPanelOut", &TForm3::ButtonUpPanelOut},
      {"BtnBorrarPaneles", &TForm3::BtnBorrarPaneles},
      {"TimerProgressBar", &TForm3::TimerProgressBarTimer},
  };
  for (const auto& [name, method] : commands) bindCommand(QString::fromLatin1(name), [this, method] { (this->*method)(); });

  runGuarded([this] { FormCreate(); });
}

bool TForm3::spanish() const { return control<QLabel>(QStringLiteral("LabelIdioma"))->text() == QLatin1String("Es"); }

void TForm3::setDown(const char* toggle, bool down) {
  control<SmoothToggleButton>(QString::fromLatin1(toggle))->setChecked(down);
}

void TForm3::setShown(const char* name, bool shown) { control<QWidget>(QString::fromLatin1(name))->setVisible(shown); }

void TForm3::FormCreate() { BtnPANTALLA(); }

void TForm3::BtnPANTALLA() {
  const QSize screen = platform::desktop().screenSize();
  const int w = screen.width();
  scaleForScreen(*this, screen);
  const auto widget = [this](const char* name) { return control<QWidget>(QString::fromLatin1(name)); };
  for (const char* name : {"ButtonCERRAR", "ButtonPRINT", "ButtonGeneticCode", "ButtonEDITAR"})
    widget(name)->move(w - widget(name)->width() - 10, widget(name)->y());
  QWidget* close = widget("ButtonCERRAR");
  QWidget* column = widget("Panel20");
  column->resize(close->width(), column->height());
  widget("BtnSeQExample")->move(close->x() - widget("BtnSeQExample")->width(), widget("BtnSeQExample")->y());
  column->setGeometry(w - column->width() - 10, column->y(), column->width(), screen.height());
  widget("Panel2")->move(close->x(), widget("Panel2")->y());
  widget("Cabecera")->resize(w, widget("Cabecera")->height());
  setShown("Panel2", false);
  setShown("Label2", false);
  widget("Panel8")->move(widget("ButtonEDITAR")->x() - widget("Panel8")->width(), widget("Panel8")->y());
  widget("Bevel1")->resize(w, widget("Bevel1")->height());
  control<QLabel>(QStringLiteral("LabelIdioma"))->setText(QStringLiteral("En"));
  ButtonIDIOMA();
}

void TForm3::ButtonIDIOMA() {
  const QString language = control<QLabel>(QStringLiteral("LabelIdioma"))->text();
  if (language == QLatin1String("Es"))
    BitEspanol();
  else if (language == QLatin1String("En"))
    BitEnglish();
}

void TForm3::BitEspanol() { applyLanguage(true); }

void TForm3::BitEnglish() { applyLanguage(false); }

void TForm3::applyLanguage(bool toSpanish) {
  using namespace form3;
  control<QLabel>(QStringLiteral("LabelIdioma"))->setText(toSpanish ? QStringLiteral("Es") : QStringLiteral("En"));
  applyCaptions(kCaptions.first(2), toSpanish);
  attachMenu(control<QMenu>(QString::fromLatin1(toSpanish ? kMainMenuSpanish.name : kMainMenuEnglish.name)));
  richEdit(QStringLiteral("RichEdit1"))
      ->setPopupMenu(control<QMenu>(QString::fromLatin1(toSpanish ? kPopupSpanish.name : kPopupEnglish.name)));
  applyCaptions(kCaptions.subspan(2), toSpanish);
  auto* selected = control<QWidget>(QStringLiteral("BtnSelectedText"));
  QFont selectedFont = selected->font();
  selectedFont.setPointSize(10);
  selected->setFont(selectedFont);
}

void TForm3::ButtonUpButtons() {
  setShown("Panel1", false);
  setShown("AdvSmoothLabel7", false);
  for (const char* edit : {"RichEditProt", "RichEdit2", "RichEdit3", "RichEdit4"})
    richEdit(QString::fromLatin1(edit))->setText(QString());
  for (SmoothToggleButton* toggle : findChildren<SmoothToggleButton*>()) toggle->setChecked(false);
}

void TForm3::ButtonUpPanelOut() {
  for (const char* panel : {"Panel1", "Panel2", "Panel5", "Panel8"}) setShown(panel, false);
  for (const char* toggle : {"Btn1LetterCode", "ButtonABRIR", "Btn3LetterCode", "Mitochondrial", "BtnSelectedText", "ButtonEDITAR"})
    setDown(toggle, false);
}

void TForm3::BtnBorrarPaneles() {
  setShown("Panel5", false);
  setShown("Panel8", false);
}

void TForm3::TimerProgressBarTimer() {
  auto* bar = control<ProgressBar>(QStringLiteral("ProgressBar1"));
  bar->setVisible(true);
  bar->setValue(bar->value() + 5);
  if (bar->value() == 100) bar->setValue(10);
}

void TForm3::closeEvent(QCloseEvent* event) {
  Form::closeEvent(event);
  // The main window takes every other window with it.
  for (Form* other : std::vector<Form*>(openWindows()))
    if (other != this) other->close();
}

QStringList dumpWorkspace() {
  using platform::quoteScriptText;
  const auto code = [](char c) { return quoteScriptText(platform::fromAnsi(std::string_view(&c, 1))); };
  const ClaseSecuencia& d = DatosSecuencia;
  const QString field = QStringLiteral("workspace.DatosSecuencia.%1 = %2");
  return {
      QStringLiteral("workspace.SecuenciaTrabajo = ") + quoteScriptText(platform::fromAnsi(SecuenciaTrabajo)),
      field.arg(QStringLiteral("Tipo"), code(d.Tipo)),
      field.arg(QStringLiteral("Caso"), code(d.Caso)),
      field.arg(QStringLiteral("Reversa"), code(d.Reversa)),
      field.arg(QStringLiteral("Complemento"), code(d.Complemento)),
      field.arg(QStringLiteral("Barra"), code(d.Barra)),
      field.arg(QStringLiteral("Punto"), code(d.Punto)),
      field.arg(QStringLiteral("Hebra"), code(d.Hebra)),
      field.arg(QStringLiteral("Longitud")).arg(d.Longitud),
      field.arg(QStringLiteral("Texto"), quoteScriptText(platform::fromAnsi(d.Texto))),
  };
}

}  // namespace bxl::ui
