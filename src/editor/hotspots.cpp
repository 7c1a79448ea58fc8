#include "hotspots.h"

#include <charconv>
#include <vector>

#include "map_surface.h"
#include "model/numbers.h"
#include "model/text_helpers.h"

namespace ornix {
namespace {

const QColor highlightBlue(0, 0, 255);

// Field n (from 1) of a coordinate text as a number.
std::optional<double> numberAt(const std::string& coordText, int field) {
  const std::string text = fieldOf(coordText, static_cast<std::int16_t>(field), false);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<QPoint> pointAt(const std::string& coordText, int xField) {
  const std::optional<double> x = numberAt(coordText, xField);
  const std::optional<double> y = numberAt(coordText, xField + 1);
  if (!x || !y) return std::nullopt;
  const std::optional<std::int32_t> px = roundToInt32(*x);
  const std::optional<std::int32_t> py = roundToInt32(*y);
  if (!px || !py) return std::nullopt;
  return QPoint(*px, *py);
}

}  // namespace

Hotspots::Hotspots(MapDocument& document, Regions& regions, MapSurface& surface)
    : document(document), regions(regions), surface(surface) {}

void Hotspots::ReDraw(std::int32_t region) {
  if (const std::optional<QRegion> shape = regions.region(region)) surface.xorFill(*shape, highlightBlue);
}

std::optional<std::size_t> Hotspots::areaAt(QPointF position) const {
  const std::optional<std::int32_t> x = roundToInt32(position.x());
  const std::optional<std::int32_t> y = roundToInt32(position.y());
  if (!x || !y) return std::nullopt;
  const std::vector<std::int32_t>& list = document.regionList();
  for (std::size_t index = 0; index < list.size(); ++index) {
    if (regions.contains(list[index], QPoint(*x, *y))) return index;
  }
  return std::nullopt;
}

void Hotspots::addDrawnArea(const ShapeTexts& shape, std::int32_t region) {
  document.addArea(shape.areaText, region, shape.coordText);
  ReDraw(region);
  document.addAreaDefaults();
}

void Hotspots::deleteArea(std::size_t index) {
  eraseOutline(document.coordList().at(index));
  ReDraw(document.regionList().at(index));
  document.removeArea(index);
}

// A figure whose numbers cannot be read is skipped. A circle is drawn with the
// radius it was drawn with, decimals and all, so every pixel comes back.
void Hotspots::eraseOutline(const std::string& coordText) {
  const std::size_t bars = countBars(coordText);
  if (bars == 2) {
    const std::optional<QPoint> centre = pointAt(coordText, 1);
    const std::optional<double> radius = numberAt(coordText, 3);
    if (centre && radius) drawOutline(ShapeKind::circle, {*centre}, static_cast<float>(*radius));
  } else if (bars == 3) {
    const std::optional<QPoint> corner1 = pointAt(coordText, 1);
    const std::optional<QPoint> corner2 = pointAt(coordText, 3);
    if (corner1 && corner2) drawOutline(ShapeKind::rect, {*corner1, *corner2}, 0);
  } else if (bars >= 4) {
    std::vector<QPoint> vertices;
    for (std::size_t field = 1; field <= bars; field += 2) {
      const std::optional<QPoint> vertex = pointAt(coordText, static_cast<int>(field));
      if (!vertex) return;
      vertices.push_back(*vertex);
    }
    drawOutline(ShapeKind::poly, vertices, 0);
  }
}

void Hotspots::drawOutline(ShapeKind kind, const std::vector<QPoint>& points, double radius) {
  const QColor pen = surface.backgroundColour();
  switch (kind) {
    case ShapeKind::rect: surface.xorBox(points.at(0), points.at(1), pen); break;
    case ShapeKind::circle: surface.xorCircle(points.at(0), radius, pen); break;
    case ShapeKind::poly:
      for (std::size_t i = 0; i < points.size(); ++i) {
        surface.xorLine(points[i], points[(i + 1) % points.size()], pen);
        surface.xorDot(points[i], pen);
      }
      break;
  }
}

}  // namespace ornix
