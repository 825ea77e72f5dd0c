#include "platform/richtext/TextModel.h"

#include <algorithm>

namespace bxl::platform {

void TextModel::setText(const QString& text) {
  text_ = normalizeLineEnds(text);
  lineStarts_.assign(1, 0);
  const QChar* data = text_.constData();
  for (qsizetype i = 0; i < text_.size(); ++i)
    if (data[i] == QLatin1Char('\n')) lineStarts_.push_back(i + 1);
  runs_.clear();
  formats_.assign(1, CharFormat{});
  normalizeRuns();
  longest_ = -1;
  invalidateRows();
}

void TextModel::replace(qsizetype start, qsizetype length, const QString& inserted) {
  start = std::clamp<qsizetype>(start, 0, text_.size());
  length = std::clamp<qsizetype>(length, 0, text_.size() - start);
  const QString with = normalizeLineEnds(inserted);
  const qsizetype end = start + length;
  const qsizetype delta = with.size() - length;
  const std::uint32_t insertedFormat = formatIndexAt(start > 0 ? start - 1 : start);
  const std::uint32_t afterFormat = formatIndexAt(end);

  text_.replace(start, length, with);

  // Line starts: those inside the replaced stretch go, later ones move, new ones come.
  const auto firstGone = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), start);
  const auto firstKept = std::upper_bound(firstGone, lineStarts_.end(), end);
  std::vector<qsizetype> added;
  for (qsizetype i = 0; i < with.size(); ++i)
    if (with[i] == QLatin1Char('\n')) added.push_back(start + i + 1);
  for (auto it = firstKept; it != lineStarts_.end(); ++it) *it += delta;
  const auto at = lineStarts_.erase(firstGone, firstKept);
  lineStarts_.insert(at, added.begin(), added.end());

  // Formats: the replaced stretch collapses, later runs move, the new text gets its format.
  const auto firstRun = std::lower_bound(runs_.begin(), runs_.end(), start, [](const Boundary& b, qsizetype p) { return b.start < p; });
  const auto lastRun = std::upper_bound(firstRun, runs_.end(), end, [](qsizetype p, const Boundary& b) { return p < b.start; });
  for (auto it = lastRun; it != runs_.end(); ++it) it->start += delta;
  const auto where = runs_.erase(firstRun, lastRun);
  std::vector<Boundary> fresh;
  if (!with.isEmpty()) fresh.push_back({start, insertedFormat});
  fresh.push_back({start + with.size(), afterFormat});
  runs_.insert(where, fresh.begin(), fresh.end());
  normalizeRuns();

  longest_ = -1;
  invalidateRows();
}

qsizetype TextModel::lineLength(qsizetype line) const {
  const qsizetype next = line + 1 < lineCount() ? lineStart(line + 1) - 1 : text_.size();
  return next - lineStart(line);
}

qsizetype TextModel::lineOf(qsizetype position) const {
  const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
  return qsizetype(it - lineStarts_.begin()) - 1;
}

qsizetype TextModel::longestLine() const {
  if (longest_ < 0) {
    longest_ = 0;
    for (qsizetype line = 0; line < lineCount(); ++line) longest_ = std::max(longest_, lineLength(line));
  }
  return longest_;
}

std::uint32_t TextModel::formatIndexAt(qsizetype position) const {
  const auto it = std::upper_bound(runs_.begin(), runs_.end(), position, [](qsizetype p, const Boundary& b) { return p < b.start; });
  return it == runs_.begin() ? 0 : std::prev(it)->format;
}

CharFormat TextModel::formatAt(qsizetype position) const { return formats_[formatIndexAt(position)]; }

std::uint32_t TextModel::intern(const CharFormat& format) {
  const auto it = std::find(formats_.begin(), formats_.end(), format);
  if (it != formats_.end()) return std::uint32_t(it - formats_.begin());
  formats_.push_back(format);
  return std::uint32_t(formats_.size() - 1);
}

void TextModel::setFormat(qsizetype start, qsizetype length, const CharFormat& format) {
  const FormatRun run{start, length, format};
  setFormats(std::span<const FormatRun>(&run, 1));
}

