#include "rubber_band_tools.h"

#include <cmath>
#include <limits>

#include "area_overlay.h"
#include "model/numbers.h"
#include "outline_pixels.h"

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
  pen = anchor;  // no band yet: a box or circle of size 0, which shows nothing
  return std::nullopt;
}

Figures RectangleTool::figures() const {
  const QPoint corner = wholePixel(pen);
  if (corner == anchor) return {};
  return {boxPixels(anchor, corner)};
}

// The box its numbers describe is the one to the release point; the band
// goes, and the area, if the box is big enough to keep, shows its own outline.
std::optional<Area> RectangleTool::release(QPointF position) {
  const QPoint corner = wholePixel(position);
  pen = anchor;
  Area rectangle{Shape::rectangle, {{anchor.x(), anchor.y()}, {corner.x(), corner.y()}}, 0.0f, {}};
  if (keepsShape(rectangle)) return rectangle;
  return std::nullopt;
}

float CircleTool::radius() const { return static_cast<float>(std::hypot(pen.x() - anchor.x(), pen.y() - anchor.y())); }

Figures CircleTool::figures() const { return {circlePixels(anchor, radius())}; }

// The radius is the one of the last band shown, not measured to the release
// point; the band goes either way.
std::optional<Area> CircleTool::release(QPointF) {
  Area circle{Shape::circle, {{anchor.x(), anchor.y()}}, radius(), {}};
  pen = anchor;
  if (keepsShape(circle)) return circle;
  return std::nullopt;
}

}  // namespace ornix
