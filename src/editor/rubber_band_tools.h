#pragma once

#include "drawing_tool.h"

namespace ornix {

class PictureCanvas;

// A shape dragged out from its press point, with a rubber band that follows
// the pointer and stays on the picture as the new area's outline.
class RubberBandTool : public DrawingTool {
 public:
  std::optional<ShapeEnd> press(QPointF position) override;
  void move(QPointF position) override;
  void endDrag() override { drawBand(pen); }
  void cancel() override {}

 protected:
  explicit RubberBandTool(PictureCanvas& canvas) : canvas(canvas) {}
  // Draws the band from the anchor to `to` once more, which erases it again.
  virtual void drawBand(QPointF to) = 0;

  PictureCanvas& canvas;
  QPoint anchor;  // the press point: a rectangle's corner, a circle's centre
  QPointF pen;    // where the band was last drawn to
};

// Rectangles, from the press point to the release point.
class RectangleTool final : public RubberBandTool {
 public:
  explicit RectangleTool(PictureCanvas& canvas) : RubberBandTool(canvas) {}
  std::optional<Area> release(QPointF position) override;

 private:
  void drawBand(QPointF to) override;
};

// Circles around the press point, whose radius is that of the last band drawn.
class CircleTool final : public RubberBandTool {
 public:
  explicit CircleTool(PictureCanvas& canvas) : RubberBandTool(canvas) {}
  std::optional<Area> release(QPointF position) override;

 private:
  void drawBand(QPointF to) override;
  float radiusTo(QPointF to) const;
};

}  // namespace ornix
