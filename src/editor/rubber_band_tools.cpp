#include "rubber_band_tools.h"

#include <cmath>
#include <limits>

#include "area_overlay.h"
#include "model/numbers.h"
#include "picture_canvas.h"

namespace ornix {

QPoint wholePixel(QPointF position) {
  const auto whole = [](double coordinate) {
    if (const std::optional<std::int16_t> value = roundToInt16(coordinate)) return int{*value};
    return int{coordinate < 0 ? std::numeric_limits<std::int16_t>::min() : std::numeric_limits<std::int16_t>::max()};
  };
  return {whole(position.x()), whole(position.y())};
}

std::optional<ShapeEnd> RubberBandTool::press(QPointF position) {
  anchor = wholePixel(position);
  pen = anchor;  // no band yet: a box or circle of size 0, which draws nothing
  return std::nullopt;
}

void RubberBandTool::move(QPointF position) {
  drawBand(pen);
  drawBand(position);
  pen = position;
}

void RectangleTool::drawBand(QPointF to) { canvas.xorBox(anchor, wholePixel(to), canvas.backgroundColour()); }

// The band is brought to the release point first, so that the box its
// numbers describe is the one last shown; then it comes off, and the area,
// if the box is big enough to keep, shows its own outline.
std::optional<Area> RectangleTool::release(QPointF position) {
  move(position);
  drawBand(pen);
  const QPoint corner = wholePixel(position);
  Area rectangle{Shape::rectangle, {{anchor.x(), anchor.y()}, {corner.x(), corner.y()}}, 0.0f, {}};
  if (keepsShape(rectangle)) return rectangle;
  return std::nullopt;
}

float CircleTool::radiusTo(QPointF to) const {
  return static_cast<float>(std::hypot(to.x() - anchor.x(), to.y() - anchor.y()));
}

void CircleTool::drawBand(QPointF to) { canvas.xorCircle(anchor, radiusTo(to), canvas.backgroundColour()); }

// The radius is the one of the last band drawn, not measured to the release
// point; the band comes off either way.
std::optional<Area> CircleTool::release(QPointF) {
  drawBand(pen);
  Area circle{Shape::circle, {{anchor.x(), anchor.y()}}, radiusTo(pen), {}};
  if (keepsShape(circle)) return circle;
  return std::nullopt;
}

}  // namespace ornix
