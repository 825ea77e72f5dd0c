#pragma once
// Page layout shared by the real printer and the PDF files of scripted runs.
#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <functional>
#include <span>
#include <vector>

#include "platform/Desktop.h"

class QPagedPaintDevice;

namespace bxl::platform {

// The lines [first, first + count) of the printout that one page holds.
struct PageLines {
  qsizetype first = 0;
  qsizetype count = 0;
  bool operator==(const PageLines&) const = default;
};

// `lines` lines laid out on pages of `linesPerPage`, whole blocks at a time: a
// block that does not fit on what is left of a page starts the next page, and
// only a block taller than a page is split, over as many pages as it needs.
// Lines after the last block stand alone. No lines, no pages.
std::vector<PageLines> paginate(qsizetype lines, std::span<const qsizetype> blocks, qsizetype linesPerPage);

// The pages the printout takes on the device, as paintTextPages paints them.
std::vector<PageLines> textPages(const QPagedPaintDevice& device, const TextPrintout& printout);

// Paints the printout page after page. Before each page, goOn(page, pages)
// (the page counted from 1) may say false to stop; returns whether every page
// was painted.
bool paintTextPages(QPagedPaintDevice& device, const TextPrintout& printout,
                    const std::function<bool(int page, int pages)>& goOn);

// One picture scaled to fit the page, keeping its proportions.
void paintImagePage(QPagedPaintDevice& device, const QImage& image);
// One picture stretched onto a rectangle of the device's pixels.
void paintImageAt(QPagedPaintDevice& device, const QImage& image, const QRect& devicePixels);

}  // namespace bxl::platform
