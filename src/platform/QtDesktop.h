#pragma once
// The desktop as Qt gives it: real dialogs, the system printer and clipboard.
#include <memory>

#include "platform/Desktop.h"

class QPrinter;

namespace bxl::platform {

class QtDesktop : public Desktop {
 public:
  QtDesktop();
  ~QtDesktop() override;
  Answer message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons) override;
  std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& defaultSuffix) override;
  bool printerInstalled() const override;
  bool printDialog(QWidget* parent) override;
  int pageCount(const TextPrintout& printout) override;
  using Desktop::printText;
  PrintResult printText(const TextPrintout& printout) override;
  void printImage(const QString& title, Orientation orientation, const QImage& image) override;
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

}  // namespace bxl::platform
