#include "platform/richtext/FormatRuns.h"

namespace bxl::platform {

void appendFormatRun(std::vector<FormatRun>& runs, const FormatRun& run) {
  if (!runs.empty() && runs.back().start + runs.back().length == run.start && runs.back().format == run.format)
    runs.back().length += run.length;
  else
    runs.push_back(run);
}

std::vector<FormatRun> formatRunsOf(std::span<const StyleRun> styles) {
  std::vector<FormatRun> runs;
  runs.reserve(styles.size());
  for (const StyleRun& run : styles) {
    const TextStyle& style = run.style;
    runs.push_back({qsizetype(run.start), qsizetype(run.length),
                    CharFormat{QColor(style.color.red, style.color.green, style.color.blue), style.bold, style.italic,
                               style.underline, style.strikeout}});
  }
  return runs;
}

std::size_t markMatches(RichEdit& edit, const QString& pattern, const QColor& color) {
  const QString text = edit.plainText();
  std::vector<FormatRun> marks;
  std::size_t found = 0;
  for (qsizetype at = text.indexOf(pattern, 0, Qt::CaseInsensitive); at >= 0;
       at = text.indexOf(pattern, at + pattern.size(), Qt::CaseInsensitive)) {
    ++found;
    CharFormat format = edit.formatAt(at);
    format.color = color;
    format.bold = format.underline = true;
    appendFormatRun(marks, {at, pattern.size(), format});
  }
  edit.applyFormats(marks);
  return found;
}

}  // namespace bxl::platform
