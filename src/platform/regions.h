#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRegion>

namespace ornix {

// The screen regions hit tests are made against.

// A rectangle between two corners given in any order: its left and top edges
// are inside, its right and bottom edges outside.
QRegion rectangleRegion(QPoint corner1, QPoint corner2);

// The ellipse inscribed in the box from `topLeft` to `bottomRight` (right and bottom outside).
QRegion ellipseRegion(QPoint topLeft, QPoint bottomRight);

// The circle of `radius` around `centre`: the ellipse in the box whose bounds
// are rounded to whole pixels, halves to even.
QRegion circleRegion(QPointF centre, double radius);

// A polygon filled by the even-odd rule: where it crosses itself, the overlap is outside.
QRegion polygonRegion(const QPolygon& points);

}  // namespace ornix
