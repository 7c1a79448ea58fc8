#include "picture_gestures.h"

#include "picture_canvas.h"
#include "polygon_tool.h"
#include "rubber_band_tools.h"

#include <utility>

namespace ornix {
PictureGestures::PictureGestures(PictureCanvas& canvas, GestureHost& host, std::function<ToolKind()> chosenTool)
    : canvas(canvas),
      host(host),
      rectangle(std::make_unique<RectangleTool>()),
      circle(std::make_unique<CircleTool>()),
      polygon(std::make_unique<PolygonTool>()),
      chosenTool(std::move(chosenTool)) {}

PictureGestures::~PictureGestures() = default;

// Switching tools keeps an unfinished polygon: choosing the polygon again continues it.
DrawingTool& PictureGestures::tool() const {
  switch (chosenTool()) {
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
    pressed = Press::moving;
    host.selectArea(mover.heldArea());
    return;
  }
  if (areaUnder) {
    pressed = Press::inArea;  // nothing is drawn; the release goes to selection
    return;
  }
  pressed = Press::drawing;
  std::optional<ShapeEnd> ended = tool().press(position);
  showDrag();
  if (!ended) return;
  pressed = Press::none;
  polygonJustClosed = true;
  canvas.setCursor(Qt::CrossCursor);
  if (ended->area) host.addDrawnArea(std::move(*ended->area), DrawnBy::clicks);
}

void PictureGestures::move(Qt::MouseButtons held, QPointF position, Qt::KeyboardModifiers modifiers) {
  if (ignoresPointer(held.testFlag(Qt::RightButton))) return;
  if (pressed == Press::moving) {
    mover.move(position);
    return showDrag();
  }
  if (hasAreas() && pressed == Press::inArea) return;
  showPointer(position, modifiers);
  if (pressed != Press::drawing) return;
  tool().move(position);
  showDrag();
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
  const Press ended = button == Qt::RightButton ? pressed : std::exchange(pressed, Press::none);
  if (ended == Press::moving && button != Qt::RightButton) {
    std::optional<MovedArea> moved = mover.release(position);
    showDrag();
    if (moved) host.replaceArea(std::move(*moved));
  } else if (button == Qt::RightButton) {
    host.showFileMenu();
  } else if (ended == Press::inArea) {
    host.editAreaAt(position, true);
  } else if (ended != Press::drawing) {
    // No drawing press before it (the second release of a double click):
    // selection only, and nothing drawn.
    if (hasAreas()) host.editAreaAt(position, false);
  } else if (host.map().picture) {
    std::optional<Area> drawn = tool().release(position);
    showDrag();
    if (drawn) host.addDrawnArea(std::move(*drawn), DrawnBy::drag);
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
  if (pressed == Press::moving) mover.cancel();
  if (pressed == Press::drawing) tool().endDrag();
  pressed = Press::none;
  showDrag();
}

void PictureGestures::endDrawing() {
  endDrag();
  polygon->cancel();
  showDrag();
}

// The canvas shows the unfinished polygon, whichever tool is chosen, and the
// drag in progress.
void PictureGestures::showDrag() {
  Figures figures = polygon->figures();
  const auto add = [&figures](Figures more) { figures.insert(figures.end(), more.begin(), more.end()); };
  if (pressed == Press::drawing && &tool() != polygon.get()) add(tool().figures());
  if (pressed == Press::moving) add(mover.figures());
  canvas.showDrag(figures);
}

}  // namespace ornix
