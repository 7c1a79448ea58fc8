#pragma once

#include <QPoint>
#include <QPointF>
#include <optional>
#include <vector>

#include "model/area.h"

namespace ornix {

// A press that ends a shape: the area it makes, or none when the shape is
// dropped as too small.
struct ShapeEnd {
  std::optional<Area> area;
};

// The pixels of the figures a gesture shows over the picture while it goes on.
using Figures = std::vector<std::vector<QPoint>>;

// One way of drawing a new area with the mouse. A tool keeps only the points
// of the shape it is drawing, which the canvas paints from its figures, and
// hands back the area it finishes. Positions are pixels of the picture; the
// editor calls move, release and endDrag only between a press and its release.
class DrawingTool {
 public:
  virtual ~DrawingTool() = default;

  // A press on the picture; how the shape ended when the press ends one.
  virtual std::optional<ShapeEnd> press(QPointF position) = 0;
  // The pointer moved with the button held.
  virtual void move(QPointF position) = 0;
  // The release that ends a press; the finished area when it ends one.
  virtual std::optional<Area> release(QPointF position) = 0;
  // The release was swallowed: the drag's points are forgotten.
  virtual void endDrag() = 0;
  // Forgets a shape left unfinished between presses.
  virtual void cancel() = 0;
  // The shape so far, as the canvas shows it.
  virtual Figures figures() const = 0;
  // The pointer's shape at a point of the picture while this tool is chosen.
  virtual Qt::CursorShape pointerAt(QPointF) const { return Qt::CrossCursor; }
};

// A pointer position as a whole pixel, halves to even; a position beyond the
// 16 bits a picture can have is pinned to them.
QPoint wholePixel(QPointF position);

}  // namespace ornix
