#include "platform/ScriptedDesktop.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QWidget>
#include <QRegularExpression>
#include <QWidget>
#include <QSaveFile>
#include <utility>

#include "platform/Printing.h"
#include "platform/ScriptText.h"

namespace bxl::platform {

ScriptedDesktop::ScriptedDesktop(QSize screen)
    : screen_(screen), printDir_(QDir::temp().filePath(QStringLiteral("bxltranslation-prints"))) {}

void ScriptedDesktop::queueAnswer(const QString& answer, bool isPath) { answers_.push_back({answer, isPath}); }

void ScriptedDesktop::setPrintDir(const QString& dir) { printDir_ = QDir(dir); }

QStringList ScriptedDesktop::takeLog() { return std::exchange(log_, {}); }

QString ScriptedDesktop::takeFailure() { return std::exchange(failure_, {}); }

std::optional<ScriptedDesktop::Queued> ScriptedDesktop::take() {
  if (answers_.empty()) return std::nullopt;
  Queued next = answers_.front();
  answers_.pop_front();
  return next;
}

void ScriptedDesktop::fail(const QString& why) {
  if (failure_.isEmpty()) failure_ = why;
}

Answer ScriptedDesktop::message(QWidget*, const QString& caption, const QString& text, Buttons buttons) {
  const QString shown = QStringLiteral("message %1 %2 ").arg(quoteScriptText(caption), quoteScriptText(text));
  if (buttons == Buttons::Ok) {
    if (!answers_.empty() && !answers_.front().isPath && answers_.front().text == QLatin1String("OK")) take();
    log_ << shown + QStringLiteral("OK -> OK");
    return Answer::Ok;
  }
  const auto answer = take();
  const bool fits = answer && !answer->isPath && (answer->text == QLatin1String("Yes") || answer->text == QLatin1String("No"));
  if (!fits) {
    fail(QStringLiteral("the question %1 found %2 instead of Yes or No")
             .arg(quoteScriptText(text), answer ? quoteScriptText(answer->text) : QStringLiteral("no queued answer")));
    log_ << shown + QStringLiteral("Yes/No -> No");
    return Answer::No;
  }
  log_ << shown + QStringLiteral("Yes/No -> ") + answer->text;
  return answer->text == QLatin1String("Yes") ? Answer::Yes : Answer::No;
}

std::optional<QString> ScriptedDesktop::openFile(QWidget*, const QString& filter, const QString&) {
  const auto answer = take();
  const QString shown = QStringLiteral("open-dialog %1 -> ").arg(quoteScriptText(filter));
  if (answer && answer->isPath) {
    log_ << shown + quoteScriptText(answer->text);
    return answer->text;
  }
  if (!answer || answer->text != QLatin1String("Cancel"))
    fail(QStringLiteral("the open dialog found %1 instead of a path or Cancel")
             .arg(answer ? quoteScriptText(answer->text) : QStringLiteral("no queued answer")));
  log_ << shown + QStringLiteral("Cancel");
  return std::nullopt;
}

bool ScriptedDesktop::printDialog(QWidget*, const PrintDialogSetup& setup) {
  if (setup != PrintDialogSetup{}) {
    QStringList offers;
    if (setup.lastPage > 0) offers << QStringLiteral("pages %1 to %2").arg(setup.firstPage).arg(setup.lastPage);
    if (setup.pageRange) offers << QStringLiteral("page range");
    if (setup.selection) offers << QStringLiteral("selection");
    log_ << QStringLiteral("print-dialog-setup ") + offers.join(QStringLiteral(", "));
  }
  const auto answer = take();
  const bool ok = answer && !answer->isPath && answer->text == QLatin1String("OK");
  if (!ok && (!answer || answer->isPath || answer->text != QLatin1String("Cancel")))
    fail(QStringLiteral("the print dialog found %1 instead of OK or Cancel")
             .arg(answer ? quoteScriptText(answer->text) : QStringLiteral("no queued answer")));
  log_ << (ok ? QStringLiteral("print-dialog -> OK") : QStringLiteral("print-dialog -> Cancel"));
  return ok;
}

QString ScriptedDesktop::nextPrintFile(const QString& title, Orientation orientation) {
  printDir_.mkpath(QStringLiteral("."));
  QString safeTitle = title;
  safeTitle.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
  const QString file = printDir_.filePath(QStringLiteral("%1-%2.pdf").arg(++printJobs_, 2, 10, QChar('0')).arg(safeTitle));
  log_ << QStringLiteral("print-job %1 %2 -> %3")
              .arg(quoteScriptText(title),
                   orientation == Orientation::Landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"),
                   quoteScriptText(file));
  return file;
}

namespace {
void setUp(QPdfWriter& writer, const QString& title, Orientation orientation) {
  writer.setTitle(title);
  writer.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}
}  // namespace

int ScriptedDesktop::pageCount(const TextPrintout& printout) {
  // Laid out on a writer that is never painted on, so it writes nothing.
  QBuffer nowhere;
  QPdfWriter writer(&nowhere);
  setUp(writer, printout.title, printout.orientation);
  return int(textPages(writer, printout).size());
}

PrintResult ScriptedDesktop::printText(const TextPrintout& printout) {
  // Written under another name and put in place only once complete.
  QSaveFile file(nextPrintFile(printout.title, printout.orientation));
  file.open(QIODevice::WriteOnly);
  const bool dialog = !printout.progressText.isEmpty();
  QString shown;
  bool printed = false;
  {
    QPdfWriter writer(&file);
    setUp(writer, printout.title, printout.orientation);
    printed = paintTextPages(writer, printout, [&](int page, int pages) {
      if (!dialog) return true;
      shown = QString(printout.progressText).arg(page).arg(pages);
      return page != cancelAtPage_;
    });
  }
  if (dialog) {
    log_ << QStringLiteral("print-progress %1 %2 -> %3")
                .arg(quoteScriptText(shown), quoteScriptText(printout.cancelText),
                     printed ? QStringLiteral("done") : QStringLiteral("Cancel"));
    cancelAtPage_.reset();
  }
  if (!printed) {
    file.cancelWriting();
    return PrintResult::Cancelled;
  }
  file.commit();
  return PrintResult::Printed;
}

void ScriptedDesktop::printImage(const QString& title, Orientation orientation, const QImage& image) {
  QPdfWriter writer(nextPrintFile(title, orientation));
  setUp(writer, title, orientation);
  paintImagePage(writer, image);
}

// The PDF stands for a printer left in its default portrait setting; the log
// tells where on the page, in its device pixels, the picture went.
void ScriptedDesktop::printImageAt(const QString& title, const QImage& image, const QRect& devicePixels) {
  QPdfWriter writer(nextPrintFile(title, Orientation::Portrait));
  setUp(writer, title, Orientation::Portrait);
  paintImageAt(writer, image, devicePixels);
  log_ << QStringLiteral("print-image %1x%2 at %3,%4 %5x%6 on a %7x%8 page")
              .arg(image.width())
              .arg(image.height())
              .arg(devicePixels.x())
              .arg(devicePixels.y())
              .arg(devicePixels.width())
              .arg(devicePixels.height())
              .arg(writer.width())
              .arg(writer.height());
}

void ScriptedDesktop::setClipboardText(const QString& text) {
  clipboardText_ = text;
  clipboardHoldsImage_ = false;
}

void ScriptedDesktop::setClipboardImage(const QImage& image) {
  clipboardImage_ = image;
  clipboardHoldsImage_ = true;
}

void ScriptedDesktop::openUrl(const QString& url) { log_ << QStringLiteral("open-url ") + quoteScriptText(url); }

void ScriptedDesktop::showMaximized(QWidget* window) {
  window->setGeometry(QRect(QPoint(0, 0), screen_));
  window->show();
}

void ScriptedDesktop::showException(QWidget*, const QString& text) {
  log_ << QStringLiteral("exception ") + quoteScriptText(text);
}

}  // namespace bxl::platform
