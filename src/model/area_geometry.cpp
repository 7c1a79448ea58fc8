#include "area_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ornix {
namespace {

// How far a coordinate may move so that every one of `values` stays in 0..last.
std::int32_t allowed(std::int32_t step, std::int32_t lowest, std::int32_t highest, std::int32_t last) {
  const std::int32_t least = -lowest;
  const std::int32_t most = last - highest;
  return least <= most ? std::clamp(step, least, most) : 0;
}

bool near(Point a, Point b, std::int32_t reach) { return std::abs(a.x - b.x) <= reach && std::abs(a.y - b.y) <= reach; }

Point onPicture(Point point, PictureSize picture) {
  return {std::clamp(point.x, 0, std::max(picture.width - 1, 0)),
          std::clamp(point.y, 0, std::max(picture.height - 1, 0))};
}

double distance(Point a, Point b) { return std::hypot(static_cast<double>(a.x) - b.x, static_cast<double>(a.y) - b.y); }

}  // namespace

Area moved(const Area& area, Point delta, PictureSize picture) {
  if (area.points.empty()) return area;
  const auto [left, right] =
      std::minmax_element(area.points.begin(), area.points.end(), [](Point a, Point b) { return a.x < b.x; });
  const auto [top, bottom] =
      std::minmax_element(area.points.begin(), area.points.end(), [](Point a, Point b) { return a.y < b.y; });
  const Point step{allowed(delta.x, left->x, right->x, picture.width - 1),
                   allowed(delta.y, top->y, bottom->y, picture.height - 1)};
  Area result = area;
  for (Point& point : result.points) point = {point.x + step.x, point.y + step.y};
  return result;
}

std::optional<Handle> handleAt(const Area& area, Point point, std::int32_t reach) {
  const std::vector<Point>& points = area.points;
  switch (area.shape) {
    case Shape::rectangle:
      for (const std::size_t xOf : {0u, 1u}) {
        for (const std::size_t yOf : {0u, 1u}) {
          if (points.size() == 2 && near({points[xOf].x, points[yOf].y}, point, reach)) return Handle{xOf, yOf};
        }
      }
      return std::nullopt;
    case Shape::circle:
      if (points.empty() || std::abs(distance(points[0], point) - area.radius) > reach) return std::nullopt;
      return Handle{};
    case Shape::polygon:
      for (std::size_t vertex = 0; vertex < points.size(); ++vertex) {
        if (near(points[vertex], point, reach)) return Handle{vertex, vertex};
      }
      return std::nullopt;
  }
  return std::nullopt;
}

Area reshaped(const Area& area, Handle handle, Point to, PictureSize picture) {
  const Point target = onPicture(to, picture);
  Area result = area;
  switch (area.shape) {
    case Shape::rectangle:
      result.points.at(handle.xOf).x = target.x;
      result.points.at(handle.yOf).y = target.y;
      break;
    case Shape::circle: result.radius = static_cast<float>(distance(area.points.at(0), target)); break;
    case Shape::polygon: result.points.at(handle.xOf) = target; break;
  }
  return result;
}

}  // namespace ornix
