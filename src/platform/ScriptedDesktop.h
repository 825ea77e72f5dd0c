#pragma once
// A desktop for scripted runs: answers come from a queue the script fills,
// every dialog is logged, print jobs become PDF files, the screen has any size.
#include <QDir>
#include <deque>
#include <optional>

#include "platform/Desktop.h"

namespace bxl::platform {

class ScriptedDesktop : public Desktop {
 public:
  explicit ScriptedDesktop(QSize screen);

  // A queued answer: Yes, No, OK or Cancel, or a file path for the open dialog.
  void queueAnswer(const QString& answer, bool isPath);
  void setPrintDir(const QString& dir);
  // Whether the desktop has a printer; it has one unless the script says otherwise.
  void setPrinterInstalled(bool installed) { printerInstalled_ = installed; }
  // The progress dialog of the next print job that shows one is cancelled
  // when it comes to this page (counted from 1).
  void cancelPrintAtPage(int page) { cancelAtPage_ = page; }
  // Every dialog shown since the last call, one line each.
  QStringList takeLog();
  // The first dialog that found no fitting answer since the last call.
  QString takeFailure();
  QImage clipboardImage() const { return clipboardImage_; }
  bool clipboardHoldsImage() const { return clipboardHoldsImage_; }

  Answer message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons) override;
  std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& defaultSuffix) override;
  bool printerInstalled() const override { return printerInstalled_; }
  using Desktop::printDialog;
  // Logs the setup on a line of its own before the answer, when it offers anything.
  bool printDialog(QWidget* parent, const PrintDialogSetup& setup) override;
  int pageCount(const TextPrintout& printout) override;
  // Logs the job, and its progress dialog when it has one: the page it last
  // showed and how it ended. A cancelled job leaves no file.
  using Desktop::printText;
  PrintResult printText(const TextPrintout& printout) override;
  void printImage(const QString& title, Orientation orientation, const QImage& image) override;
  void printImageAt(const QString& title, const QImage& image, const QRect& devicePixels) override;
  QSize screenSize() const override { return screen_; }
  QString clipboardText() const override { return clipboardHoldsImage_ ? QString() : clipboardText_; }
  void setClipboardText(const QString& text) override;
  void setClipboardImage(const QImage& image) override;
  void openUrl(const QString& url) override;
  void showException(QWidget* parent, const QString& text) override;
  bool timersRun() const override { return false; }
  // Covers the scripted screen: an offscreen window has no window manager to maximise it.
  void showMaximized(QWidget* window) override;

 private:
  struct Queued {
    QString text;
    bool isPath;
  };
  std::optional<Queued> take();
  void fail(const QString& why);
  QString nextPrintFile(const QString& title, Orientation orientation);

  QSize screen_;
  std::deque<Queued> answers_;
  QStringList log_;
  QString failure_;
  QDir printDir_;
  int printJobs_ = 0;
  bool printerInstalled_ = true;
  std::optional<int> cancelAtPage_;
  QString clipboardText_;
  QImage clipboardImage_;
  bool clipboardHoldsImage_ = false;
};

}  // namespace bxl::platform
