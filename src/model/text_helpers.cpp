#include "text_helpers.h"

namespace ornix {

std::string fileNameOf(std::string_view path) {
  std::size_t cut = path.rfind('/');
  if (cut == std::string_view::npos) cut = path.rfind('\\');
  if (cut == std::string_view::npos) return std::string(path);
  return std::string(path.substr(cut + 1));
}

}  // namespace ornix
