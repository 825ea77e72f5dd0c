#pragma once
// The small pictures of the picture buttons, drawn rather than shipped.
#include <QIcon>

namespace bxl::ui {

QIcon spanishFlag();
QIcon britishFlag();
QIcon graphGlyph();
QIcon orfGlyph();
QIcon printerGlyph();

}  // namespace bxl::ui
