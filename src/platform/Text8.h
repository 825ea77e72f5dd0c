#pragma once
// Moving texts between the windows (Unicode) and the sequence code (8-bit).
#include <QString>
#include <string>
#include <string_view>

namespace bxl::platform {

// One byte per character; a character the 8-bit code page lacks (a Greek
// letter, an emoji written as a surrogate pair) becomes one '?'.
std::string toAnsi(const QString& text);
QString fromAnsi(std::string_view bytes);

}  // namespace bxl::platform
