#include "regions.h"

#include <algorithm>
#include <cmath>

namespace ornix {

QRegion rectangleRegion(QPoint corner1, QPoint corner2) {
  // Built from the corners directly: QRect::normalized() shifts reversed corners by a pixel.
  const int left = std::min(corner1.x(), corner2.x());
  const int top = std::min(corner1.y(), corner2.y());
  const int right = std::max(corner1.x(), corner2.x());
  const int bottom = std::max(corner1.y(), corner2.y());
  return {left, top, right - left, bottom - top};
}

QRegion ellipseRegion(QPoint topLeft, QPoint bottomRight) {
  return {topLeft.x(), topLeft.y(), bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y(), QRegion::Ellipse};
}

QRegion circleRegion(QPointF centre, double radius) {
  const auto rounded = [](double value) { return static_cast<int>(std::nearbyint(value)); };
  return ellipseRegion({rounded(centre.x() - radius), rounded(centre.y() - radius)},
                       {rounded(centre.x() + radius), rounded(centre.y() + radius)});
}

QRegion polygonRegion(const QPolygon& points) { return {points, Qt::OddEvenFill}; }

}  // namespace ornix
