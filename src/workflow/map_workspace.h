#pragma once

class QWidget;

namespace ornix {

class MapDocument;

// What opening and saving a map work on: the document that holds the map,
// the window their questions sit over, and the picture a click on which cuts
// a show of areas short. The editor window gives its own; any widgets will do.
struct MapWorkspace {
  MapDocument& document;
  QWidget* dialogParent;
  const QWidget& picture;
};

}  // namespace ornix
