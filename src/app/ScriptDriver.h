#pragma once
// Runs a script of user actions against the open windows and prints what the
// script asks to see. It knows windows and controls only by class and object
// name, so it serves every window without knowing its commands.
#include <QString>
#include <functional>
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
  struct Target {
    ui::Form* window = nullptr;
    QObject* control = nullptr;  // nullptr when the line names the window itself
    QString name;                // as written, for messages and dumps
  };
  Target resolve(const QString& path) const;
  QObject* controlOf(const Word& word) const;
  void settle();

  platform::ScriptedDesktop& desktop_;
  Output out_;
};

}  // namespace bxl::app
