#pragma once

#include <QRect>
#include <QSize>
#include <cstdint>

namespace ornix {

// The editor window's geometry: twips for the window and its controls (15 to
// a pixel), pixels for the scroll ranges and the drop area.
namespace layout {

inline constexpr int stripWidth = 540;  // the tool strip, twips
inline constexpr int stripHeight = 3150;
inline constexpr int barThickness = 195;  // both scroll bars
inline constexpr int hBarLeft = 525;
inline constexpr int stripWidthPixels = 36;
inline constexpr int pictureBorder = 2;  // one pixel on each side of the picture

// The window size for a newly loaded picture; `toCorner` moves it to the
// screen's top-left corner.
struct WindowFit {
  int width = 0;  // outer, twips
  int height = 0;
  bool toCorner = false;

  friend bool operator==(const WindowFit&, const WindowFit&) = default;
};
WindowFit fitToPicture(QSize pictureControlTwips, QSize screenTwips);

// Where the scroll bars and the drop area go for a client size, and how far
// each bar scrolls. A bar shows exactly when its maximum is above 0.
struct Controls {
  QRect hBar;  // twips
  QRect vBar;  // twips
  int hMax = 0;
  int vMax = 0;
  QRect dropArea;  // pixels
};
Controls layOutControls(QSize clientTwips, QSize outerTwips, QSize pictureControlPixels);

// Whether a client area is large enough to be laid out at all (not minimised).
bool canLayOut(QSize clientTwips);

}  // namespace layout
}  // namespace ornix