void TextModel::setFormats(std::span<const FormatRun> runs) {
  std::vector<Boundary> merged;
  merged.reserve(runs_.size() + 2 * runs.size());
  auto old = runs_.begin();
  std::uint32_t current = 0;  // the old format in force where the merge has got to
  const auto copyOldBefore = [&](qsizetype position) {
    for (; old != runs_.end() && old->start < position; ++old) {
      merged.push_back(*old);
      current = old->format;
    }
  };
  qsizetype done = 0;
  for (const FormatRun& run : runs) {
    const qsizetype start = std::clamp<qsizetype>(std::max(run.start, done), 0, text_.size());
    const qsizetype end = std::clamp<qsizetype>(run.start + run.length, start, text_.size());
    if (start >= end) continue;
    copyOldBefore(start);
    merged.push_back({start, intern(run.format)});
    for (; old != runs_.end() && old->start <= end; ++old) current = old->format;
    merged.push_back({end, current});
    done = end;
  }
  copyOldBefore(text_.size() + 1);
  runs_ = std::move(merged);
  normalizeRuns();
}

void TextModel::normalizeRuns() {
  std::vector<Boundary> clean;
  clean.reserve(runs_.size() + 1);
  if (!text_.isEmpty()) {
    // Where several boundaries share a start the last one holds.
    for (std::size_t i = 0; i < runs_.size(); ++i) {
      const Boundary& b = runs_[i];
      if (b.start >= text_.size()) break;
      if (i + 1 < runs_.size() && runs_[i + 1].start <= b.start) continue;
      if (clean.empty() && b.start > 0) clean.push_back({0, 0});
      if (!clean.empty() && clean.back().format == b.format) continue;
      clean.push_back(b);
    }
    if (clean.empty()) clean.push_back({0, 0});
  }
  runs_ = std::move(clean);
}

std::vector<FormatRun> TextModel::formatRuns() const {
  std::vector<FormatRun> out;
  for (std::size_t i = 0; i < runs_.size(); ++i) {
    if (runs_[i].format == 0) continue;
    const qsizetype end = i + 1 < runs_.size() ? runs_[i + 1].start : text_.size();
    out.push_back({runs_[i].start, end - runs_[i].start, formats_[runs_[i].format]});
  }
  return out;
}

void TextModel::setColumns(int columns) {
  if (columns == columns_) return;
  columns_ = std::max(0, columns);
  invalidateRows();
}

qsizetype TextModel::rowsOfLine(qsizetype line) const {
  if (columns_ <= 0) return 1;
  return std::max<qsizetype>(1, (lineLength(line) + columns_ - 1) / columns_);
}

void TextModel::computeRows() const {
  if (rowsValid_) return;
  firstRow_.clear();
  if (columns_ > 0) {
    firstRow_.reserve(lineStarts_.size() + 1);
    qsizetype row = 0;
    for (qsizetype line = 0; line < lineCount(); ++line) {
      firstRow_.push_back(row);
      row += rowsOfLine(line);
    }
    firstRow_.push_back(row);
  }
  rowsValid_ = true;
}

qsizetype TextModel::rowCount() const {
  if (columns_ <= 0) return lineCount();
  computeRows();
  return firstRow_.back();
}

TextModel::RowColumn TextModel::rowColumnOf(qsizetype position) const {
  position = std::clamp<qsizetype>(position, 0, text_.size());
  const qsizetype line = lineOf(position);
  const qsizetype offset = position - lineStart(line);
  if (columns_ <= 0) return {line, offset};
  computeRows();
  // The end of a full row stays on that row rather than opening an empty one.
  const qsizetype sub = std::min(offset / columns_, rowsOfLine(line) - 1);
  return {firstRow_[std::size_t(line)] + sub, offset - sub * columns_};
}

qsizetype TextModel::rowStart(qsizetype row) const {
  if (columns_ <= 0) return lineStart(std::clamp<qsizetype>(row, 0, lineCount() - 1));
  computeRows();
  row = std::clamp<qsizetype>(row, 0, rowCount() - 1);
  const auto it = std::upper_bound(firstRow_.begin(), firstRow_.end() - 1, row);
  const qsizetype line = qsizetype(it - firstRow_.begin()) - 1;
  return lineStart(line) + (row - firstRow_[std::size_t(line)]) * columns_;
}

qsizetype TextModel::rowLength(qsizetype row) const {
  const qsizetype start = rowStart(row);
  const qsizetype line = lineOf(start);
  const qsizetype rest = lineStart(line) + lineLength(line) - start;
  return columns_ <= 0 ? rest : std::min<qsizetype>(rest, columns_);
}

qsizetype TextModel::positionAt(qsizetype row, qsizetype column) const {
  return rowStart(row) + std::clamp<qsizetype>(column, 0, rowLength(row));
}

}  // namespace bxl::platform
