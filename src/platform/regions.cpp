#include "regions.h"

#include <algorithm>
#include <cmath>

namespace ornix {

std::int32_t Regions::createRect(QPoint corner1, QPoint corner2) {
  // Built from the corners directly: QRect::normalized() shifts reversed corners by a pixel.
  const int left = std::min(corner1.x(), corner2.x());
  const int top = std::min(corner1.y(), corner2.y());
  const int right = std::max(corner1.x(), corner2.x());
  const int bottom = std::max(corner1.y(), corner2.y());
  return keep(QRegion(left, top, right - left, bottom - top));
}

std::int32_t Regions::createEllipse(QPoint topLeft, QPoint bottomRight) {
  return keep(QRegion(topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(),
                      bottomRight.y() - topLeft.y(), QRegion::Ellipse));
}

std::int32_t Regions::createCircle(QPointF centre, double radius) {
  const auto rounded = [](double value) { return static_cast<int>(std::nearbyint(value)); };
  return createEllipse({rounded(centre.x() - radius), rounded(centre.y() - radius)},
                       {rounded(centre.x() + radius), rounded(centre.y() + radius)});
}

std::int32_t Regions::createPolygon(const QPolygon& points) {
  return keep(QRegion(points, Qt::OddEvenFill));
}

bool Regions::contains(std::int32_t handle, QPoint point) const {
  const auto found = regions.find(handle);
  return found != regions.end() && found->second.contains(point);
}

std::optional<QRegion> Regions::region(std::int32_t handle) const {
  const auto found = regions.find(handle);
  if (found == regions.end()) return std::nullopt;
  return found->second;
}

void Regions::release(std::int32_t handle) { regions.erase(handle); }

std::int32_t Regions::keep(QRegion region) {
  const std::int32_t handle = nextHandle++;
  regions.emplace(handle, std::move(region));
  return handle;
}

}  // namespace ornix
