#pragma once

#include <string>

#include "model/image_folder.h"

namespace ornix {

class ProgramSettings;
class Ui;

// The folder written before the file name in image tags, as the setting under
// the program's key "images" gives it, read afresh at every save.
std::string imageFolder(const ProgramSettings& settings);

// A choice of "Image Source Option": stores "images/" or "none", or asks for
// a folder (an empty answer or a cancel keeps the stored one).
void chooseImageFolder(ImageFolderChoice choice, ProgramSettings& settings, Ui& ui);

}  // namespace ornix
