#include "image_folder.h"

namespace ornix {
namespace {

const std::string defaultFolder = "images/";
const std::string noFolder = "none";

}  // namespace

std::string imageFolderFor(const std::string& stored) {
  if (stored.empty()) return defaultFolder;
  if (stored == noFolder) return {};
  return stored;
}

std::string storedFor(ImageFolderChoice choice) { return choice == ImageFolderChoice::none ? noFolder : defaultFolder; }

}  // namespace ornix
