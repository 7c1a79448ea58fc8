#pragma once

#include <QPointF>

#include "model/map_document.h"
#include "platform/regions.h"

namespace ornix {

class Hotspots;
class MapSurface;
class Ui;

// What the drawing tools need of the window around them.
class DrawingHost {
 public:
  virtual ~DrawingHost() = default;
  virtual void showFileMenu() = 0;
  virtual void selectAreaAt(QPointF position) = 0;
  // An area was added or removed.
  virtual void areasChanged() = 0;
};

// The rectangle, circle and polygon tools on the picture: the press, move and
// release handlers, with rubber bands drawn and erased by exclusive-or.
class DrawingTools {
 public:
  DrawingTools(MapDocument& document, Regions& regions, MapSurface& surface, Hotspots& hotspots,
               DrawingHost& host, Ui& ui);

  void mapee_MouseDown(Qt::MouseButton button, QPointF position);
  void mapee_MouseMove(Qt::MouseButtons held, QPointF position);
  void mapee_MouseUp(Qt::MouseButton button, QPointF position);

  // Ends whatever drawing is in progress: a rubber band and an unfinished
  // polygon's dots and edges come off the picture, and the next press starts
  // a new shape.
  void endDrawing();

 private:
  void endDrag();
  void erasePolygonInProgress();
  bool ignoresPointer(bool rightButton) const;
  void pressPolygon();
  void addPolygonVertex();
  bool polygonCloses() const;
  void finishPolygon();
  void showClosingPointer(QPointF position);
  void dragRectangle(QPointF position);
  void dragCircle(QPointF position);
  bool finishShape(QPointF position);
  bool finishRectangle(QPointF position);
  bool finishCircle();
  QPoint anchor() const;
  QPoint vertex(int slot) const;

  MapDocument& document;
  EditorState& state;
  Regions& regions;
  MapSurface& surface;
  Hotspots& hotspots;
  DrawingHost& host;
  Ui& ui;
  QPointF penPosition;  // where the rubber band was last drawn to
};

}  // namespace ornix
