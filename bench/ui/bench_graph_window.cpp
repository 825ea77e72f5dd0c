// The graph window on a whole bacterial genome (5,000,000 random bases), in
// both letter codes, as the user meets it on the offscreen platform: from the
// click on "Graph" to a painted window, and from the click on "Label Met and
// Stops" to a painted graph and text box.
#include <QAbstractButton>
#include <QApplication>
#include <cstdio>
#include <ctime>

#include "common/Timing.h"
#include "platform/ScriptedDesktop.h"
#include "sequence/Allocator.h"
#include "ui/Form.h"
#include "ui/Style.h"
#include "ui/TRANSLATION_Form3.h"

using bxl::bench::millis;
using bxl::bench::randomBases;

namespace {

// Wall and CPU time of some work: on a machine shared with other jobs the CPU
// time is the steadier figure.
struct Timed {
  double wall, cpu;
};
double cpuNow() { return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC; }
Timed timed(const std::function<void()>& work) {
  const double cpu = cpuNow();
  const double wall = millis(work);
  return {wall, cpuNow() - cpu};
}

bxl::ui::Form* newestGraphWindow() {
  bxl::ui::Form* newest = nullptr;
  for (bxl::ui::Form* window : bxl::ui::Form::openWindows())
    if (window->formClass() == QLatin1String("TForm17")) newest = window;
  return newest;
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
  main.richEdit(QStringLiteral("RichEdit1"))->setText(randomBases(5'000'000));
  for (const char* code : {"Btn1LetterCode", "Btn3LetterCode"}) {
    main.control<QAbstractButton>(QString::fromLatin1(code))->click();
    bxl::ui::Form* window = nullptr;
    const Timed open = timed([&] {
      main.control<QAbstractButton>(QStringLiteral("BitGraphic"))->click();
      window = newestGraphWindow();
      window->grab();
    });
    QWidget* graph = window->control<QWidget>(QStringLiteral("Image1"));
    QWidget* textBox = window->richEdit(QStringLiteral("RichEdit3"))->view();
    const Timed label = timed([&] {
      window->control<QAbstractButton>(QStringLiteral("AdvSmoothButton1"))->click();
      graph->grab();
      textBox->grab();
    });
    const auto marked = window->richEdit(QStringLiteral("RichEdit3"))->formatRuns().size();
    const Timed relabel = timed([&] {
      window->control<QAbstractButton>(QStringLiteral("AdvSmoothButton1"))->click();
      graph->grab();
    });
    std::printf("5,000,000 bases, %s: click on \"Graph\" to a painted window %6.1f ms (CPU %6.1f ms); "
                "\"Label Met and Stops\" (%zu marked runs) to a painted graph and text box %6.1f ms (CPU %6.1f ms), "
                "again %6.1f ms (CPU %6.1f ms)\n",
                code, open.wall, open.cpu, marked, label.wall, label.cpu, relabel.wall, relabel.cpu);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main.control<QAbstractButton>(QString::fromLatin1(code))->setChecked(false);
  }
  return 0;
}
