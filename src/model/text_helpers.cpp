#include "text_helpers.h"

#include <algorithm>

namespace ornix {
namespace {

// Index just past the next separator at or after `from`, or 0 when there is none;
// 0 also means "the start of the text", which is what makes fields wrap round.
std::size_t afterNextSeparator(std::string_view text, char separator, std::size_t from) {
  const std::size_t found = text.find(separator, from);
  return found == std::string_view::npos ? 0 : found + 1;
}

}  // namespace

std::string fieldOf(std::string_view text, std::int16_t n, bool comma) {
  const char separator = comma ? ',' : '|';
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = afterNextSeparator(text, separator, start);
  const std::size_t end = std::min(text.find(separator, start), text.size());
  return std::string(text.substr(start, end - start));
}

std::size_t countBars(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '|'));
}

std::string fileNameOf(std::string_view path) {
  std::size_t cut = path.rfind('/');
  if (cut == std::string_view::npos) cut = path.rfind('\\');
  if (cut == std::string_view::npos) return std::string(path);
  return std::string(path.substr(cut + 1));
}

}  // namespace ornix
