#pragma once

#include <QPoint>
#include <QRect>
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

// The squares of `tile` x `tile` pixels, on a grid from the picture's corner,
// that hold some of the pixels; squares side by side in a row come as one
// rectangle, rows top to bottom. What a thin figure changes, at a cost that
// follows its length, not its area.
std::vector<QRect> tilesHolding(const std::vector<QPoint>& pixels, int tile);

}  // namespace ornix
