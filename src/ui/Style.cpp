#include "ui/Style.h"

#include <QApplication>

namespace bxl::ui {

namespace {
// Qt writes "::" of a class name as "--" in style sheet selectors.
constexpr const char* kStyleSheet = R"(
QMainWindow, QWidget#client { background: white; }
bxl--ui--SmoothButton, bxl--ui--SmoothToggleButton {
  color: #1d2f45;
  border: 1px solid #a9c0dc;
  border-radius: 7px;
  padding: 2px 8px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #dce8f6);
}
bxl--ui--SmoothButton:hover, bxl--ui--SmoothToggleButton:hover {
  border-color: #6f9bd1;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #cadcf3);
}
bxl--ui--SmoothButton:pressed, bxl--ui--SmoothToggleButton:checked {
  color: white;
  border-color: #2f5d99;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5d93d6, stop:1 #346aae);
}
bxl--ui--SmoothLabel { color: #1b3556; padding-left: 8px; }
QLabel#Cabecera {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #c4dcf4);
  padding-left: 2px;
  padding-top: 4px;
}
bxl--ui--BitBtn, bxl--ui--Button {
  color: #1d2f45;
  border: 1px solid #b8c8dc;
  border-radius: 4px;
  padding: 1px 6px;
  background: #ffffff;
}
bxl--ui--BitBtn:hover, bxl--ui--Button:hover { border-color: #6f9bd1; background: #f2f7fd; }
bxl--ui--BitBtn:pressed, bxl--ui--Button:pressed { background: #dce8f6; }
bxl--ui--Button#BtnLabelStops, bxl--ui--Button#BtnLabelMet { color: white; padding: 0px; }
bxl--ui--Button#BtnLabelStops { background: #d00000; border-color: #8f0000; }
bxl--ui--Button#BtnLabelStops:hover { background: #e01b1b; border-color: #8f0000; }
bxl--ui--Button#BtnLabelStops:pressed { background: #a80000; }
bxl--ui--Button#BtnLabelMet { background: #008000; border-color: #005400; }
bxl--ui--Button#BtnLabelMet:hover { background: #119411; border-color: #005400; }
bxl--ui--Button#BtnLabelMet:pressed { background: #006400; }
QTextEdit, QLineEdit, QListView { border: 1px solid #c3d1e2; border-radius: 3px; background: white; }
bxl--ui--Panel { background: #f3f7fc; border: 1px solid #c6d6ea; border-radius: 6px; }
bxl--ui--Panel#Panel20 { background: #f6f9fd; border: none; border-left: 1px solid #dbe5f1; border-radius: 0; }
bxl--ui--Bevel { color: #c6d6ea; }
QLabel#Label2 {
  color: #8a1010;
  background: rgba(255, 255, 255, 235);
  border: 1px solid #e3b8b8;
  border-radius: 5px;
  padding: 1px 8px;
}
)";
}  // namespace

void applyStyle(QApplication& application) { application.setStyleSheet(QString::fromLatin1(kStyleSheet)); }

}  // namespace bxl::ui
