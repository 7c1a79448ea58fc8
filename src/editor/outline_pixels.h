#pragma once

#include <QPoint>
#include <vector>

namespace ornix {

// The pixels of the figures drawn on the picture by exclusive-or. Each figure
// holds every one of its pixels once, so drawing it a second time restores
// every pixel; and the same figure always gives the same pixels, whichever
// way round its ends are given.

// The box's outline from corner to corner, both corners' rows and columns included.
std::vector<QPoint> boxPixels(QPoint corner1, QPoint corner2);
std::vector<QPoint> linePixels(QPoint from, QPoint to);
// The circle of `radius` around a whole-pixel centre.
std::vector<QPoint> circlePixels(QPoint centre, double radius);
// A round dot 5 pixels across.
std::vector<QPoint> dotPixels(QPoint at);

}  // namespace ornix
