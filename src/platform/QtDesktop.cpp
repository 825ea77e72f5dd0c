#include "platform/QtDesktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QUrl>

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

void QtDesktop::printText(const QString& title, Orientation orientation, const QStringList& lines, const QFont& font) {
  printer().setDocName(title);
  printer().setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  paintTextPages(printer(), lines, font);
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
