#include "area_overlay.h"

#include "model/numbers.h"
#include "picture_canvas.h"
#include "platform/regions.h"

namespace ornix {
namespace {

const QColor highlightBlue(0, 0, 255);

QPoint pointOf(const Point& point) { return {point.x, point.y}; }

QPolygon polygonOf(const Area& area) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(area.points.size()));
  for (const Point& point : area.points) polygon << pointOf(point);
  return polygon;
}

}  // namespace

QRegion regionOf(const Area& area) {
  switch (area.shape) {
    case Shape::rectangle: return rectangleRegion(pointOf(area.points.at(0)), pointOf(area.points.at(1)));
    case Shape::circle: return circleRegion(pointOf(area.points.at(0)), area.radius);
    case Shape::polygon: return polygonRegion(polygonOf(area));
  }
  return {};
}

bool keepsShape(const Area& area) {
  if (area.shape == Shape::polygon) return !regionOf(area).isEmpty();
  return largeEnough(area) && (area.shape != Shape::circle || roundedRadius(area.radius));
}

AreaOverlay::AreaOverlay(PictureCanvas& canvas) : canvas(canvas) {}

void AreaOverlay::insert(std::size_t index, const Area& area, bool outlineDrawn) {
  const auto shown = regions.insert(regions.begin() + static_cast<std::ptrdiff_t>(index), regionOf(area));
  toggleHighlight(*shown);
  if (!outlineDrawn) drawOutline(canvas, area);
}

void AreaOverlay::remove(std::size_t index, const Area& area) {
  drawOutline(canvas, area);
  toggleHighlight(regions.at(index));
  regions.erase(regions.begin() + static_cast<std::ptrdiff_t>(index));
}

std::optional<std::size_t> AreaOverlay::areaAt(QPointF position) const {
  const std::optional<std::int32_t> x = roundToInt32(position.x());
  const std::optional<std::int32_t> y = roundToInt32(position.y());
  if (!x || !y) return std::nullopt;
  for (std::size_t index = 0; index < regions.size(); ++index) {
    if (regions[index].contains(QPoint(*x, *y))) return index;
  }
  return std::nullopt;
}

void AreaOverlay::drawOutline(PictureCanvas& canvas, const Area& area) {
  const QColor pen = canvas.backgroundColour();
  switch (area.shape) {
    case Shape::rectangle: canvas.xorBox(pointOf(area.points.at(0)), pointOf(area.points.at(1)), pen); break;
    case Shape::circle: canvas.xorCircle(pointOf(area.points.at(0)), area.radius, pen); break;
    case Shape::polygon:
      for (std::size_t i = 0; i < area.points.size(); ++i) {
        canvas.xorLine(pointOf(area.points[i]), pointOf(area.points[(i + 1) % area.points.size()]), pen);
        canvas.xorDot(pointOf(area.points[i]), pen);
      }
      break;
  }
}

void AreaOverlay::toggleHighlight(const QRegion& region) { canvas.xorFill(region, highlightBlue); }

// The removed areas come off from the last one back, so that taking a whole
// map off moves no other area; then the inserted ones go on in order.
void AreaOverlay::show(const MapChange& change, bool outlineDrawn) {
  for (std::size_t k = change.removed.size(); k > 0; --k) remove(change.index + k - 1, change.removed[k - 1]);
  for (std::size_t k = 0; k < change.inserted.size(); ++k) insert(change.index + k, change.inserted[k], outlineDrawn);
}

}  // namespace ornix
