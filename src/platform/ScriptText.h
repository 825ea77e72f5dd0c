#pragma once
// How scripts write texts: in double quotes, with \n \r \t \" \\ and \xHH escapes.
#include <QString>

namespace bxl::platform {

// The text in double quotes, escaped so that it reads back to the same characters.
QString quoteScriptText(const QString& text);

}  // namespace bxl::platform
