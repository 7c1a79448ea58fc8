#include "picture_gestures.h"

#include "picture_canvas.h"
#include "polygon_tool.h"
#include "rubber_band_tools.h"

namespace ornix {
namespace {

constexpr bool pauseAfterDrag = true;

}  // namespace

PictureGestures::PictureGestures(PictureCanvas& canvas, GestureHost& host)
    : canvas(canvas),
      host(host),
      rectangle(std::make_unique<RectangleTool>(canvas)),
      circle(std::make_unique<CircleTool>(canvas)),
      polygon(std::make_unique<PolygonTool>(canvas)) {}

PictureGestures::~PictureGestures() = default;

// Switching tools keeps an unfinished polygon: choosing the polygon again continues it.
void PictureGestures::chooseTool(ToolKind kind) { chosen = kind; }

DrawingTool& PictureGestures::tool() const {
  switch (chosen) {
    case ToolKind::circle: return *circle;
    case ToolKind::polygon: return *polygon;
    case ToolKind::rectangle: break;
  }
  return *rectangle;
}

bool PictureGestures::ignoresPointer(bool rightButton) const {
  return menuPending || rightButton || !host.hasPicture();
}

void PictureGestures::press(Qt::MouseButton button, QPointF position) {
  if (ignoresPointer(button == Qt::RightButton)) return;
  polygonJustClosed = false;
  if (host.areaAt(position)) {
    pressedInArea = true;  // nothing is drawn; the release goes to selection
    return;
  }
  dragging = true;
  std::optional<ShapeEnd> ended = tool().press(position);
  if (!ended) return;
  dragging = false;
  polygonJustClosed = true;
  canvas.setCursor(Qt::CrossCursor);
  if (ended->area) host.addDrawnArea(std::move(*ended->area), !pauseAfterDrag);
}

void PictureGestures::move(Qt::MouseButtons held, QPointF position) {
  if (ignoresPointer(held.testFlag(Qt::RightButton))) return;
  if (host.hasAreas() && pressedInArea) return;
  const Qt::CursorShape shape = tool().pointerAt(position);
  if (canvas.cursor().shape() != shape) canvas.setCursor(shape);
  if (dragging) tool().move(position);
}

void PictureGestures::release(Qt::MouseButton button, QPointF position) {
  if (swallowsRelease()) return;
  if (button == Qt::RightButton) {
    host.showFileMenu();
  } else if (pressedInArea) {
    host.editAreaAt(position, true);
    pressedInArea = false;
  } else if (!dragging) {
    // No drawing press before it (the second release of a double click):
    // selection only, and nothing drawn.
    if (host.hasAreas()) host.editAreaAt(position, false);
  } else if (host.hasPicture()) {
    dragging = false;
    if (std::optional<Area> drawn = tool().release(position)) host.addDrawnArea(std::move(*drawn), pauseAfterDrag);
  }
}

// A release that is swallowed still ends the drag it belongs to, so no rubber
// band is left to follow the pointer.
bool PictureGestures::swallowsRelease() {
  if (ignoreNextRelease) {
    ignoreNextRelease = false;
    endDrag();
  } else if (menuPending) {
    menuPending = false;
    endDrag();
  } else if (polygonJustClosed) {
    polygonJustClosed = false;
  } else {
    return false;
  }
  return true;
}

void PictureGestures::endDrag() {
  if (!dragging) return;
  dragging = false;
  tool().endDrag();
}

void PictureGestures::endDrawing() {
  endDrag();
  polygon->cancel();
}

std::size_t PictureGestures::polygonVertices() const { return polygon->verticesPlaced(); }

}  // namespace ornix
