#include "platform/Printing.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace bxl::platform {
namespace {

// Window fonts are sized in screen pixels; on paper a pixel is 1/96 inch.
QFont paperFont(const QFont& font) {
  QFont printFont(font);
  if (font.pixelSize() > 0) printFont.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
  return printFont;
}

}  // namespace

std::vector<PageLines> paginate(qsizetype lines, std::span<const qsizetype> blocks, qsizetype linesPerPage) {
  linesPerPage = std::max<qsizetype>(1, linesPerPage);
  std::vector<PageLines> pages;
  PageLines page;
  const auto add = [&](qsizetype block) {
    if (page.count > 0 && page.count + block > linesPerPage) {
      pages.push_back(page);
      page = {page.first + page.count, 0};
    }
    // Only a block taller than a whole page gets here with too many lines.
    while (page.count + block > linesPerPage) {
      block -= linesPerPage;
      pages.push_back({page.first, linesPerPage});
      page = {page.first + linesPerPage, 0};
    }
    page.count += block;
  };
  qsizetype laidOut = 0;
  for (const qsizetype block : blocks) {
    const qsizetype size = std::clamp<qsizetype>(block, 0, lines - laidOut);
    if (size > 0) add(size);
    laidOut += size;
  }
  for (; laidOut < lines; ++laidOut) add(1);
  if (page.count > 0) pages.push_back(page);
  return pages;
}

std::vector<PageLines> textPages(const QPagedPaintDevice& device, const TextPrintout& printout) {
  const QFontMetrics metrics(paperFont(printout.font), &device);
  const qsizetype linesPerPage = device.height() / std::max(1, metrics.lineSpacing());
  return paginate(printout.lines.size(), printout.blocks, linesPerPage);
}

bool paintTextPages(QPagedPaintDevice& device, const TextPrintout& printout,
                    const std::function<bool(int page, int pages)>& goOn) {
  const std::vector<PageLines> pages = textPages(device, printout);
  QPainter painter(&device);
  const QFont font = paperFont(printout.font);
  painter.setFont(font);
  const QFontMetrics metrics(font, &device);
  const int lineHeight = std::max(1, metrics.lineSpacing());
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (!goOn(int(p + 1), int(pages.size()))) return false;
    if (p > 0) device.newPage();
    int y = metrics.ascent();
    for (qsizetype line = pages[p].first; line < pages[p].first + pages[p].count; ++line, y += lineHeight)
      painter.drawText(0, y, printout.lines[line]);
  }
  return true;
}

void paintImagePage(QPagedPaintDevice& device, const QImage& image) {
  QPainter painter(&device);
  if (image.isNull()) return;
  const QSize fitted = image.size().scaled(device.width(), device.height(), Qt::KeepAspectRatio);
  painter.drawImage(QRect(QPoint(0, 0), fitted), image);
}

void paintImageAt(QPagedPaintDevice& device, const QImage& image, const QRect& devicePixels) {
  QPainter painter(&device);
  // Drawings keep their sharp edges on paper: no lossy compression on the way.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  painter.drawImage(devicePixels, image);
}

}  // namespace bxl::platform
