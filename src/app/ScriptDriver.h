#pragma once
// Runs a script of user actions against the open windows and prints what the
// script asks to see. It knows windows and controls only by class and object
// name, so it serves every window without knowing its commands.
#include <QImage>
#include <QString>
#include <functional>
#include <span>
#include <vector>

#include "app/ScriptLine.h"

class QObject;

namespace bxl::platform {
class ScriptedDesktop;
}
namespace bxl::ui {
class Form;
}

namespace bxl::app {

class ScriptDriver {
 public:
  using Output = std::function<void(const QString&)>;
  ScriptDriver(platform::ScriptedDesktop& desktop, Output out);

  // Carries out the script; returns 0 at its end, or 2 with the reason on
  // standard error at the first line that cannot be carried out.
  int runFile(const QString& path);
  // Carries out one line (blank lines and comments do nothing); throws ScriptError.
  void runLine(const QString& line);

 private:
  // One verb of the script language: its usage as error messages quote it, how
  // many words may follow it, and what carries it out. A new verb is one more
  // row of the table in ScriptDriver.cpp and one handler.
  struct Verb {
    const char* name;
    const char* usage;
    std::size_t minArguments, maxArguments;
    void (ScriptDriver::*run)(const std::vector<Word>& words);
  };
  static std::span<const Verb> verbs();

  void set(const std::vector<Word>& words);
  void select(const std::vector<Word>& words);
  void focus(const std::vector<Word>& words);
  void click(const std::vector<Word>& words);
  void key(const std::vector<Word>& words);
  void press(const std::vector<Word>& words);
  void tick(const std::vector<Word>& words);
  void answer(const std::vector<Word>& words);
  void find(const std::vector<Word>& words);
  void printDir(const std::vector<Word>& words);
  void printer(const std::vector<Word>& words);
  void cancelPrint(const std::vector<Word>& words);
  void clipboard(const std::vector<Word>& words);
  void clipboardFile(const std::vector<Word>& words);
  void popup(const std::vector<Word>& words);
  void resize(const std::vector<Word>& words);
  void reveal(const std::vector<Word>& words);
  void dump(const std::vector<Word>& words);
  void dumpState(const std::vector<Word>& words);
  void dumpClipboard(const std::vector<Word>& words);
  void pixel(const std::vector<Word>& words);
  void image(const std::vector<Word>& words);
  void grab(const std::vector<Word>& words);
  void messages(const std::vector<Word>& words);
  void close(const std::vector<Word>& words);

  struct Target {
    ui::Form* window = nullptr;
    QObject* control = nullptr;  // nullptr when the line names the window itself
    QString name;                // as written, for messages and dumps
  };
  Target resolve(const QString& path) const;
  QObject* controlOf(const Word& word) const;
  QImage pictureOf(const Word& word) const;
  void settle();

  platform::ScriptedDesktop& desktop_;
  Output out_;
};

}  // namespace bxl::app
