#include "area_overlay.h"

#include <cmath>

#include "model/numbers.h"
#include "outline_pixels.h"
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

std::vector<std::vector<QPoint>> outlineFigures(const Area& area) {
  switch (area.shape) {
    case Shape::rectangle: {
      const QPoint first = pointOf(area.points.at(0));
      const QPoint second = pointOf(area.points.at(1));
      if (first == second) return {};
      return {boxPixels(first, second)};
    }
    case Shape::circle: return {circlePixels(pointOf(area.points.at(0)), area.radius)};
    case Shape::polygon: {
      std::vector<std::vector<QPoint>> figures;
      for (std::size_t i = 0; i < area.points.size(); ++i) {
        figures.push_back(linePixels(pointOf(area.points[i]), pointOf(area.points[(i + 1) % area.points.size()])));
        figures.push_back(dotPixels(pointOf(area.points[i])));
      }
      return figures;
    }
  }
  return {};
}

namespace {

// What an area's look covers: its region and its outline, dots and rim included.
QRect reachOf(const Area& area) {
  QRect reach = regionOf(area).boundingRect();
  for (const Point& point : area.points) reach |= QRect(point.x - 3, point.y - 3, 7, 7);
  if (area.shape == Shape::circle) {
    const int r = static_cast<int>(std::ceil(area.radius)) + 2;
    const QPoint centre = pointOf(area.points.at(0));
    reach |= QRect(centre - QPoint(r, r), centre + QPoint(r, r));
  }
  return reach;
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

AreaOverlay::AreaOverlay(PictureCanvas& canvas, const std::vector<Area>& areas) : canvas(canvas), areas(areas) {
  canvas.setAreaLook(this);
}

AreaOverlay::~AreaOverlay() { canvas.setAreaLook(nullptr); }

void AreaOverlay::insert(std::size_t index, const Area& area) {
  const auto at = static_cast<std::ptrdiff_t>(index);
  const QRect reach = reachOf(area);
  regions.insert(regions.begin() + at, regionOf(area));
  reaches.insert(reaches.begin() + at, reach);
  canvas.updatePicture(reach);
}

void AreaOverlay::remove(std::size_t index) {
  const auto at = static_cast<std::ptrdiff_t>(index);
  canvas.updatePicture(reaches.at(index));
  regions.erase(regions.begin() + at);
  reaches.erase(reaches.begin() + at);
}

void AreaOverlay::forgetAll() {
  regions.clear();
  reaches.clear();
  canvas.update();
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

// The areas are painted in map order over the part; each pixel of a figure
// is XORed once per figure, as the drag's figures are drawn.
void AreaOverlay::paintOnto(QImage& part, const QRect& inPicture) const {
  const QRgb outline = canvas.backgroundColour().rgb() & RGB_MASK;
  const QRgb highlight = highlightBlue.rgb() & RGB_MASK;
  // The part's pixel at a picture point, by the part's own rows.
  const auto line = [&part, &inPicture](int y) {
    return reinterpret_cast<QRgb*>(part.scanLine(y - inPicture.y())) - inPicture.x();
  };
  for (std::size_t index = 0; index < regions.size(); ++index) {
    if (!reaches[index].intersects(inPicture)) continue;
    for (const QRect& rect : regions[index]) {
      const QRect inside = rect & inPicture;
      for (int y = inside.top(); y <= inside.bottom(); ++y) {
        QRgb* row = line(y);
        for (int x = inside.left(); x <= inside.right(); ++x) row[x] ^= highlight;
      }
    }
    for (const std::vector<QPoint>& figure : outlineFigures(areas[index])) {
      for (const QPoint& pixel : figure) {
        if (inPicture.contains(pixel)) line(pixel.y())[pixel.x()] ^= outline;
      }
    }
  }
}

// The removed areas come off from the last one back, so that taking a whole
// map off moves no other area; then the inserted ones go on in order.
void AreaOverlay::show(const MapChange& change) {
  for (std::size_t k = change.removed.size(); k > 0; --k) remove(change.index + k - 1);
  for (std::size_t k = 0; k < change.inserted.size(); ++k) insert(change.index + k, change.inserted[k]);
}

}  // namespace ornix
