#pragma once
// The state of a window or control as "Form.Control.property = value" lines.
#include <QImage>
#include <QStringList>

class QObject;

namespace bxl::ui {
class Form;
}

namespace bxl::app {

QStringList dumpControl(const QString& prefix, QObject* control);
QStringList dumpWindow(const QString& prefix, ui::Form* window);
// The picture of an image control, or a null image when the control shows none.
// A painted picture is painted whole for it.
QImage imageOf(QObject* control);

}  // namespace bxl::app
