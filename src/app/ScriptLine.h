#pragma once
// One line of a script, cut into words and quoted texts.
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace bxl::app {

struct Word {
  QString text;
  bool quoted = false;
};

// A line that cannot be carried out, with the reason.
class ScriptError : public std::runtime_error {
 public:
  explicit ScriptError(const QString& why) : std::runtime_error(why.toStdString()) {}
};

// Words are separated by blanks; a quoted text takes the escapes backslash-n,
// -r, -t, -quote, -backslash and -xHH (one Latin-1 character).
// Throws ScriptError for a malformed line.
std::vector<Word> splitScriptLine(const QString& line);

}  // namespace bxl::app
