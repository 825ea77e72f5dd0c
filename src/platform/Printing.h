#pragma once
// Page layout shared by the real printer and the PDF files of scripted runs.
#include <QFont>
#include <QImage>
#include <QStringList>

class QPagedPaintDevice;

namespace bxl::platform {

// Lines top to bottom in one font, as many pages as they need.
void paintTextPages(QPagedPaintDevice& device, const QStringList& lines, const QFont& font);
// One picture scaled to fit the page, keeping its proportions.
void paintImagePage(QPagedPaintDevice& device, const QImage& image);

}  // namespace bxl::platform
