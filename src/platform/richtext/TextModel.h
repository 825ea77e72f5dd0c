#pragma once
// The text behind a rich edit, built for whole genomes: the characters, where
// each line starts, character formats kept as runs over positions, and the
// rows a fixed-pitch view lays the lines out in. Positions are 0-based and a
// line end is one character ("\n").
#include <QString>
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/RichEdit.h"

namespace bxl::platform {

class TextModel {
 public:
  const QString& text() const { return text_; }
  qsizetype length() const { return text_.size(); }
  // Replaces everything; line ends are normalised and every format is cleared.
  void setText(const QString& text);
  // Replaces [start, start + length) by text, which takes the format of the
  // character before it (of the one after it at the very start).
  void replace(qsizetype start, qsizetype length, const QString& text);

  qsizetype lineCount() const { return qsizetype(lineStarts_.size()); }
  qsizetype lineStart(qsizetype line) const { return lineStarts_[std::size_t(line)]; }
  qsizetype lineLength(qsizetype line) const;
  qsizetype lineOf(qsizetype position) const;
  qsizetype longestLine() const;

  CharFormat formatAt(qsizetype position) const;
  void setFormat(qsizetype start, qsizetype length, const CharFormat& format);
  // Many ranges at once, in one pass; ranges are sorted and do not overlap.
  void setFormats(std::span<const FormatRun> runs);
  // The maximal runs whose format is not plain black.
  std::vector<FormatRun> formatRuns() const;
  // Calls paint(start, length, format) for each stretch of one format inside [from, to).
  template <class Paint>
  void forEachStretch(qsizetype from, qsizetype to, Paint paint) const;

  // Rows of a view that wraps lines at `columns` characters (0: no wrap).
  void setColumns(int columns);
  int columns() const { return columns_; }
  qsizetype rowCount() const;
  struct RowColumn {
    qsizetype row;
    qsizetype column;
  };
  RowColumn rowColumnOf(qsizetype position) const;
  // The position shown at a row and column, kept inside the row's line.
  qsizetype positionAt(qsizetype row, qsizetype column) const;
  // The first position and the length of a row.
  qsizetype rowStart(qsizetype row) const;
  qsizetype rowLength(qsizetype row) const;

 private:
  struct Boundary {
    qsizetype start;
    std::uint32_t format;  // index into formats_
  };
  std::uint32_t formatIndexAt(qsizetype position) const;
  std::uint32_t intern(const CharFormat& format);
  // Drops repeated and out-of-range boundaries and keeps one at 0.
  void normalizeRuns();
  void invalidateRows() { rowsValid_ = false; }
  void computeRows() const;
  qsizetype rowsOfLine(qsizetype line) const;

  QString text_;
  std::vector<qsizetype> lineStarts_{0};
  std::vector<Boundary> runs_;                 // sorted; each run lasts until the next boundary
  std::vector<CharFormat> formats_{CharFormat{}};  // index 0 is plain black
  int columns_ = 0;
  mutable bool rowsValid_ = false;
  mutable std::vector<qsizetype> firstRow_;  // first row of each line when wrapping
  mutable qsizetype longest_ = -1;
};

template <class Paint>
void TextModel::forEachStretch(qsizetype from, qsizetype to, Paint paint) const {
  if (from >= to) return;
  auto it = std::upper_bound(runs_.begin(), runs_.end(), from, [](qsizetype p, const Boundary& b) { return p < b.start; });
  if (it != runs_.begin()) --it;
  qsizetype at = from;
  while (at < to) {
    const std::uint32_t format = it == runs_.end() ? 0 : it->format;
    const auto next = it == runs_.end() ? runs_.end() : std::next(it);
    const qsizetype end = next == runs_.end() ? to : std::min(to, next->start);
    paint(at, end - at, formats_[format]);
    at = end;
    it = next;
  }
}

}  // namespace bxl::platform
