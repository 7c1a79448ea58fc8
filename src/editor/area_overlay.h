#pragma once

#include <QPointF>
#include <QRegion>
#include <optional>
#include <vector>

#include "model/map_change.h"
#include "picture_canvas.h"

namespace ornix {

// The areas as they stand on the picture: each one's region, which hit tests
// are made against, and its look painted over the picture from its values: a
// blue highlight and an outline, both by exclusive-or, so that overlapping
// areas show through each other. It keeps the regions beside the map's
// areas, in the same order, and follows each change of the map.
class AreaOverlay final : public AreaLook {
 public:
  AreaOverlay(PictureCanvas& canvas, const std::vector<Area>& areas);
  ~AreaOverlay() override;

  // An area at `index` joins the picture; the areas from there on move down a place.
  void insert(std::size_t index, const Area& area);
  // Area `index` leaves the picture; the areas after it move up.
  void remove(std::size_t index);
  // Follows a change of the map, made from the map as it stands before it.
  void show(const MapChange& change);
  // The picture was replaced: no area stands on it any more.
  void forgetAll();

  // The first area, in list order, whose region holds the point rounded to whole pixels.
  std::optional<std::size_t> areaAt(QPointF position) const;

  void paintOnto(QImage& part, const QRect& inPicture) const override;

 private:
  PictureCanvas& canvas;
  const std::vector<Area>& areas;
  std::vector<QRegion> regions;
  std::vector<QRect> reaches;  // what each area's look covers on the picture
};

// An area's outline as figures of pixels: a box between two corners, a
// circle around a centre, or a polygon's edges, the closing one too, each
// followed by the 5-pixel dot at its vertex.
std::vector<std::vector<QPoint>> outlineFigures(const Area& area);

// The region a click on the area is tested against.
QRegion regionOf(const Area& area);

// Whether drawing keeps a shape: a rectangle or circle big enough, a polygon
// that encloses a pixel (one that encloses none could never be clicked).
bool keepsShape(const Area& area);

}  // namespace ornix
