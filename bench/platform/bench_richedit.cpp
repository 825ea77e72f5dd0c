// How long the rich edit takes, at genome scale, for what users do most:
// take a text, paint it, scroll to the end, type, select all and copy, and
// colour every stop codon of a display.
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QAbstractScrollArea>
#include <cstdio>
#include <functional>
#include <utility>

#include "common/Timing.h"
#include "sequence/Allocator.h"
#include "platform/QtDesktop.h"
#include "platform/RichEdit.h"
#include "platform/Text8.h"

using bxl::platform::CharFormat;
using bxl::platform::FormatRun;
using bxl::platform::RichEdit;

namespace {

using bxl::bench::millis;
using bxl::bench::randomBases;

// A display shaped like the translation's: per block of 80 bases a number line,
// a ruler, the bases, three frames of codon cells and a blank line.
QString displayText(const QString& bases) {
  QString out;
  out.reserve(bases.size() * 63 / 10);
  const QString ruler = QString(9, ' ') + QStringLiteral("|         ").repeated(8);
  for (qsizetype block = 0; block * 80 < bases.size(); ++block) {
    const QString slice = bases.mid(block * 80, 80);
    QString numbers;
    for (int i = 1; i <= 8; ++i) numbers += QString::number(block * 80 + i * 10).rightJustified(10);
    out += numbers + '\n' + ruler + '\n' + slice + '\n';
    for (int frame = 0; frame < 3; ++frame) {
      QString cells(frame, QChar(0xB7));
      for (qsizetype i = frame; i + 3 <= slice.size(); i += 3) {
        const QStringView codon = QStringView(slice).mid(i, 3);
        const bool stop = codon == u"TAA" || codon == u"TAG" || codon == u"TGA";
        cells += stop ? QStringLiteral("*··") : QStringLiteral("A··");
      }
      out += cells + '\n';
    }
    out += QStringLiteral(" \n");
  }
  return out;
}

void paint(QWidget* view) { view->grab(); }

void measure(const char* name, const QString& text, bool wrap) {
  QWidget window;
  window.resize(1000, 520);
  RichEdit* edit = bxl::platform::createRichEditView(&window);
  QWidget* view = edit->view();
  view->setGeometry(8, 8, 963, 470);
  QFont font(QStringLiteral("Courier New"));
  font.setPixelSize(13);
  font.setStyleHint(QFont::TypeWriter);
  edit->setTextFont(font);
  edit->setWordWrap(wrap);
  window.show();
  QApplication::processEvents();

  // The window hands over a text it no longer keeps, made from its 8-bit text.
  QString own = bxl::platform::fromAnsi(bxl::platform::toAnsi(text));
  const double set = millis([&] { edit->setText(std::exchange(own, QString())); });
  const double firstPaint = millis([&] { paint(view); });
  const double scrollEnd = millis([&] {
    edit->setSelection(edit->length(), 0);
    paint(view);
  });
  const double type = millis([&] {
    edit->setSelection(edit->length() / 2, 0);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_G, Qt::NoModifier, QStringLiteral("G"));
    QApplication::sendEvent(view, &key);
    paint(view);
  });
  const double typeAgain = millis([&] {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("C"));
    QApplication::sendEvent(view, &key);
    paint(view);
  });
  const double copy = millis([&] {
    edit->selectAll();
    edit->copyToClipboard();
  });

  std::printf("%-34s %11lld chars  set %6.1f ms  first paint %5.1f ms  scroll to end %5.1f ms  type %6.1f ms, again %5.1f ms  "
              "select all + copy %5.1f ms\n",
              name, static_cast<long long>(text.size()), set, firstPaint, scrollEnd, type, typeAgain, copy);

  if (wrap) return;
  // Every stop cell of the frame lines, red and bold, applied in one go.
  std::vector<FormatRun> stops;
  const QString plain = edit->plainText();
  for (qsizetype at = plain.indexOf(QStringLiteral("*··")); at >= 0; at = plain.indexOf(QStringLiteral("*··"), at + 3))
    stops.push_back({at, 3, CharFormat{QColor(Qt::red), true}});
  const double format = millis([&] {
    edit->applyFormats(stops);
    paint(view);
  });
  std::printf("%-34s %11zu stops  formatted and painted in %6.1f ms\n", name, stops.size(), format);
}

}  // namespace

int main(int argc, char** argv) {
  bxl::keepLargeBuffersMapped();  // as the workbench does at start
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  bxl::platform::setDesktop(std::make_unique<bxl::platform::QtDesktop>());  // copying goes to Qt's clipboard
  const QString genome = randomBases(5'000'000);
  measure("editor, 5,000,000 bases on one line", genome, true);
  measure("display of 5,000,000 bases", displayText(genome), false);
  return 0;
}
