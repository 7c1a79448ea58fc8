#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <map>
#include <optional>

namespace ornix {

// Screen regions of the map's areas behind 32-bit handles, as the map document
// keeps them. Handles start at 1 and are never reused.
class Regions {
 public:
  // A rectangle between two corners given in any order: its left and top edges
  // are inside, its right and bottom edges outside.
  std::int32_t createRect(QPoint corner1, QPoint corner2);
  // The ellipse inscribed in the box from `topLeft` to `bottomRight` (right and bottom outside).
  std::int32_t createEllipse(QPoint topLeft, QPoint bottomRight);
  // The circle of `radius` around `centre`: the ellipse in the box whose
  // bounds are rounded to whole pixels, halves to even.
  std::int32_t createCircle(QPointF centre, double radius);
  // A polygon filled by the even-odd rule.
  std::int32_t createPolygon(const QPolygon& points);

  bool contains(std::int32_t handle, QPoint point) const;
  std::optional<QRegion> region(std::int32_t handle) const;
  void release(std::int32_t handle);
  std::size_t count() const { return regions.size(); }

 private:
  std::int32_t keep(QRegion region);

  std::map<std::int32_t, QRegion> regions;
  std::int32_t nextHandle = 1;
};

}  // namespace ornix
