#include "text_helpers.h"

#include <filesystem>

namespace ornix {
namespace {

// Where the platform's paths end a folder: a system whose preferred separator
// is "\" takes "/" and a drive's ":" as well. Told from the bytes alone, so a
// path in any code page keeps every byte.
constexpr std::string_view separators = std::filesystem::path::preferred_separator == '\\' ? "\\/:" : "/";

std::size_t nameStart(std::string_view path) {
  const std::size_t last = path.find_last_of(separators);
  return last == std::string_view::npos ? 0 : last + 1;
}

}  // namespace

std::string fileNameOf(std::string_view path) { return std::string(path.substr(nameStart(path))); }

std::string folderOf(std::string_view path) { return std::string(path.substr(0, nameStart(path))); }

}  // namespace ornix
