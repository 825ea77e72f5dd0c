#pragma once
// Scaling a window by a percentage: positions, sizes and font sizes of the
// window and of every control on it.
class QFont;
class QObject;
class QWidget;

namespace bxl::platform {

// value * numerator / denominator, rounded half away from zero.
int mulDiv(int value, int numerator, int denominator);
QFont scaledFont(const QFont& font, int percent);

// Marks an object as one of the window's own controls (not a part Qt made
// inside another control), so that scaling moves and resizes it.
void markAsControl(QObject* control);
bool isControl(const QObject* object);

void scaleWindow(QWidget* window, int percent);

}  // namespace bxl::platform
