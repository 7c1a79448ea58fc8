#pragma once

#include <string>

namespace ornix {

// The choices of "Image Source Option": the folder "images/", no folder, or
// a folder the user types.
enum class ImageFolderChoice { images, none, custom };

// The folder written before the file name in image tags, from the stored
// setting: "images/" when nothing (or an empty text) is stored, no folder for
// "none", else the stored text exactly, with no separator added.
std::string imageFolderFor(const std::string& stored);

// The text stored for the first two choices.
std::string storedFor(ImageFolderChoice choice);

}  // namespace ornix
