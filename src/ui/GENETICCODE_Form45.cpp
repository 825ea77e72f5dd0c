#include "ui/GENETICCODE_Form45.h"

#include <QShowEvent>
#include <algorithm>
#include <string>

#include "platform/Desktop.h"
#include "platform/Scaling.h"
#include "translation/CodonLookup.h"
#include "ui/GENETICCODE_Form45_design.h"
#include "ui/Workspace.h"

namespace bxl::ui {
namespace {

// A codon number written with U: 0 is "UUU", 63 "GGG".
std::string rnaCodon(int codon) {
  constexpr std::string_view bases = "UCAG";
  return {bases[std::size_t(codon / 16)], bases[std::size_t(codon / 4 % 4)], bases[std::size_t(codon % 4)]};
}

}  // namespace

std::optional<int> geneticCodeScalePercent(QSize screen) {
  const int width = screen.width();
  const int height = screen.height();
  if (height == 600) return 90;
  if (height <= 480) return 55;
  if (height == 1024 || height == 960) return 80;
  // The ratios are kept in single precision and the percentage is truncated.
  const float w = float(double(width) / 1280.0);
  const float h = float(double(height) / 810.0);
  // The height ratio wins whenever it is the smaller one, also above 1, so
  // the window grows on a large screen; otherwise the width ratio shrinks it.
  if (h < w) return int(100.0 * double(h));
  if (w < 1.0f) return int(100.0 * double(w));
  return std::nullopt;
}

TForm45::TForm45(const WorkspaceView& workspace, QWidget* parent)
    : Form(QStringLiteral("TForm45"), parent), workspace_(workspace) {
  using namespace form45;
  setObjectName(QStringLiteral("TForm45"));
  setAttribute(Qt::WA_DeleteOnClose);
  QFont windowFont(QString::fromLatin1(kWindowFont.family));
  windowFont.setPixelSize(kWindowFont.size);
  setFont(windowFont);
  setWindowTitle(QStringLiteral("Genetic code"));
  resize(kDesignClientWidth, kDesignClientHeight);
  setStyleSheet(QString::fromLatin1(kStyleSheet));
  build(kControls);
  build(codonButtonDesigns());
  ui_ = Form45Controls::find(*this);
  showCodonButtons();

  const std::pair<const char*, void (TForm45::*)()> commands[] = {
      {"ButtonIDIOMA", &TForm45::ButtonIDIOMA},
      {"ButtonGeneticCode", &TForm45::ButtonGeneticCode},
      {"ButtonCERRAR", &TForm45::ButtonCERRAR},
  };
  for (const auto& [name, method] : commands) bindCommand(QString::fromLatin1(name), [this, method] { (this->*method)(); });
  for (int codon = 0; codon < 64; ++codon)
    bindCommand(QString::fromLatin1(kCodonButtons[std::size_t(codon)]), [this, codon] { codonButtonClick(codon); });
  // Every change of the entry's text, typed or set by a command.
  connect(ui_.MaskEdit1, &QLineEdit::textChanged, this, [this] { runGuarded([this] { MaskEdit1Change(); }); });

  runGuarded([this] { FormCreate(); });
}

// Captions from the lookup ("UUU Phe", "UAA (Stop)"), colours and weights by amino acid.
void TForm45::showCodonButtons() {
  for (int codon = 0; codon < 64; ++codon) {
    const std::string rna = rnaCodon(codon);
    const std::string_view result = lookupCodon(rna).value();
    const std::string_view aminoAcid = result == "Stop" ? result : result.substr(0, 3);
    const std::string name = result == "Stop" ? "(Stop)" : std::string(aminoAcid);
    BitBtn* button = ui_.codonButtons[std::size_t(codon)];
    setCaptionOf(button, QString::fromStdString(rna + ' ' + name));
    const auto look = std::find_if(form45::kCodonLooks.begin(), form45::kCodonLooks.end(),
                                   [&](const form45::CodonLook& l) { return l.aminoAcid == aminoAcid; });
    const bool listed = look != form45::kCodonLooks.end();
    QFont font = button->font();
    font.setBold(!listed || look->bold);
    button->setFont(font);
    if (listed && look->color) button->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(look->color)));
  }
}

void TForm45::FormCreate() {
  const QSize screen = platform::desktop().screenSize();
  if (const auto percent = geneticCodeScalePercent(screen)) platform::scaleWindow(this, *percent);
  // The client area is centred: the frame's size is the window manager's and
  // may not be known before the window is shown.
  setGeometry((screen.width() - width()) / 2, (screen.height() - height()) / 2, width(), height());
}

void TForm45::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (!event->spontaneous()) runGuarded([this] { FormShow(); });
}

void TForm45::FormShow() { ButtonIDIOMA(); }

void TForm45::ButtonIDIOMA() {
  if (workspace_.language() != QLatin1String("Es")) return;
  ui_.LabelIdioma->setText(QStringLiteral("Es"));
  applyCaptions(form45::kCaptions, true);
  QFont header = ui_.AdvSmoothLabel4->font();
  header.setPointSize(form45::kSpanishHeaderPoints);
  ui_.AdvSmoothLabel4->setFont(header);
}

void TForm45::ButtonGeneticCode() {
  ui_.ButtonGeneticCode->setChecked(false);
  MaskEdit* entry = ui_.MaskEdit1;
  entry->setMaskedText(entry->maskedText().toUpper());
  const QString codon = entry->maskedText();
  // An incomplete entry is told, and then looked up all the same: it is no codon either.
  if (codon.contains(QLatin1Char('*'))) showMessage(form45::kEnterThreeNucleotides);
  if (const auto result = lookupCodon(codon.toStdString()))
    ui_.Edit13->setText(QString::fromLatin1(result->data(), qsizetype(result->size())));
  else
    showMessage(form45::kNotACodon);
}

void TForm45::ButtonCERRAR() { close(); }

// A result never stands beside a codon it does not belong to.
void TForm45::MaskEdit1Change() { ui_.Edit13->clear(); }

void TForm45::codonButtonClick(int codon) { ui_.MaskEdit1->setText(QString::fromStdString(rnaCodon(codon))); }

}  // namespace bxl::ui
