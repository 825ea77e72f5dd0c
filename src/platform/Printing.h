#pragma once
// Page layout shared by the real printer and the PDF files of scripted runs.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>

class QPagedPaintDevice;

namespace bxl::platform {

// Lines top to bottom in one font, as many pages as they need.
void paintTextPages(QPagedPaintDevice& device, const QStringList& lines, const QFont& font);
// One picture scaled to fit the page, keeping its proportions.
void paintImagePage(QPagedPaintDevice& device, const QImage& image);
// One picture stretched onto a rectangle of the device's pixels.
void paintImageAt(QPagedPaintDevice& device, const QImage& image, const QRect& devicePixels);

}  // namespace bxl::platform
