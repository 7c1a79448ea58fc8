#pragma once

#include <string>
#include <string_view>

#include "model/map_writer.h"
#include "model/text_helpers.h"

namespace ornix {

class Ui;

// What an Open dialog offers: pictures only (to locate a map's picture), or
// every kind of file the program opens.
enum class OpenPurpose { anything, picturesOnly };

// Where the file dialogs start: the picture's path, or the user's home folder
// before any picture is loaded.
std::string dialogStartPath(const ImageMap& map);

// The system's Open dialog, starting in the folder of `imagePath`: the chosen
// path with blanks trimmed, or empty when cancelled or when the chosen file
// is not there (which the user is told).
std::string askForFileToOpen(Ui& ui, OpenPurpose purpose, const std::string& imagePath);

// "Import Map...": the system's Open dialog for a web page (or any file),
// starting in the folder of `imagePath`; as askForFileToOpen.
std::string askForPageToImport(Ui& ui, const std::string& imagePath);

// The system's Save dialog for one kind of output, which asks before it
// replaces a file; a name typed without an extension gets the kind's own.
std::string askForFileToSave(Ui& ui, OutputKind kind, const std::string& imagePath);

// True when the path opens for reading as a file; never an error.
bool fileExists(const std::string& path);

// The text before its first NUL character.
std::string stripAtNul(std::string_view text);

}  // namespace ornix
