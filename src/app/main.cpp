// Start-up: the workbench on the desktop, or a script on the offscreen platform.
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QRegularExpression>
#include <cstdio>
#include <cstring>

#include "app/ScriptDriver.h"
#include "platform/Desktop.h"
#include "platform/QtDesktop.h"
#include "platform/ScriptedDesktop.h"
#include "sequence/Allocator.h"
#include "ui/Style.h"
#include "ui/TRANSLATION_Form3.h"

namespace {

constexpr const char* kUsage =
    "usage: bxltranslation                      start the workbench\n"
    "       bxltranslation --script FILE [--screen WxH]\n"
    "                                           run a script of user actions offscreen\n";

bool hasDisplay() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
}

void setUpApplication(QApplication& application) {
  QApplication::setApplicationName(QStringLiteral("BXLTranslation"));
  QApplication::setApplicationDisplayName(QStringLiteral("BXLTranslation"));
  bxl::ui::applyStyle(application);
}

int runScript(int argc, char** argv, const QString& script, QSize screen) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  setUpApplication(application);
  auto desktop = std::make_unique<bxl::platform::ScriptedDesktop>(screen);
  bxl::platform::ScriptedDesktop& scripted = *desktop;
  bxl::platform::setDesktop(std::move(desktop));
  QPointer<bxl::ui::TForm3> main = new bxl::ui::TForm3;
  main->setAttribute(Qt::WA_DeleteOnClose);
  // The window opens maximised: it covers the whole scripted screen.
  main->setGeometry(0, 0, screen.width(), screen.height());
  main->show();
  bxl::app::ScriptDriver driver(scripted, [](const QString& line) {
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
  });
  const int status = driver.runFile(script);
  std::fflush(stdout);
  // Unless the script closed it, the main window closes as the user would close
  // it, taking the other windows with it, and every window is disposed of.
  if (main) main->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return status;
}

int runWorkbench(int argc, char** argv) {
  if (!hasDisplay()) {
    std::fputs(
        "bxltranslation: no display to open the workbench on.\n"
        "Run it inside a desktop session (an X server or Wayland), or on a virtual one:\n"
        "  apt-get install xvfb && xvfb-run ./bxl run\n",
        stderr);
    return 1;
  }
  QApplication application(argc, argv);
  setUpApplication(application);
  bxl::platform::setDesktop(std::make_unique<bxl::platform::QtDesktop>());
  try {
    bxl::ui::TForm3 main;
    // Cover the screen even where no window manager honours "maximised".
    if (const QScreen* screen = QGuiApplication::primaryScreen()) main.setGeometry(screen->availableGeometry());
    main.showMaximized();
    return application.exec();
  } catch (const std::exception& error) {
    bxl::platform::desktop().showException(nullptr, QString::fromUtf8(error.what()));
    return 0;
  }
}

}  // namespace

int main(int argc, char** argv) {
  bxl::keepLargeBuffersMapped();
  QString script;
  QSize screen(1280, 810);
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strcmp(arg, "--script") == 0 && i + 1 < argc) {
      script = QString::fromLocal8Bit(argv[++i]);
    } else if (std::strcmp(arg, "--screen") == 0 && i + 1 < argc) {
      const auto match = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(QString::fromLatin1(argv[++i]));
      if (!match.hasMatch()) {
        std::fprintf(stderr, "bxltranslation: --screen takes WxH, for example 1024x768\n%s", kUsage);
        return 2;
      }
      screen = QSize(match.captured(1).toInt(), match.captured(2).toInt());
    } else if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    } else {
      std::fprintf(stderr, "bxltranslation: unknown argument %s\n%s", arg, kUsage);
      return 2;
    }
  }
  if (!script.isEmpty()) return runScript(argc, argv, script, screen);
  return runWorkbench(argc, argv);
}
