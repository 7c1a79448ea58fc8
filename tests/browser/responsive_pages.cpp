// Writes the pages of the responsive-page browser check into a folder: for
// pictures of several sizes, the picture (a JPEG) and a copy of twice its
// size (NAME-large.jpg, for a page to offer high-density screens), its map as
// a plain HTML page, and the same map as a responsive page. Each map holds rectangles,
// circles and polygons, a concave one among them, some overlapping, each
// area with a link and an ALT text of its own. Prints each picture's name and
// the step of the hit grid to check it with: about 100 points across.
// Usage: responsive_pages FOLDER
#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <fstream>
#include <iostream>

#include "model/map_writer.h"

namespace {

using ornix::Area;
using ornix::Shape;

struct PictureSize {
  const char* name;
  int width;
  int height;
};

// Wider than every viewport checked, a usual photograph, and a tall one.
constexpr PictureSize pictures[] = {{"wide", 1600, 1000}, {"photo", 640, 400}, {"tall", 500, 1100}};

// The areas, placed as fractions of the picture.
std::vector<Area> areasFor(int width, int height) {
  const auto at = [width, height](double x, double y) {
    return ornix::Point{static_cast<std::int32_t>(std::lround(x * width)),
                        static_cast<std::int32_t>(std::lround(y * height))};
  };
  const auto radius = [width, height](double fraction) {
    return static_cast<float>(fraction * std::min(width, height));
  };
  return {
      {Shape::rectangle, {at(0.05, 0.08), at(0.40, 0.45)}, 0, {"rectangle.html", "", "Harbour office", {}}},
      // Under the rectangle's corner: where both lie, the rectangle is first.
      {Shape::circle, {at(0.36, 0.42)}, radius(0.16), {"circle.html", "_blank", "Quay caf\xc3\xa9", {}}},
      // An L, concave: its inner corner is no part of it.
      {Shape::polygon,
       {at(0.55, 0.10), at(0.95, 0.10), at(0.95, 0.30), at(0.72, 0.30), at(0.72, 0.85), at(0.55, 0.85)},
       0,
       {"corner.html", "", "Warehouse corner", {}}},
      {Shape::polygon, {at(0.08, 0.62), at(0.45, 0.95), at(0.08, 0.95)}, 0, {"slipway.html", "", "Slipway", {}}},
      // Over the L's upright and into its inner corner; the L comes first.
      {Shape::circle, {at(0.80, 0.55)}, radius(0.12), {"buoy.html", "", "Buoy", {}}},
  };
}

bool writeText(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: responsive_pages FOLDER\n";
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  for (const PictureSize& picture : pictures) {
    const std::string name = picture.name;
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    if (!image.save(QString::fromStdString(folder + name + ".jpg"), "jpg") ||
        !image.scaled(image.size() * 2).save(QString::fromStdString(folder + name + "-large.jpg"), "jpg")) {
      std::cerr << "could not write " << folder << name << ".jpg\n";
      return 1;
    }
    const ornix::ImageMap map{ornix::Picture{folder + name + ".jpg", picture.width, picture.height},
                              areasFor(picture.width, picture.height), nullptr};
    const ornix::PageLocale locale{"utf-8", "en"};
    if (!writeText(folder + name + ".html", ornix::buildOutput(map, ornix::OutputKind::htmlPage, "")) ||
        !writeText(folder + name + "-responsive.html",
                   ornix::buildOutput(map, ornix::OutputKind::responsivePage, "", locale))) {
      std::cerr << "could not write the pages of " << name << "\n";
      return 1;
    }
    std::cout << name << " " << std::max(4, picture.width / 100) << "\n";
  }
  return 0;
}
