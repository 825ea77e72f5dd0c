#pragma once
// The desktop services the windows use: message boxes, file and print
// dialogs, the printer, the screen, the clipboard and the web browser.
// Windows reach them only through desktop(), so tests can script every answer.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace bxl::platform {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No, Cancel };
enum class Orientation { Portrait, Landscape };

// What a print dialog offers besides the printer and copies: page numbers to
// choose from (none when lastPage is 0), a page range, the selection.
struct PrintDialogSetup {
  int firstPage = 0;
  int lastPage = 0;
  bool pageRange = false;
  bool selection = false;
  bool operator==(const PrintDialogSetup&) const = default;
};

// Lines of text to print in one font, page after page, as a titled document.
struct TextPrintout {
  QString title;
  Orientation orientation = Orientation::Portrait;
  QStringList lines;
  QFont font;
  // How many lines each block has, in order: a block is never split over two
  // pages unless it is taller than a page. Lines beyond the blocks stand alone.
  std::vector<qsizetype> blocks;
  // The progress dialog that stands in front while the pages print: its text,
  // with %1 the page and %2 the pages, and its Cancel button. No text, no dialog.
  QString progressText;
  QString cancelText;
};

enum class PrintResult { Printed, Cancelled };

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A modal message box; returns the button pressed.
  virtual Answer message(QWidget* parent, const QString& caption, const QString& text, Buttons buttons) = 0;
  // The open dialog; filter as "Name|*.EXT|Name|*.ext". Returns the chosen path.
  virtual std::optional<QString> openFile(QWidget* parent, const QString& filter, const QString& defaultSuffix) = 0;
  // Whether any printer is set up on this desktop.
  virtual bool printerInstalled() const = 0;
  // The print dialog, set up as asked; true when the user confirms.
  virtual bool printDialog(QWidget* parent, const PrintDialogSetup& setup) = 0;
  bool printDialog(QWidget* parent) { return printDialog(parent, PrintDialogSetup{}); }
  // How many pages the printout takes on the printer the print dialog chose.
  virtual int pageCount(const TextPrintout& printout) = 0;
  // Prints it. Cancel in its progress dialog ends the job: nothing of it
  // reaches the printer where the printer allows, and no file is left behind.
  virtual PrintResult printText(const TextPrintout& printout) = 0;
  // Prints lines of text in one font, page after page, as a titled document.
  void printText(const QString& title, Orientation orientation, const QStringList& lines, const QFont& font) {
    printText(TextPrintout{title, orientation, lines, font, {}, {}, {}});
  }
  // Prints one picture, scaled to the page width.
  virtual void printImage(const QString& title, Orientation orientation, const QImage& image) = 0;
  // Prints one picture stretched onto a rectangle of the printer's device
  // pixels, whatever the size and orientation of the page.
  virtual void printImageAt(const QString& title, const QImage& image, const QRect& devicePixels) = 0;
  virtual QSize screenSize() const = 0;
  virtual QString clipboardText() const = 0;
  virtual void setClipboardText(const QString& text) = 0;
  virtual void setClipboardImage(const QImage& image) = 0;
  virtual void openUrl(const QString& url) = 0;
  // The application's standard message for an error that ended a command.
  virtual void showException(QWidget* parent, const QString& text) = 0;
  // Whether timers run by themselves; scripted runs deliver ticks explicitly.
  virtual bool timersRun() const { return true; }
  // Shows a window maximised on the screen.
  virtual void showMaximized(QWidget* window);
};

// The desktop set at start-up; throws std::logic_error when none was set.
Desktop& desktop();
// Start-up sets the desktop once (QtDesktop, or ScriptedDesktop for scripts and
// tests); nullptr takes it away again.
void setDesktop(std::unique_ptr<Desktop> desktop);

// Converts "Name|*.EXT|Other|*.x" into Qt's "Name (*.EXT);;Other (*.x)".
QString qtFileFilter(const QString& filter);

}  // namespace bxl::platform
