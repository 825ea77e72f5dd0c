// From the click on "1 letter code" to a shown display, for a whole genome,
// as the user meets it: the main window on the offscreen platform.
#include <QAbstractButton>
#include <QApplication>
#include <cstdio>

#include "common/Timing.h"
#include "sequence/Allocator.h"
#include "platform/ScriptedDesktop.h"
#include "ui/Style.h"
#include "ui/TRANSLATION_Form3.h"

using bxl::bench::millis;
using bxl::bench::randomBases;

int main(int argc, char** argv) {
  bxl::keepLargeBuffersMapped();  // as the workbench does at start
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  bxl::ui::applyStyle(application);
  bxl::platform::setDesktop(std::make_unique<bxl::platform::ScriptedDesktop>(QSize(1280, 810)));
  bxl::ui::TForm3 window;
  window.setGeometry(0, 0, 1280, 810);
  window.show();
  QApplication::processEvents();
  for (const qsizetype bases : {qsizetype(1'000'000), qsizetype(5'000'000)}) {
    window.richEdit(QStringLiteral("RichEdit1"))->setText(randomBases(bases));
    QWidget* display = window.richEdit(QStringLiteral("RichEditProt"))->view();
    const double translate = millis([&] {
      window.control<QAbstractButton>(QStringLiteral("Btn1LetterCode"))->click();
      display->grab();
    });
    const double scroll = millis([&] {
      auto* edit = window.richEdit(QStringLiteral("RichEditProt"));
      edit->setSelection(edit->length(), 0);
      display->grab();
    });
    const double label = millis([&] {
      window.control<QAbstractButton>(QStringLiteral("BtnLabelStops"))->click();
      display->grab();
    });
    const auto stops = window.richEdit(QStringLiteral("RichEditProt"))->formatRuns().size();
    window.control<QAbstractButton>(QStringLiteral("Btn1LetterCode"))->setChecked(false);
    std::printf("%9lld bases: click on \"1 letter code\" to a painted display %7.1f ms; scroll to the end and paint %5.1f ms; "
                "\"Label stop\" (%zu marked runs) %6.1f ms\n",
                static_cast<long long>(bases), translate, scroll, stops, label);
  }
  return 0;
}
