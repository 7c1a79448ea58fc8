#pragma once

#include <QPointF>
#include <QRegion>
#include <optional>
#include <vector>

#include "model/map_history.h"

namespace ornix {

class PictureCanvas;

// The areas as they stand on the picture: each one's region, which hit tests
// are made against, and its blue highlight and outline, drawn by exclusive-or
// so that drawing them again takes them off. It keeps the regions beside the
// map's areas, in the same order.
class AreaOverlay {
 public:
  explicit AreaOverlay(PictureCanvas& canvas);

  // Shows an area at `index`: its region and highlight, and its outline
  // unless that is on the picture already (a shape just drawn). The areas
  // from there on move down a place.
  void insert(std::size_t index, const Area& area, bool outlineDrawn = false);
  void append(const Area& area, bool outlineDrawn = false) { insert(regions.size(), area, outlineDrawn); }
  // Takes area `index` off the picture; the areas after it move up.
  void remove(std::size_t index, const Area& area);
  // Shows a change of the map, made from the map as it stands before it.
  void show(const MapChange& change, bool outlineDrawn);
  // The picture was replaced: no area stands on it any more.
  void forgetAll() { regions.clear(); }

  // The first area, in list order, whose region holds the point rounded to whole pixels.
  std::optional<std::size_t> areaAt(QPointF position) const;

  // An area's outline: a box between two corners, a circle around a centre,
  // or a polygon's edges, the closing one too, with a 5-pixel dot at each vertex.
  static void drawOutline(PictureCanvas& canvas, const Area& area);

 private:
  void toggleHighlight(const QRegion& region);

  PictureCanvas& canvas;
  std::vector<QRegion> regions;
};

// The region a click on the area is tested against.
QRegion regionOf(const Area& area);

// Whether drawing keeps a shape: a rectangle or circle big enough, a polygon
// that encloses a pixel (one that encloses none could never be clicked).
bool keepsShape(const Area& area);

}  // namespace ornix
