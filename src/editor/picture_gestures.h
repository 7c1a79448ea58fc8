#pragma once

#include <QPointF>
#include <functional>
#include <memory>
#include <optional>

#include "area_mover.h"
#include "drawing_tool.h"

namespace ornix {

class PictureCanvas;
class PolygonTool;

enum class ToolKind { rectangle, circle, polygon };

// How a new area was drawn: by a drag, which the editor follows with a pause,
// or by clicks.
enum class DrawnBy { drag, clicks };

// What the mouse on the picture needs of the editor window.
class GestureHost {
 public:
  virtual ~GestureHost() = default;
  virtual const ImageMap& map() const = 0;
  virtual std::optional<std::size_t> areaAt(QPointF position) const = 0;
  // How near a handle, in picture pixels, a Ctrl+press reshapes.
  virtual std::int32_t handleReach() const = 0;
  virtual void showFileMenu() = 0;
  // A release that selects: the area under it is edited; when there is none
  // and the press was inside an area, the user is told why nothing is drawn.
  virtual void editAreaAt(QPointF position, bool pressedInArea) = 0;
  // A finished shape becomes an area; a dragged one is followed by a pause.
  virtual void addDrawnArea(Area area, DrawnBy drawn) = 0;
  virtual void replaceArea(MovedArea moved) = 0;
  // A Ctrl+press took hold of an area, to move or reshape it.
  virtual void selectArea(std::size_t index) = 0;
};

// The mouse on the picture: the right button's File menu, presses inside an
// area that lead to its attributes, Ctrl and a drag that move or reshape an
// area, releases that are swallowed, and every other press, drag and release
// handed to the chosen drawing tool.
class PictureGestures {
 public:
  // `chosenTool` says which drawing tool is chosen, wherever that is kept.
  PictureGestures(PictureCanvas& canvas, GestureHost& host, std::function<ToolKind()> chosenTool);
  ~PictureGestures();

  void press(Qt::MouseButton button, QPointF position, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void move(Qt::MouseButtons held, QPointF position, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void release(Qt::MouseButton button, QPointF position);
  // The pointer's shape over a point: the tool's, or with Ctrl held a move or
  // resize pointer over an area or a handle.
  void showPointer(QPointF position, Qt::KeyboardModifiers modifiers);

  // The File menu was shown: the next press and moves wait for a release.
  void setMenuPending(bool pending) { menuPending = pending; }
  // The next release is swallowed (a file is being opened or dragged in).
  void setIgnoreNextRelease(bool ignore) { ignoreNextRelease = ignore; }
  // Ends a drag and forgets an unfinished polygon.
  void endDrawing();

 private:
  // What the left button's press in progress is doing.
  enum class Press { none, drawing, moving, inArea };

  DrawingTool& tool() const;
  bool ignoresPointer(bool rightButton) const;
  bool hasAreas() const { return !host.map().areas.empty(); }
  bool swallowsRelease();
  void endDrag();
  void showDrag();

  PictureCanvas& canvas;
  GestureHost& host;
  std::unique_ptr<DrawingTool> rectangle;
  std::unique_ptr<DrawingTool> circle;
  std::unique_ptr<PolygonTool> polygon;
  AreaMover mover;
  std::function<ToolKind()> chosenTool;
  Press pressed = Press::none;
  bool menuPending = false;
  bool ignoreNextRelease = false;
  bool polygonJustClosed = false;  // the release of the closing press is swallowed
};

}  // namespace ornix
