#include "polygon_tool.h"

#include <cstdlib>

#include "area_overlay.h"
#include "outline_pixels.h"

namespace ornix {
namespace {

constexpr int closingBox = 10;             // pixels around the first vertex
constexpr std::size_t mostVertices = 255;  // the click after them closes the polygon

bool near(QPointF point, QPoint vertex) {
  return std::abs(point.x() - vertex.x()) < closingBox && std::abs(point.y() - vertex.y()) < closingBox;
}

}  // namespace

std::optional<ShapeEnd> PolygonTool::press(QPointF position) {
  const QPoint click = wholePixel(position);
  if (closesAt(click)) return ShapeEnd{close()};
  vertices.push_back(click);
  return std::nullopt;
}

bool PolygonTool::closesAt(QPoint click) const {
  if (vertices.size() <= 2) return false;
  return vertices.size() >= mostVertices || near(click, vertices.front());
}

// The closing click is not a vertex: it ends the polygon with the edge from
// the last vertex back to the first, and the edges shown so far go: the area
// shows its own outline. A polygon that encloses no pixel (its vertices
// on one spot or one line) could never be clicked again: like a too small
// rectangle or circle it is dropped.
std::optional<Area> PolygonTool::close() {
  Area polygon{Shape::polygon, {}, 0.0f, {}};
  for (const QPoint& vertex : vertices) polygon.points.push_back({vertex.x(), vertex.y()});
  cancel();
  if (keepsShape(polygon)) return polygon;
  return std::nullopt;
}

// A dot at each vertex and the edge from the one before it.
Figures PolygonTool::figures() const {
  Figures figures;
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    figures.push_back(dotPixels(vertices[i]));
    if (i > 0) figures.push_back(linePixels(vertices[i - 1], vertices[i]));
  }
  return figures;
}

Qt::CursorShape PolygonTool::pointerAt(QPointF position) const {
  return vertices.size() >= 2 && near(position, vertices.front()) ? Qt::UpArrowCursor : Qt::CrossCursor;
}

}  // namespace ornix
