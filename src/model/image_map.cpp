#include "image_map.h"

#include <algorithm>

#include "text_helpers.h"

namespace ornix {
namespace {

constexpr std::size_t extensionLength = 4;  // ".gif", "jpeg"

}  // namespace

std::optional<Picture> describePicture(const std::string& path, const ImageInfo& measured) {
  if (fileNameOf(path).size() < extensionLength) return std::nullopt;
  return Picture{path, measured.width, measured.height};
}

std::string fileNameOf(const Picture& picture) { return fileNameOf(picture.path); }

std::string mapNameOf(const Picture& picture) {
  const std::string name = fileNameOf(picture);
  return name.substr(0, name.size() - std::min(name.size(), extensionLength));
}

}  // namespace ornix
