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
      polygon(std::make_unique<PolygonTool>(canvas)),
      mover(canvas) {}

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
  return menuPending || rightButton || !host.map().picture;
}

void PictureGestures::press(Qt::MouseButton button, QPointF position, Qt::KeyboardModifiers modifiers) {
  if (ignoresPointer(button == Qt::RightButton)) return;
  polygonJustClosed = false;
  const std::optional<std::size_t> areaUnder = host.areaAt(position);
  if (modifiers.testFlag(Qt::ControlModifier) && mover.press(host.map(), position, areaUnder, host.handleReach())) {
    moving = true;
    host.selectArea(mover.heldArea());
    return;
  }
  if (areaUnder) {
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

void PictureGestures::move(Qt::MouseButtons held, QPointF position, Qt::KeyboardModifiers modifiers) {
  if (ignoresPointer(held.testFlag(Qt::RightButton))) return;
  if (moving) {
    mover.move(position);
    return;
  }
  if (hasAreas() && pressedInArea) return;
  showPointer(position, modifiers);
  if (dragging) tool().move(position);
}

void PictureGestures::showPointer(QPointF position, Qt::KeyboardModifiers modifiers) {
  std::optional<Qt::CursorShape> shape;
  if (modifiers.testFlag(Qt::ControlModifier) && host.map().picture) {
    shape = AreaMover::pointerAt(host.map(), position, host.areaAt(position), host.handleReach());
  }
  const Qt::CursorShape shown = shape.value_or(tool().pointerAt(position));
  if (canvas.cursor().shape() != shown) canvas.setCursor(shown);
}

void PictureGestures::release(Qt::MouseButton button, QPointF position) {
  if (swallowsRelease()) return;
  if (moving && button != Qt::RightButton) {
    moving = false;
    if (std::optional<MovedArea> moved = mover.release(position)) host.replaceArea(std::move(*moved));
  } else if (button == Qt::RightButton) {
    host.showFileMenu();
  } else if (pressedInArea) {
    host.editAreaAt(position, true);
    pressedInArea = false;
  } else if (!dragging) {
    // No drawing press before it (the second release of a double click):
    // selection only, and nothing drawn.
    if (hasAreas()) host.editAreaAt(position, false);
  } else if (host.map().picture) {
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
  if (moving) mover.cancel();
  moving = false;
  if (!dragging) return;
  dragging = false;
  tool().endDrag();
}

void PictureGestures::endDrawing() {
  endDrag();
  polygon->cancel();
}

}  // namespace ornix
