#pragma once
// Building the format runs a rich edit applies in one pass, as every window
// colours its texts: marks over a display or an editor, a document's styles.
#include <QColor>
#include <QString>
#include <cstddef>
#include <span>
#include <vector>

#include "platform/RichEdit.h"
#include "sequence/SequenceFile.h"

namespace bxl::platform {

// Adds a run after the last one (runs go in order and do not overlap); a run
// that starts where the last one ends, in the same format, lengthens it instead,
// so a genome's worth of marks stays as few runs as it can.
void appendFormatRun(std::vector<FormatRun>& runs, const FormatRun& run);

// The format runs of a sequence document's style runs.
std::vector<FormatRun> formatRunsOf(std::span<const StyleRun> styles);

// Marks every match of `pattern` in the edit, found without regard to case and
// without overlaps: a match keeps the format of its first character and gains
// the colour, bold and underline. Returns how many matches were marked.
std::size_t markMatches(RichEdit& edit, const QString& pattern, const QColor& color);

}  // namespace bxl::platform
