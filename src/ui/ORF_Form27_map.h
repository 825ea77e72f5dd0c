#pragma once
// Paints the ORF position map from its geometry, a region at a time: the
// window shows the part in view and the printout the part it prints, and
// nothing ever holds the whole picture of a genome's map.
#include <QRect>

class QPainter;

namespace bxl::orf {
class OrfMap;
}

namespace bxl::ui {

// Paints the map's items that touch `region` (surface coordinates) over white.
// A rectangle's outline of width w lies inside it, along its edges, and a line
// of width w covers w pixels right of (or below) its course, so nothing is
// painted right of or below the coordinates the map gives.
void paintOrfMap(QPainter& painter, const orf::OrfMap& map, const QRect& region);

}  // namespace bxl::ui
