#pragma once
// Readable failure messages for the graph's primitives and formats.
#include <ostream>

#include "graph/GraphImage.h"
#include "graph/GraphTextBox.h"

namespace bxl::graph {

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "rgb(" << int(c.red) << "," << int(c.green) << "," << int(c.blue) << ")";
}
inline void PrintTo(const Rectangle& r, std::ostream* out) {
  *out << "Rectangle(" << r.left << "," << r.top << " - " << r.right << "," << r.bottom << " pen " << r.pen << " w"
       << r.penWidth << (r.penStyle == PenStyle::Dotted ? " dotted" : "") << " brush ";
  if (r.brush) *out << *r.brush; else *out << "clear";
  *out << ")";
}
inline void PrintTo(const Text& t, std::ostream* out) {
  *out << "Text(" << t.left << "," << t.top << " \"" << t.text << "\" " << t.color << " on " << t.background << ")";
}
inline void PrintTo(const Primitive& p, std::ostream* out) {
  std::visit([out](const auto& item) { PrintTo(item, out); }, p);
}
inline void PrintTo(const FormatRun& r, std::ostream* out) {
  *out << "FormatRun(" << r.start << "+" << r.length << " " << r.change.color << (r.change.bold ? " bold" : "")
       << (r.change.underline ? " underline" : "") << ")";
}

}  // namespace bxl::graph
