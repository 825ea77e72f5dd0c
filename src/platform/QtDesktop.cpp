#include "platform/QtDesktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QScreen>
#include <QTemporaryFile>
#include <QUrl>
#include <optional>

#include "platform/Printing.h"

namespace bxl::platform {

QtDesktop::QtDesktop() = default;
QtDesktop::~QtDesktop() = default;

Answer QtDesktop::message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons) {
  QMessageBox box(buttons == Buttons::Ok ? QMessageBox::Information : QMessageBox::Question, caption, text,
                  buttons == Buttons::Ok ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No), parent);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
  }
}

std::optional<QString> QtDesktop::openFile(QWidget* parent, const QString& filter, const QString& defaultSuffix) {
  QFileDialog dialog(parent);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(qtFileFilter(filter));
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

QPrinter& QtDesktop::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

bool QtDesktop::printerInstalled() const { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void setUpPrintDialog(QPrintDialog& dialog, const PrintDialogSetup& setup) {
  if (setup.lastPage > 0) dialog.setMinMax(setup.firstPage, setup.lastPage);
  if (setup.pageRange) dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (setup.selection) dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
}

bool QtDesktop::printDialog(QWidget* parent, const PrintDialogSetup& setup) {
  QPrintDialog dialog(&printer(), parent);
  setUpPrintDialog(dialog, setup);
  return dialog.exec() == QDialog::Accepted;
}

namespace {
void setUp(QPrinter& printer, const QString& title, Orientation orientation) {
  printer.setDocName(title);
  printer.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}
}  // namespace

int QtDesktop::pageCount(const TextPrintout& printout) {
  setUp(printer(), printout.title, printout.orientation);
  return int(textPages(printer(), printout).size());
}

PrintResult QtDesktop::printText(const TextPrintout& printout) {
  QPrinter& device = printer();
  setUp(device, printout.title, printout.orientation);
  // Printing to a file: the pages go to a file beside it, which takes its
  // place only once complete, so a cancelled job leaves no part of a file.
  const QString target = device.outputFileName();
  std::optional<QTemporaryFile> partial;
  if (!target.isEmpty()) {
    partial.emplace(target + QStringLiteral(".XXXXXX"));
    if (partial->open()) {
      partial->close();
      device.setOutputFileName(partial->fileName());
    } else {
      partial.reset();  // a folder that takes no file: the printer fails as it would have
    }
  }
  std::optional<QProgressDialog> progress;
  if (!printout.progressText.isEmpty()) {
    progress.emplace(QString(), printout.cancelText, 0, 1, QApplication::activeWindow());
    progress->setWindowTitle(printout.title);
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setMinimumDuration(0);
  }
  const bool printed = paintTextPages(device, printout, [&](int page, int pages) {
    if (!progress) return true;
    progress->setMaximum(pages);
    progress->setLabelText(QString(printout.progressText).arg(page).arg(pages));
    progress->setValue(page - 1);  // a modal dialog lets the Cancel click through here
    // Asks the printer to drop what it was given; a spooler that only sends
    // the job once it is complete may not be able to.
    if (progress->wasCanceled()) device.abort();
    return !progress->wasCanceled();
  });
  if (partial) {
    device.setOutputFileName(target);
    if (printed && (!QFile::exists(target) || QFile::remove(target)) && partial->rename(target)) partial->setAutoRemove(false);
  }
  return printed ? PrintResult::Printed : PrintResult::Cancelled;
}

void QtDesktop::printImage(const QString& title, Orientation orientation, const QImage& image) {
  printer().setDocName(title);
  printer().setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  paintImagePage(printer(), image);
}

void QtDesktop::printImageAt(const QString& title, const QImage& image, const QRect& devicePixels) {
  printer().setDocName(title);
  paintImageAt(printer(), image, devicePixels);
}

QSize QtDesktop::screenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().size() : QSize(1280, 810);
}

QString QtDesktop::clipboardText() const { return QGuiApplication::clipboard()->text(); }
void QtDesktop::setClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }
void QtDesktop::setClipboardImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }
void QtDesktop::openUrl(const QString& url) { QDesktopServices::openUrl(QUrl(url)); }

void QtDesktop::showException(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QApplication::applicationDisplayName(), text);
}

}  // namespace bxl::platform
