#include "gradient.h"

#include <algorithm>
#include <cmath>

#include "platform/twips.h"

namespace ornix {
namespace {

constexpr int bandCount = 63;
constexpr int darkerPerBand = 4;

int rounded(double value) { return static_cast<int>(std::nearbyint(value)); }

int darker(int channel) { return std::max(channel - darkerPerBand, 0); }

}  // namespace

std::vector<GradientBand> gradientBands(double outerWidth, double outerHeight, QColor start, bool fromTop) {
  const int band = rounded(outerHeight / bandCount);
  const int width = rounded(outerWidth);
  int y = fromTop ? 0 : rounded(outerHeight - band);
  int red = start.red();
  int green = start.green();
  int blue = start.blue();
  std::vector<GradientBand> bands;
  bands.reserve(bandCount);
  for (int i = 0; i < bandCount; ++i) {
    bands.push_back({y, band, width, QColor(red, green, blue)});
    red = darker(red);
    green = darker(green);
    blue = darker(blue);
    y += fromTop ? band : -band;
  }
  return bands;
}

void paintGradient(QPainter& painter, double outerWidth, double outerHeight, QColor start, bool fromTop) {
  painter.save();
  painter.scale(1.0 / twipsPerPixel, 1.0 / twipsPerPixel);
  for (const GradientBand& band : gradientBands(outerWidth, outerHeight, start, fromTop)) {
    painter.fillRect(QRect(0, band.top, band.width, band.height), band.colour);
  }
  painter.restore();
}

}  // namespace ornix
