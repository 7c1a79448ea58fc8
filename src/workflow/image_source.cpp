#include "image_source.h"

#include "platform/ui.h"
#include "system/c_registry.h"

namespace ornix {
namespace {

const std::string imagesKey = "images";
const std::string valueName = "default location";  // accepted and ignored by the store
const std::string defaultFolder = "images/";
const std::string noFolder = "none";

}  // namespace

std::string getImageFolder(const cRegistry& registry) {
  const std::string stored = registry.getRegString(imagesKey, valueName);
  if (stored.empty()) return defaultFolder;
  if (stored == noFolder) return {};
  return stored;
}

void mnuFileImgDefault_Click(int entry, cRegistry& registry, Ui& ui) {
  if (entry == 0) {
    registry.enterRegString(imagesKey, defaultFolder, valueName);
  } else if (entry == 1) {
    registry.enterRegString(imagesKey, noFolder, valueName);
  } else if (entry == 2) {
    const std::optional<std::string> typed = ui.inputBox(
        "Default Image Location:",
        "Enter subfolder(s) used when Ornix generates image tags.\r\n[This can be altered at a later time.]");
    if (typed && !typed->empty()) registry.enterRegString(imagesKey, *typed, valueName);
  }
}

}  // namespace ornix
