#pragma once
// The desktop as Qt gives it: real dialogs, the system printer and clipboard.
#include <memory>

#include "platform/Desktop.h"

class QPrintDialog;
class QPrinter;

namespace bxl::platform {

class QtDesktop : public Desktop {
 public:
  QtDesktop();
  ~QtDesktop() override;
  Answer message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons) override;
  std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& defaultSuffix) override;
  bool printerInstalled() const override;
  using Desktop::printDialog;
  bool printDialog(QWidget* parent, const PrintDialogSetup& setup) override;
  int pageCount(const TextPrintout& printout) override;
  using Desktop::printText;
  PrintResult printText(const TextPrintout& printout) override;
  void printImage(const QString& title, Orientation orientation, const QImage& image) override;
  void printImageAt(const QString& title, const QImage& image, const QRect& devicePixels) override;
  QSize screenSize() const override;
  QString clipboardText() const override;
  void setClipboardText(const QString& text) override;
  void setClipboardImage(const QImage& image) override;
  void openUrl(const QString& url) override;
  void showException(QWidget* parent, const QString& text) override;
  // The printer the print dialog sets up; every job goes to it.
  QPrinter& printer();

 private:
  std::unique_ptr<QPrinter> printer_;
};

// Offers what the setup asks for in Qt's print dialog; it only adds choices, so
// a caller that asks for none gets the dialog as Qt makes it.
void setUpPrintDialog(QPrintDialog& dialog, const PrintDialogSetup& setup);

}  // namespace bxl::platform
