#include "area_mover.h"

#include "area_overlay.h"
#include "drawing_tool.h"

namespace ornix {
namespace {

Point pixelAt(QPointF position) {
  const QPoint pixel = wholePixel(position);
  return {pixel.x(), pixel.y()};
}

struct HandleHit {
  std::size_t index;
  Handle handle;
};

std::optional<HandleHit> handleHit(const ImageMap& map, Point point, std::int32_t reach) {
  for (std::size_t index = 0; index < map.areas.size(); ++index) {
    if (const std::optional<Handle> handle = handleAt(map.areas[index], point, reach)) return HandleHit{index, *handle};
  }
  return std::nullopt;
}

// Diagonal arrows for a rectangle's corners, the other way for the corners
// across from them; one kind for a vertex or a rim.
Qt::CursorShape resizePointer(const Area& area, Handle handle) {
  if (area.shape != Shape::rectangle) return Qt::SizeFDiagCursor;
  const bool leftX = area.points[handle.xOf].x <= area.points[1 - handle.xOf].x;
  const bool topY = area.points[handle.yOf].y <= area.points[1 - handle.yOf].y;
  return leftX == topY ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
}

}  // namespace

bool AreaMover::press(const ImageMap& map, QPointF position, std::optional<std::size_t> areaUnder, std::int32_t reach) {
  if (!map.picture) return false;
  start = pixelAt(position);
  const std::optional<HandleHit> hit = handleHit(map, start, reach);
  if (!hit && !areaUnder) return false;
  index = hit ? hit->index : *areaUnder;
  handle = hit ? std::optional(hit->handle) : std::nullopt;
  original = map.areas.at(index);
  picture = {map.picture->width, map.picture->height};
  return true;
}

Area AreaMover::candidate(QPointF position) const {
  const Point to = pixelAt(position);
  if (handle) return reshaped(original, *handle, to, picture);
  return moved(original, {to.x - start.x, to.y - start.y}, picture);
}

void AreaMover::move(QPointF position) {
  Area next = candidate(position);
  shown = next == original ? std::nullopt : std::optional(std::move(next));
}

std::optional<MovedArea> AreaMover::release(QPointF position) {
  shown.reset();
  Area released = candidate(position);
  if (released == original || !keepsShape(released)) return std::nullopt;
  return MovedArea{index, std::move(released)};
}

std::vector<std::vector<QPoint>> AreaMover::figures() const {
  return shown ? outlineFigures(*shown) : std::vector<std::vector<QPoint>>{};
}

std::optional<Qt::CursorShape> AreaMover::pointerAt(const ImageMap& map, QPointF position,
                                                    std::optional<std::size_t> areaUnder, std::int32_t reach) {
  if (const std::optional<HandleHit> hit = handleHit(map, pixelAt(position), reach)) {
    return resizePointer(map.areas[hit->index], hit->handle);
  }
  if (areaUnder) return Qt::SizeAllCursor;
  return std::nullopt;
}

}  // namespace ornix
