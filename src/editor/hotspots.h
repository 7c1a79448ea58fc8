#pragma once

#include <QPointF>
#include <cstdint>
#include <optional>
#include <string>

#include <vector>

#include "model/area_text.h"
#include "model/map_block_reader.h"
#include "model/map_document.h"
#include "platform/regions.h"

namespace ornix {

class MapSurface;

// The areas as they stand on the picture: their regions, their blue highlight
// and their outlines, all drawn by exclusive-or.
class Hotspots {
 public:
  Hotspots(MapDocument& document, Regions& regions, MapSurface& surface);

  // Toggles the highlight of a region: a pure blue fill by exclusive-or.
  void ReDraw(std::int32_t region);
  // The first area, in list order, whose region holds the point rounded to whole pixels.
  std::optional<std::size_t> areaAt(QPointF position) const;
  // Appends a drawn shape with its region, highlighted, and the new area's defaults.
  void addDrawnArea(const ShapeTexts& shape, std::int32_t region);
  // Takes an area's outline and highlight off the picture and drops it from the map.
  void deleteArea(std::size_t index);
  // Draws an area's outline once more from its coordinate text, which removes it.
  void eraseOutline(const std::string& coordText);
  // An area's outline: a box between two corners, a circle around a centre, or
  // a polygon's edges, the closing one too, with a 5-pixel dot at each vertex.
  void drawOutline(ShapeKind kind, const std::vector<QPoint>& points, double radius);

 private:
  MapDocument& document;
  Regions& regions;
  MapSurface& surface;
};

}  // namespace ornix
