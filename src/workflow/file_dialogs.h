#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ornix {

class Ui;

// What a file dialog is for. Opening: images only, or every kind the program
// reads. Saving: the entries of the "Save As" menu.
namespace purpose {
inline constexpr std::int16_t anyFile = 0;
inline constexpr std::int16_t imagesOnly = 1;
inline constexpr std::int16_t mapFile = 0;
inline constexpr std::int16_t htmlPage = 1;
inline constexpr std::int16_t textFile = 2;
inline constexpr std::int16_t sourcePage = 3;
}  // namespace purpose

// The system's open or save dialog, starting in the folder of `imagePath`. The
// chosen path with blanks trimmed, or empty when cancelled or when an opened
// file is not there (which the user is told).
std::string fileDialog(Ui& ui, bool isOpen, std::int16_t purpose, const std::string& imagePath);

// True when the path opens for reading as a file; never an error.
bool fileExists(const std::string& path);

// The path up to and including its last "\", ":" or "/"; empty with none.
std::string folderOf(std::string_view path);

// The text before its first NUL character.
std::string stripAtNul(std::string_view text);

}  // namespace ornix
