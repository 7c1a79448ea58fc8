#include "image_folder.h"

#include "platform/ui.h"
#include "program_settings.h"

namespace ornix {
namespace {

const std::string imagesKey = "images";

}  // namespace

std::string imageFolder(const ProgramSettings& settings) { return imageFolderFor(settings.readSetting(imagesKey)); }

void chooseImageFolder(ImageFolderChoice choice, ProgramSettings& settings, Ui& ui) {
  if (choice != ImageFolderChoice::custom) {
    settings.storeSetting(imagesKey, storedFor(choice));
    return;
  }
  const std::optional<std::string> typed =
      ui.inputBox("Default Image Location:",
                  "Enter subfolder(s) used when Ornix generates image tags.\r\n[This can be altered at a later time.]");
  if (typed && !typed->empty()) settings.storeSetting(imagesKey, *typed);
}

}  // namespace ornix
