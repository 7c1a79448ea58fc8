#pragma once

#include "drawing_tool.h"

namespace ornix {

// A shape dragged out from its press point, with a rubber band that follows
// the pointer until the release.
class RubberBandTool : public DrawingTool {
 public:
  std::optional<ShapeEnd> press(QPointF position) override;
  void move(QPointF position) override { pen = position; }
  void endDrag() override { pen = anchor; }
  void cancel() override { pen = anchor; }

 protected:
  QPoint anchor;  // the press point: a rectangle's corner, a circle's centre
  QPointF pen;    // where the band goes to; at the anchor, there is no band
};

// Rectangles, from the press point to the release point.
class RectangleTool final : public RubberBandTool {
 public:
  std::optional<Area> release(QPointF position) override;
  Figures figures() const override;
};

// Circles around the press point, whose radius is that of the last band shown.
class CircleTool final : public RubberBandTool {
 public:
  std::optional<Area> release(QPointF position) override;
  Figures figures() const override;

 private:
  float radius() const;
};

}  // namespace ornix
