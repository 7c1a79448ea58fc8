#include "drawing_tools.h"

#include <cmath>
#include <limits>

#include "hotspots.h"
#include "map_surface.h"
#include "model/numbers.h"
#include "platform/ui.h"

namespace ornix {
namespace {

constexpr double smallestRectangle = 70;  // product of the sides, square pixels
constexpr float smallestRadius = 7.0f;
constexpr int closingBox = 10;             // pixels around the first vertex
constexpr int pauseAfterArea = 200;        // milliseconds
constexpr std::int16_t lastSlot = EditorState::polygonSlots - 1;

// A pointer coordinate as a whole pixel, halves to even; the picture is never
// larger than 16 bits, so only a pointer far outside it is pinned to the range.
std::int16_t whole(double coordinate) {
  if (const std::optional<std::int16_t> value = roundToInt16(coordinate)) return *value;
  return coordinate < 0 ? std::numeric_limits<std::int16_t>::min() : std::numeric_limits<std::int16_t>::max();
}

QPoint wholePoint(QPointF position) { return {whole(position.x()), whole(position.y())}; }

float distance(QPoint from, QPointF to) {
  return static_cast<float>(std::hypot(to.x() - from.x(), to.y() - from.y()));
}

}  // namespace

DrawingTools::DrawingTools(MapDocument& document, Regions& regions, MapSurface& surface,
                           Hotspots& hotspots, DrawingHost& host, Ui& ui)
    : document(document), state(document.editorState()), regions(regions), surface(surface),
      hotspots(hotspots), host(host), ui(ui) {}

bool DrawingTools::ignoresPointer(bool rightButton) const {
  return state.popupPending || rightButton || !document.imageLoaded();
}

QPoint DrawingTools::anchor() const { return {state.anchorX, state.anchorY}; }

QPoint DrawingTools::vertex(int slot) const {
  const auto index = static_cast<std::size_t>(slot);
  return {state.polyX[index], state.polyY[index]};
}

void DrawingTools::mapee_MouseDown(Qt::MouseButton button, QPointF position) {
  if (ignoresPointer(button == Qt::RightButton)) return;
  state.polygonJustClosed = false;
  if (hotspots.areaAt(position)) {
    state.pressInHotspot = true;  // the release goes to selection
    return;
  }
  state.anchorX = whole(position.x());
  state.anchorY = whole(position.y());
  penPosition = position;
  state.radius = 0.0f;  // a click without a drag is a circle of radius 0
  state.dragging = true;
  if (state.currentTool == Tool::polygon) pressPolygon();
}

void DrawingTools::pressPolygon() {
  addPolygonVertex();
  if (polygonCloses()) {
    finishPolygon();
  } else {
    ++state.vertexCount;
  }
}

// Stores the click in the next slot and draws its dot and the edge from the
// previous vertex, or, for the closing click, the closing edge.
void DrawingTools::addPolygonVertex() {
  const QColor pen = surface.backgroundColour();
  const int slot = state.vertexCount;
  const QPoint click = wholePoint(penPosition);
  state.polyX[static_cast<std::size_t>(slot)] = static_cast<std::int16_t>(click.x());
  state.polyY[static_cast<std::size_t>(slot)] = static_cast<std::int16_t>(click.y());
  if (polygonCloses()) {
    surface.xorLine(vertex(slot - 1), vertex(0), pen);
    return;
  }
  surface.xorDot(click, pen);
  if (slot > 0) surface.xorLine(vertex(slot - 1), click, pen);
}

// The click in slot vertexCount closes the polygon when at least three vertices
// stand and it lands within 10 pixels of the first; the last slot always closes.
bool DrawingTools::polygonCloses() const {
  const int slot = state.vertexCount;
  if (slot <= 2) return false;
  if (slot >= lastSlot) return true;
  const QPoint delta = vertex(slot) - vertex(0);
  return std::abs(delta.x()) < closingBox && std::abs(delta.y()) < closingBox;
}

// A polygon that encloses no pixel (its vertices on one spot or one line)
// could never be clicked again: like a too small rectangle or circle it is
// dropped and its outline erased.
void DrawingTools::finishPolygon() {
  const int count = state.vertexCount;
  state.dragging = false;
  state.vertexCount = 0;
  state.polyPoints.clear();
  for (int slot = 0; slot < count; ++slot) state.polyPoints.push_back({vertex(slot).x(), vertex(slot).y()});
  QPolygon points;
  for (const Point32& point : state.polyPoints) points << QPoint(point.x, point.y);
  state.polygonJustClosed = true;
  surface.setCursor(Qt::CrossCursor);
  if (QRegion(points, Qt::OddEvenFill).isEmpty()) {
    hotspots.drawOutline(ShapeKind::poly, {points.begin(), points.end()}, 0);
    return;
  }
  hotspots.addDrawnArea(polyShape(state.polyPoints), regions.createPolygon(points));
  host.areasChanged();
}

void DrawingTools::mapee_MouseMove(Qt::MouseButtons held, QPointF position) {
  if (ignoresPointer(held.testFlag(Qt::RightButton))) return;
  if (!document.areaList().empty() && state.pressInHotspot) return;
  showClosingPointer(position);
  if (!state.dragging) return;
  if (state.currentTool == Tool::circle) dragCircle(position);
  if (state.currentTool == Tool::rectangle) dragRectangle(position);
}

// The up arrow near the first vertex announces that a click there closes the polygon.
void DrawingTools::showClosingPointer(QPointF position) {
  bool nearFirst = false;
  if (state.currentTool == Tool::polygon && state.vertexCount >= 2) {
    nearFirst = std::abs(position.x() - state.polyX[0]) < closingBox &&
                std::abs(position.y() - state.polyY[0]) < closingBox;
  }
  const Qt::CursorShape shape = nearFirst ? Qt::UpArrowCursor : Qt::CrossCursor;
  if (surface.cursor().shape() != shape) surface.setCursor(shape);
}

void DrawingTools::dragRectangle(QPointF position) {
  const QColor pen = surface.backgroundColour();
  surface.xorBox(anchor(), wholePoint(penPosition), pen);
  surface.xorBox(anchor(), wholePoint(position), pen);
  penPosition = position;
}

void DrawingTools::dragCircle(QPointF position) {
  const QColor pen = surface.backgroundColour();
  surface.xorCircle(anchor(), distance(anchor(), penPosition), pen);
  state.radius = distance(anchor(), position);
  surface.xorCircle(anchor(), state.radius, pen);
  penPosition = position;
}

// A release that is swallowed still ends the drag it belongs to, so no rubber
// band is left to follow the pointer.
void DrawingTools::mapee_MouseUp(Qt::MouseButton button, QPointF position) {
  if (state.ignoreNextRelease) {
    state.ignoreNextRelease = false;
    endDrag();
  } else if (state.popupPending) {
    state.popupPending = false;
    endDrag();
  } else if (state.polygonJustClosed) {
    state.polygonJustClosed = false;
  } else if (button == Qt::RightButton) {
    host.showFileMenu();
  } else if (state.pressInHotspot) {
    host.selectAreaAt(position);
    state.pressInHotspot = false;
  } else if (!state.dragging) {
    // No drawing press before it (the second release of a double click):
    // selection only, and nothing drawn.
    if (!document.areaList().empty()) host.selectAreaAt(position);
  } else if (document.imageLoaded()) {
    state.dragging = false;
    if (finishShape(position)) {
      ui.pause(pauseAfterArea);
      host.areasChanged();
    }
  }
}

void DrawingTools::endDrawing() {
  endDrag();
  erasePolygonInProgress();
  state.vertexCount = 0;
}

// Takes the rubber band off the picture; a polygon's vertices stay.
void DrawingTools::endDrag() {
  if (!state.dragging) return;
  state.dragging = false;
  const QColor pen = surface.backgroundColour();
  if (state.currentTool == Tool::rectangle) surface.xorBox(anchor(), wholePoint(penPosition), pen);
  if (state.currentTool == Tool::circle) surface.xorCircle(anchor(), distance(anchor(), penPosition), pen);
}

// Draws the unfinished polygon's dots and edges once more, which removes them.
void DrawingTools::erasePolygonInProgress() {
  const QColor pen = surface.backgroundColour();
  for (int slot = 0; slot < state.vertexCount; ++slot) {
    surface.xorDot(vertex(slot), pen);
    if (slot > 0) surface.xorLine(vertex(slot - 1), vertex(slot), pen);
  }
}

// True when a new area was made.
bool DrawingTools::finishShape(QPointF position) {
  switch (state.currentTool) {
    case Tool::rectangle: return finishRectangle(position);
    case Tool::circle: return finishCircle();
    case Tool::polygon: return false;
  }
  return false;
}

// The band is brought to the release point first, so the outline left on the
// picture is exactly the box its numbers describe.
bool DrawingTools::finishRectangle(QPointF position) {
  dragRectangle(position);
  const QPoint corner = wholePoint(position);
  const QPoint sides = corner - anchor();
  if (std::abs(static_cast<double>(sides.x())) * std::abs(sides.y()) < smallestRectangle) {
    surface.xorBox(anchor(), corner, surface.backgroundColour());
    return false;
  }
  const ShapeTexts shape = rectShape(state.anchorX, state.anchorY, static_cast<std::int16_t>(corner.x()),
                                     static_cast<std::int16_t>(corner.y()));
  hotspots.addDrawnArea(shape, regions.createRect(anchor(), corner));
  return true;
}

// The radius is the one of the last rubber band, not measured to the release point.
bool DrawingTools::finishCircle() {
  const float radius = state.radius;
  const std::optional<ShapeTexts> shape =
      radius < smallestRadius ? std::nullopt : circleShape(state.anchorX, state.anchorY, radius);
  if (!shape) {
    surface.xorCircle(anchor(), radius, surface.backgroundColour());
    return false;
  }
  hotspots.addDrawnArea(*shape, regions.createCircle(anchor(), radius));
  return true;
}

}  // namespace ornix
