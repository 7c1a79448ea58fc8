#include "file_dialogs.h"

#include <exception>
#include <filesystem>
#include <fstream>

#include "platform/ui.h"

namespace ornix {
namespace {

std::vector<FileFilter> openFilters(std::int16_t purpose) {
  const FileFilter images{"Image", "*.jpg;*.gif"};
  if (purpose == purpose::imagesOnly) return {images};
  return {images, {"ORNX file", "*.ornx"}, {"Edit a map in HTML or TEXT", "*.htm;*.html;*.shtml;*.asp;*.txt"}};
}

std::vector<FileFilter> saveFilters(std::int16_t purpose) {
  switch (purpose) {
    case purpose::mapFile: return {{"Save As an ORNX (*.ornx)", "*.ornx"}};
    case purpose::htmlPage:
    case purpose::sourcePage: return {{"Save As HTML  (*.htm)", "*.htm"}};
    case purpose::textFile: return {{"Save As TEXT  (*.txt)", "*.txt"}};
    default: return {};
  }
}

// What a name typed without an extension gets: the extension of what is saved.
std::string defaultSuffix(bool isOpen, std::int16_t purpose) {
  if (isOpen) return "jpg";
  switch (purpose) {
    case purpose::htmlPage:
    case purpose::sourcePage: return "htm";
    case purpose::textFile: return "txt";
    default: return "ornx";
  }
}

std::string trimmedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace

std::string fileDialog(Ui& ui, bool isOpen, std::int16_t purpose, const std::string& imagePath) {
  try {
    const FileDialogRequest request{isOpen,
                                    isOpen ? "Open File..." : "Save File As...",
                                    isOpen ? openFilters(purpose) : saveFilters(purpose),
                                    folderOf(imagePath),
                                    defaultSuffix(isOpen, purpose)};
    const std::optional<std::string> chosen = ui.fileDialog(request);
    if (!chosen) return {};
    const std::string path = trimmedBlanks(stripAtNul(*chosen));
    if (isOpen && !fileExists(path)) {
      ui.messageBox({"OPEN ERROR...", "That file you chose isn't there.", MessageIcon::exclamation});
      return {};
    }
    return path;
  } catch (const std::exception&) {
    ui.messageBox({"Ornix Note", "Error Processing the File.", MessageIcon::exclamation});
    return {};
  }
}

bool fileExists(const std::string& path) {
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(path, error)) return false;
  return std::ifstream(path, std::ios::binary).is_open();
}

std::string folderOf(std::string_view path) {
  const std::size_t last = path.find_last_of("\\:/");
  if (last == std::string_view::npos) return {};
  return std::string(path.substr(0, last + 1));
}

std::string stripAtNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

}  // namespace ornix
