#pragma once

#include <cstddef>
#include <optional>

#include "area.h"

namespace ornix {

// The size of the picture an area lies on, in pixels.
struct PictureSize {
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// The area moved by `delta`, as far as its points stay on the picture: the
// move stops at the picture's edges.
Area moved(const Area& area, Point delta, PictureSize picture);

// A point of an area that a drag reshapes: a rectangle's corner, whose x is
// that of its point `xOf` and whose y that of its point `yOf`; a polygon's
// vertex `xOf`; or any point of a circle's rim.
struct Handle {
  std::size_t xOf = 0;
  std::size_t yOf = 0;

  friend bool operator==(const Handle&, const Handle&) = default;
};

// The handle within `reach` pixels of a point, if there is one.
std::optional<Handle> handleAt(const Area& area, Point point, std::int32_t reach);

// The area with its handle dragged to `to`, which is kept on the picture: a
// corner or a vertex goes there, a circle's radius reaches there.
Area reshaped(const Area& area, Handle handle, Point to, PictureSize picture);

}  // namespace ornix
