#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "area.h"
#include "image_header.h"
#include "split_page.h"

namespace ornix {

// The picture a map is drawn on: its file and its size as its header gives it.
struct Picture {
  std::string path;
  std::int32_t width = 0;
  std::int32_t height = 0;

  friend bool operator==(const Picture&, const Picture&) = default;
};

// The picture at `path` with its measured size; nothing when its file name is
// too short to end in a four-character extension.
std::optional<Picture> describePicture(const std::string& path, const ImageInfo& measured);

// The file name, and the map's name: the file name less its last four characters.
std::string fileNameOf(const Picture& picture);
std::string mapNameOf(const Picture& picture);

// The image map being edited: its picture, its areas in the order they were
// drawn or read, and the HTML page it was read from while the map can be
// saved back into that page. The map is unsaved exactly while it has an area.
struct ImageMap {
  std::optional<Picture> picture;
  std::vector<Area> areas;
  std::shared_ptr<const SplitPage> sourcePage;

  bool unsaved() const { return !areas.empty(); }
  // The code page of the areas' texts: their page's, or the system's ("").
  std::string_view charset() const { return sourcePage ? std::string_view(sourcePage->charset) : std::string_view(); }
  friend bool operator==(const ImageMap&, const ImageMap&) = default;
};

}  // namespace ornix
