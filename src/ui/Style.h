#pragma once
class QApplication;

namespace bxl::ui {

// The workbench's look: white windows, soft blue buttons and headers.
void applyStyle(QApplication& application);

}  // namespace bxl::ui
