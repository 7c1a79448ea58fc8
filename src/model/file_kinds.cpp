#include "file_kinds.h"

#include <algorithm>

#include "ascii_case.h"

namespace ornix {
namespace {

// The files a map block is read from: by the last four characters of their
// path, the names the Open dialog offers them by, and whether a page of the
// kind takes its map back.
struct MapFileKind {
  std::string_view extension;
  std::string_view patterns;
  bool savesBack;
};

constexpr MapFileKind mapFileKinds[] = {
    {".htm", "*.htm", true}, {"html", "*.html;*.shtml", true}, {".asp", "*.asp", true}, {".txt", "*.txt", false},
    {"ornx", "", false},  // offered under a filter of its own
};

const MapFileKind* kindOf(std::string_view extension) {
  const auto* kind = std::find_if(std::begin(mapFileKinds), std::end(mapFileKinds),
                                  [extension](const MapFileKind& each) { return each.extension == extension; });
  return kind == std::end(mapFileKinds) ? nullptr : kind;
}

}  // namespace

std::string extensionOf(std::string_view path) {
  return asciiLowered(path.size() > 4 ? path.substr(path.size() - 4) : path);
}

bool holdsMapBlock(std::string_view extension) { return kindOf(extension) != nullptr; }

bool savesBackIntoPage(std::string_view extension) {
  const MapFileKind* kind = kindOf(extension);
  return kind != nullptr && kind->savesBack;
}

std::string pageAndTextPatterns() {
  std::string patterns;
  for (const MapFileKind& kind : mapFileKinds) {
    if (kind.patterns.empty()) continue;
    if (!patterns.empty()) patterns += ';';
    patterns += kind.patterns;
  }
  return patterns;
}

}  // namespace ornix
