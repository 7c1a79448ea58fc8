#include "outline_pixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ornix {
namespace {

bool before(QPoint a, QPoint b) { return a.y() < b.y() || (a.y() == b.y() && a.x() < b.x()); }

void appendRow(std::vector<QPoint>& pixels, int y, int fromX, int toX) {
  for (int x = fromX; x <= toX; ++x) pixels.emplace_back(x, y);
}

void appendColumn(std::vector<QPoint>& pixels, int x, int fromY, int toY) {
  for (int y = fromY; y <= toY; ++y) pixels.emplace_back(x, y);
}

}  // namespace

std::vector<QPoint> linePixels(QPoint from, QPoint to) {
  if (before(to, from)) std::swap(from, to);
  const int dx = std::abs(to.x() - from.x());
  const int dy = -std::abs(to.y() - from.y());
  const int stepX = from.x() < to.x() ? 1 : -1;
  std::vector<QPoint> pixels;
  pixels.reserve(static_cast<std::size_t>(std::max(dx, -dy)) + 1);
  int error = dx + dy;
  for (QPoint at = from;;) {
    pixels.push_back(at);
    if (at == to) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      at.rx() += stepX;
    }
    if (twice <= dx) {
      error += dx;
      at.ry() += 1;
    }
  }
  return pixels;
}

std::vector<QPoint> boxPixels(QPoint corner1, QPoint corner2) {
  const int left = std::min(corner1.x(), corner2.x());
  const int right = std::max(corner1.x(), corner2.x());
  const int top = std::min(corner1.y(), corner2.y());
  const int bottom = std::max(corner1.y(), corner2.y());
  if (left == right || top == bottom) return linePixels({left, top}, {right, bottom});
  std::vector<QPoint> pixels;
  pixels.reserve(2 * static_cast<std::size_t>(right - left + bottom - top));
  appendRow(pixels, top, left, right);
  appendRow(pixels, bottom, left, right);
  appendColumn(pixels, left, top + 1, bottom - 1);
  appendColumn(pixels, right, top + 1, bottom - 1);
  return pixels;
}

// The octant from the top to 45 degrees, mirrored eight ways. A pixel the
// mirrors share (on an axis or on a diagonal) is taken once, and no two
// places of the octant mirror onto the same pixel.
std::vector<QPoint> circlePixels(QPoint centre, double radius) {
  std::vector<QPoint> pixels;
  if (!(radius > 0)) return pixels;
  pixels.reserve(static_cast<std::size_t>(6 * radius) + 8);
  const auto add = [&](int x, int y) { pixels.emplace_back(centre.x() + x, centre.y() + y); };
  for (int across = 0;; ++across) {
    const double square = radius * radius - static_cast<double>(across) * across;
    const auto down = static_cast<int>(std::nearbyint(std::sqrt(std::max(square, 0.0))));
    if (across > down) break;
    if (across == 0) {
      add(0, down);
      if (down == 0) break;
      add(0, -down);
      add(down, 0);
      add(-down, 0);
      continue;
    }
    for (const int sx : {1, -1}) {
      for (const int sy : {1, -1}) {
        add(sx * across, sy * down);
        if (across != down) add(sx * down, sy * across);
      }
    }
  }
  return pixels;
}

std::vector<QPoint> dotPixels(QPoint at) {
  std::vector<QPoint> pixels;
  for (int y = -2; y <= 2; ++y) {
    const int reach = std::abs(y) == 2 ? 1 : 2;
    appendRow(pixels, at.y() + y, at.x() - reach, at.x() + reach);
  }
  return pixels;
}

std::vector<QRect> tilesHolding(const std::vector<QPoint>& pixels, int tile) {
  if (pixels.empty()) return {};
  const auto tileOf = [tile](QPoint pixel) {
    const auto down = [tile](int coordinate) {
      return coordinate >= 0 ? coordinate / tile : -((tile - 1 - coordinate) / tile);
    };
    return QPoint(down(pixel.x()), down(pixel.y()));
  };
  QPoint low = tileOf(pixels.front());
  QPoint high = low;
  for (const QPoint pixel : pixels) {
    const QPoint at = tileOf(pixel);
    low = {std::min(low.x(), at.x()), std::min(low.y(), at.y())};
    high = {std::max(high.x(), at.x()), std::max(high.y(), at.y())};
  }
  const QRect span(low, high);
  // Which tiles of the figure's span hold a pixel, row by row.
  std::vector<bool> held(static_cast<std::size_t>(span.width()) * static_cast<std::size_t>(span.height()));
  const auto cell = [&span](QPoint at) {
    return static_cast<std::size_t>(at.y() - span.top()) * static_cast<std::size_t>(span.width()) +
           static_cast<std::size_t>(at.x() - span.left());
  };
  for (const QPoint pixel : pixels) held[cell(tileOf(pixel))] = true;
  std::vector<QRect> rows;
  for (int y = span.top(); y <= span.bottom(); ++y) {
    for (int x = span.left(); x <= span.right(); ++x) {
      if (!held[cell({x, y})]) continue;
      const int first = x;
      while (x < span.right() && held[cell({x + 1, y})]) ++x;
      rows.emplace_back(first * tile, y * tile, (x - first + 1) * tile, tile);
    }
  }
  return rows;
}

}  // namespace ornix
