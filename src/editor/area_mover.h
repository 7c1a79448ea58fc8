#pragma once

#include <QPointF>
#include <optional>

#include "model/area_geometry.h"
#include "model/image_map.h"

namespace ornix {

// An area moved or reshaped: its place in the list and its new value.
struct MovedArea {
  std::size_t index = 0;
  Area area;
};

// Ctrl and a drag on an area: pressed within reach of a handle (a corner, a
// vertex, a circle's rim), the drag reshapes the area; pressed inside it, the
// drag moves it. While dragging, the area's outline follows the pointer; no
// point leaves the picture.
class AreaMover {
 public:
  // Starts on the handle within `reach` of the press, or else on `areaUnder`;
  // false when there is neither.
  bool press(const ImageMap& map, QPointF position, std::optional<std::size_t> areaUnder, std::int32_t reach);
  void move(QPointF position);
  // The area as released; nothing when it is where it was, or when it was
  // reshaped below the sizes drawing keeps, and returns to its shape.
  std::optional<MovedArea> release(QPointF position);
  // The area a press took hold of.
  std::size_t heldArea() const { return index; }
  // The drag ends without a change: the moving outline goes.
  void cancel() { shown.reset(); }
  // The outline where the area is dragged to, as the canvas shows it.
  std::vector<std::vector<QPoint>> figures() const;

  // The pointer's shape where a Ctrl+press would move (an area) or reshape (a
  // handle); nothing elsewhere.
  static std::optional<Qt::CursorShape> pointerAt(const ImageMap& map, QPointF position,
                                                  std::optional<std::size_t> areaUnder, std::int32_t reach);

 private:
  Area candidate(QPointF position) const;

  std::size_t index = 0;
  Area original;
  std::optional<Handle> handle;
  Point start;
  PictureSize picture;
  std::optional<Area> shown;  // where the area is dragged to, while it differs from where it was
};

}  // namespace ornix
