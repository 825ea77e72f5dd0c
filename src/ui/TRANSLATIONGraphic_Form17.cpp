#include "ui/TRANSLATIONGraphic_Form17.h"

#include <QPainter>
#include <QShowEvent>
#include <QStyle>
#include <string>

#include "platform/Desktop.h"
#include "platform/ScriptText.h"
#include "platform/Text8.h"
#include "platform/richtext/FormatRuns.h"
#include "ui/Pictures.h"
#include "ui/ScreenLayout.h"
#include "ui/StateDump.h"
#include "ui/TRANSLATIONGraphic_Form17_design.h"
#include "ui/Workspace.h"

namespace bxl::ui {
namespace {

QString valueText(const graph::FieldValue& value) {
  if (const auto* text = std::get_if<std::string_view>(&value)) return platform::quoteScriptText(platform::fromAnsi(*text));
  if (const auto* number = std::get_if<std::int64_t>(&value)) return QString::number(*number);
  return std::get<bool>(value) ? QStringLiteral("true") : QStringLiteral("false");
}

// The module state lives for the whole run, from program start; while it
// lives, dump-state graph prints every value of it.
struct GraphModule {
  graph::GraphState state;
  StateDumpRegistration registration{QStringLiteral("graph"), [this] {
                                       QStringList lines;
                                       for (const graph::StateField& field : graph::stateFields(state))
                                         lines << QStringLiteral("graph.%1 = %2").arg(QString::fromLatin1(field.name),
                                                                                       valueText(field.value));
                                       return lines;
                                     }};
};
GraphModule theModule;

QColor qColor(const graph::Rgb& c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

graph::GraphState& TForm17::moduleState() { return theModule.state; }

TForm17::TForm17(const WorkspaceView& workspace, QWidget* parent)
    : Form(QStringLiteral("TForm17"), parent), workspace_(workspace) {
  using namespace form17;
  setObjectName(QStringLiteral("TForm17"));
  QFont windowFont(QString::fromLatin1(kWindowFont.family));
  windowFont.setPixelSize(kWindowFont.size);
  setFont(windowFont);
  setWindowTitle(QStringLiteral("Translation Graph"));
  resize(kDesignClientWidth, kDesignClientHeight);
  setStyleSheet(QString::fromLatin1(kStyleSheet));
  build(kControls);
  buildMainMenu(kHelpMenu);
  ui_ = Form17Controls::find(*this);
  attachMenu(ui_.MainMenu1);
  for (const char* name : kBoldItalic) {
    auto* widget = control<QWidget>(QString::fromLatin1(name));
    QFont font = widget->font();
    font.setBold(true);
    font.setItalic(true);
    widget->setFont(font);
  }
  ui_.ButtonCERRAR->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  ui_.ButtonPRINT->setIcon(printerGlyph());
  for (QAbstractButton* button : {ui_.ButtonCERRAR, ui_.ButtonPRINT}) button->setIconSize(QSize(28, 28));
  {
    QImage& corner = ui_.Image2->picture();
    QPainter painter(&corner);
    const QRect icon(QPoint((corner.width() - 32) / 2, (corner.height() - 32) / 2), QSize(32, 32));
    painter.drawPixmap(icon, graphGlyph().pixmap(QSize(32, 32)));
  }
  ui_.Panel4->setCursor(Qt::CrossCursor);
  canvas_ = std::make_unique<GraphCanvas>(ui_.Image1->picture());

  const std::pair<const char*, void (TForm17::*)()> commands[] = {
      {"ButtonIDIOMA", &TForm17::ButtonIDIOMA},
      {"ButtonPANTALLA", &TForm17::ButtonPANTALLA},
      {"BitVIEWGRAPH", &TForm17::BitVIEWGRAPH},
      {"EscribirRE3", &TForm17::EscribirRE3},
      {"BtnRepaint", &TForm17::BtnRepaint},
      {"BtnLabelStops", &TForm17::BtnLabelStops},
      {"BtnLabelMet", &TForm17::BtnLabelMet},
      {"AdvSmoothButton1", &TForm17::AdvSmoothButton1},
      {"AdvSmoothButton2", &TForm17::AdvSmoothButton2},
      {"Mensaje", &TForm17::Mensaje},
      {"ButtonPRINT", &TForm17::ButtonPRINT},
      {"ButtonCERRAR", &TForm17::ButtonCERRAR},
  };
  for (const auto& [name, method] : commands) bindCommand(QString::fromLatin1(name), [this, method] { (this->*method)(); });
  for (int frame = 1; frame <= 3; ++frame)
    bindCommand(QStringLiteral("Button%1").arg(frame), [this, frame] { ButtonFrameMarkers(frame); });
  connect(ui_.Image1, &Picture::pressed, this, [this](QPoint at) { runGuarded([&] { Image1MouseDown(at.x(), at.y()); }); });

  runGuarded([this] { ButtonIDIOMA(); });
}

TForm17::~TForm17() = default;

void TForm17::showEvent(QShowEvent* event) {
  Form::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  runGuarded([this] {
    ButtonPANTALLA();
    BitVIEWGRAPH();
  });
}

bool TForm17::showsAllFrames() const { return graph::showsAllFrames(platform::toAnsi(workspace_.graphFrames())); }

void TForm17::ButtonIDIOMA() {
  if (workspace_.language() != QLatin1String("Es")) return;
  ui_.LabelIdioma->setText(QStringLiteral("Es"));
  applyCaptions(form17::kCaptions, true);
}

void TForm17::ButtonPANTALLA() {
  const std::string letterCode = platform::toAnsi(workspace_.letterCode());
  graph::loadFrameTexts(moduleState(), {{workspace_.frame(0), workspace_.frame(1), workspace_.frame(2)}, letterCode});

  // The window stays as it was shown, maximised; only its controls follow the screen rule.
  const QSize screen = platform::desktop().screenSize();
  const QRect shown = geometry();
  const Qt::WindowStates state = windowState();
  scaleForScreen(*this, screen);
  if (state & Qt::WindowMaximized)
    setWindowState(state);
  else
    setGeometry(shown);
  for (QWidget* widget : {static_cast<QWidget*>(ui_.ButtonCERRAR), static_cast<QWidget*>(ui_.ButtonPRINT),
                          static_cast<QWidget*>(ui_.Panel20)})
    widget->move(screen.width() - widget->width() - 10, widget->y());
  ui_.Panel20->resize(ui_.Panel20->width(), screen.height());
  ui_.AdvSmoothLabel2->resize(ui_.Panel20->size());  // it fills the column
  ui_.Cabecera->resize(screen.width(), ui_.Cabecera->height());
}

void TForm17::drawTracks(graph::TitleLanguage titles) {
  graph::drawTracks(*canvas_, showsAllFrames(), titles, ui_.Image1->image().width(), ui_.Image1->image().height());
  ui_.Image1->update();
}

void TForm17::BitVIEWGRAPH() {
  drawTracks(graph::titleLanguageOf(platform::toAnsi(ui_.LabelIdioma->text())));
  EscribirRE3();
  ui_.RichEdit3->setSelection(1, 0);
}

void TForm17::EscribirRE3() {
  textBox_ = {};  // the old text goes before the new one is written
  textBox_ = graph::writeTextBox(moduleState());
  ui_.RichEdit3->setText(platform::fromAnsi(textBox_.text));
  ui_.RichEdit3->setSelection(0, 0);
}

void TForm17::BtnRepaint() {
  // The text box only ever gains bold, underline and colours, so taking them
  // away leaves every character plain.
  platform::RichEdit* box = ui_.RichEdit3;
  box->selectAll();
  box->setSelectionFormat(platform::CharFormat{});
  box->setSelection(0, 0);
  drawTracks(graph::TitleLanguage::English);
}

void TForm17::ButtonFrameMarkers(int frame) {
  graph::drawFrameMarkers(*canvas_, moduleState(), frame);
  ui_.Image1->update();
}

void TForm17::label(graph::LabelCommand command) {
  BtnRepaint();
  applyFormatChanges(graph::runLabelCommand(moduleState(), command, textBox_.text, showsAllFrames(), *canvas_));
  ui_.RichEdit3->setSelection(0, 0);
  ui_.Image1->update();
}

void TForm17::BtnLabelStops() { label(graph::LabelCommand::Stops); }
void TForm17::BtnLabelMet() { label(graph::LabelCommand::Met); }
void TForm17::AdvSmoothButton1() { label(graph::LabelCommand::MetAndStops); }
void TForm17::AdvSmoothButton2() { BtnRepaint(); }

void TForm17::applyFormatChanges(std::vector<graph::FormatRun> changes) {
  platform::RichEdit* box = ui_.RichEdit3;
  std::vector<platform::FormatRun> runs;
  runs.reserve(changes.size());
  for (const graph::FormatRun& change : changes) {
    const QColor color = qColor(change.change.color);
    const auto end = qsizetype(change.start + change.length);
    for (auto at = qsizetype(change.start); at < end; ++at) {
      platform::CharFormat format = box->formatAt(at);
      format.color = color;
      format.bold = format.bold || change.change.bold;
      format.underline = format.underline || change.change.underline;
      platform::appendFormatRun(runs, {at, 1, format});
    }
  }
  changes = {};  // a genome's marks are many: one list of them at a time
  box->applyFormats(runs);
}

void TForm17::Image1MouseDown(int x, int y) {
  ClickX = x;
  ClickY = y;
  const graph::Press press = graph::pressImage(textBox_.layout, *canvas_, x, y);
  if (press.frame == 0) return;
  ui_.Image1->update();
  applyFormatChanges(press.highlight);
  platform::RichEdit* box = ui_.RichEdit3;
  if (!press.highlight.empty()) {
    // The caret goes a few characters past the highlight's first piece, then
    // a few before it, then to its start, all on the piece's line: the piece
    // scrolls into view with some of the frame around it.
    constexpr std::size_t kAround = 10;
    const std::string& text = textBox_.text;
    const graph::FormatRun& first = press.highlight.front();
    const std::size_t lineBegin = first.start == 0 ? 0 : text.rfind('\n', first.start - 1) + 1;  // npos + 1 is 0
    const std::size_t lineEnd = std::min(text.find('\n', first.start), text.size());
    box->setSelection(qsizetype(std::min(first.start + first.length + kAround, lineEnd)), 0);
    box->setSelection(qsizetype(std::max(first.start, lineBegin + kAround) - kAround), 0);
    box->setSelection(qsizetype(first.start), 0);
  }
  box->view()->setFocus(Qt::MouseFocusReason);
}

void TForm17::Mensaje() {
  const QString language = workspace_.language();
  const auto& message = form17::kHelpMessage;
  const QString text = language == QLatin1String("En")   ? QString::fromUtf8(message.english)
                       : language == QLatin1String("Es") ? QString::fromUtf8(message.spanish)
                                                         : QString();
  platform::desktop().message(this, QString::fromUtf8(message.caption), text, platform::Buttons::Ok);
}

void TForm17::ButtonPRINT() {
  const bool confirmed = platform::desktop().printDialog(this);
  ui_.ButtonPRINT->setChecked(false);
  if (!confirmed) return;
  platform::desktop().printImageAt(QString::fromLatin1(form17::kPrintTitle), ui_.Image1->image(),
                                   QRect(0, 0, form17::kPrintWidth, form17::kPrintHeight));
}

void TForm17::ButtonCERRAR() {
  ui_.RichEdit3->setText(QString());
  textBox_ = {};
  close();
}

}  // namespace bxl::ui
