#pragma once
// How windows fit themselves to the screen: they are designed for 1280 x 810
// and scale down on smaller screens, with fixed steps for some common sizes.
#include <QSize>
#include <optional>

namespace bxl::ui {

class Form;

// The percentage for this screen, or nothing when the window keeps its size.
std::optional<int> screenScalePercent(QSize screen);

// Small screens are scaled once more, and plain and picture buttons get small fonts.
struct SmallScreenStep {
  int percent;
  int buttonPoints;
  int bitButtonPoints;
};
std::optional<SmallScreenStep> smallScreenStep(QSize screen);

// Applies both steps to the window.
void scaleForScreen(Form& window, QSize screen);

}  // namespace bxl::ui
