// The ORF window on a whole genome, as the user meets it: from the click on a
// search's radio button to the list and the map painted, on the offscreen
// platform. Random DNA of 5 Mb has about 26,000 ORFs per frame.
#include <QAbstractButton>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdio>

#include "common/Timing.h"
#include "orf/OrfState.h"
#include "platform/ScriptedDesktop.h"
#include "sequence/Allocator.h"
#include "ui/Controls.h"
#include "ui/ORF_Form27.h"
#include "ui/Style.h"
#include "ui/TRANSLATION_Form3.h"

using bxl::bench::millis;
using bxl::bench::randomBases;

namespace {

bxl::ui::TForm27* newestOrfWindow() {
  bxl::ui::TForm27* newest = nullptr;
  for (bxl::ui::Form* window : bxl::ui::Form::openWindows())
    if (auto* orf = qobject_cast<bxl::ui::TForm27*>(window)) newest = orf;
  return newest;
}

void click(const bxl::ui::Form& window, const char* name) {
  window.control<QAbstractButton>(QString::fromLatin1(name))->click();
}

// What the user sees after a search: the list and the map, painted.
void paint(bxl::ui::TForm27& window) {
  window.control<QWidget>(QStringLiteral("ListBox10"))->grab();
  window.control<QWidget>(QStringLiteral("ScrollBox1"))->grab();
}

}  // namespace

int main(int argc, char** argv) {
  bxl::keepLargeBuffersMapped();  // as the workbench does at start
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  bxl::ui::applyStyle(application);
  bxl::platform::setDesktop(std::make_unique<bxl::platform::ScriptedDesktop>(QSize(1280, 810)));
  bxl::ui::TForm3 main;
  main.setGeometry(0, 0, 1280, 810);
  main.show();
  QApplication::processEvents();
  for (const char* translate : {"Btn3LetterCode", "Btn1LetterCode"}) {
    constexpr qsizetype kBases = 5'000'000;
    main.richEdit(QStringLiteral("RichEdit1"))->setText(randomBases(kBases));
    click(main, translate);
    const double open = millis([&] {
      click(main, "BitOpenORF");
      QApplication::processEvents();
    });
    bxl::ui::TForm27& window = *newestOrfWindow();
    paint(window);  // the fonts and styles of a first paint are not the searches'

    click(window, "BtnLargest");
    const double allFrames = millis([&] {
      click(window, "RadioButton12");
      paint(window);
    });

    click(window, "BtnAll");
    const double allOrfs = millis([&] {
      click(window, "RadioButton6");
      paint(window);
    });
    const int lines = window.control<bxl::ui::ListBox>(QStringLiteral("ListBox10"))->count();
    const int mapHeight = window.map().height();
    // The bottom of the map, where the last labels stand.
    QScrollBar* down = window.control<QScrollArea>(QStringLiteral("ScrollBox1"))->verticalScrollBar();
    const double scroll = millis([&] {
      down->setValue(down->maximum());
      paint(window);
    });

    click(window, "BtnGRAM");
    click(window, "RadioButton2");
    const double gtg = millis([&] {
      click(window, "CheckBox4");
      paint(window);
    });

    std::printf("%lld bases, %s: open the window %6.1f ms; \"in all frames\" %6.1f ms; "
                "\"All possible ORF\" frame 1 (%d lines, map %d px tall) %6.1f ms, scroll the map to its end %5.1f ms; "
                "alternative start GTG frame 1 %6.1f ms\n",
                static_cast<long long>(kBases), translate, open, allFrames, lines, mapHeight, allOrfs, scroll, gtg);
    window.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return 0;
}
