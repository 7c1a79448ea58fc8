#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "area_text.h"

namespace ornix {

enum class Tool : std::int16_t { rectangle = 1, circle = 2, polygon = 3 };

// The drawing tools' state, kept beside the map document by the editor window.
struct EditorState {
  static constexpr std::size_t polygonSlots = 256;

  Tool currentTool = Tool::rectangle;
  bool dragging = false;           // a drawing press is in progress
  bool pressInHotspot = false;     // the last press landed inside an existing area
  bool popupPending = false;       // the File menu was shown; presses and moves wait for a release
  bool ignoreNextRelease = false;  // a file is being opened or dragged over the picture
  bool polygonJustClosed = false;  // the release of the polygon's closing press is swallowed
  std::int16_t anchorX = 0;        // press point: rectangle corner, circle centre
  std::int16_t anchorY = 0;
  float radius = 0.0f;             // the rubber-band circle's radius as last drawn
  std::array<std::int16_t, polygonSlots> polyX{};
  std::array<std::int16_t, polygonSlots> polyY{};
  std::int16_t vertexCount = 0;    // vertices committed to the polygon being drawn
  std::vector<Point32> polyPoints; // the finished polygon, handed to the region maker
};

}  // namespace ornix
