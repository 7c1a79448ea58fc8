#pragma once

#include <QColor>
#include <QPainter>
#include <vector>

namespace ornix {

// One band of the message dialogs' background, in twips.
struct GradientBand {
  int top = 0;
  int height = 0;
  int width = 0;
  QColor colour;

  friend bool operator==(const GradientBand&, const GradientBand&) = default;
};

// The 63 bands that cover a window of the given outer size: each band is one
// 63rd of the height, the first in the start colour at the bottom edge (or the
// top, with fromTop), each next one 4 units darker per channel, down to 0.
std::vector<GradientBand> gradientBands(double outerWidth, double outerHeight, QColor start, bool fromTop);

// Paints those bands with a painter whose units are pixels.
void paintGradient(QPainter& painter, double outerWidth, double outerHeight, QColor start, bool fromTop);

}  // namespace ornix
