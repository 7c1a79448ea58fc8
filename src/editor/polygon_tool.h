#pragma once

#include <QPoint>
#include <vector>

#include "drawing_tool.h"

namespace ornix {

// Polygons, a vertex a click: each click shows a 5-pixel dot and the edge from
// the vertex before, and a click within 10 pixels of the first vertex, once
// three stand, closes the polygon. The 256th click always closes it.
class PolygonTool final : public DrawingTool {
 public:
  std::optional<ShapeEnd> press(QPointF position) override;
  void move(QPointF) override {}
  std::optional<Area> release(QPointF) override { return std::nullopt; }
  void endDrag() override {}
  void cancel() override { vertices.clear(); }
  Figures figures() const override;
  // The up arrow near the first vertex announces that a click there closes the polygon.
  Qt::CursorShape pointerAt(QPointF position) const override;

 private:
  bool closesAt(QPoint click) const;
  std::optional<Area> close();

  std::vector<QPoint> vertices;
};

}  // namespace ornix
