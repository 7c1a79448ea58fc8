#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "map_document.h"

namespace ornix {

// The places a map block can go. The first four are the entries of the
// "Save As" file menu, in its order.
enum class OutputKind { mapFile = 0, htmlPage = 1, textFile = 2, sourcePage = 3, clipboard };

// The map block of the current map: start comment, image tag whose src is
// `folderPrefix` directly followed by the file name, an empty line, signature
// comment, MAP element with one AREA line per area, end comment; lines joined
// by CR LF, no line end after the last. Nothing is escaped.
std::string buildMapBlock(const MapDocument& document, std::string_view folderPrefix);

// The same block from its parts, for any number of areas.
std::string writeMapBlock(std::string_view folderPrefix, std::string_view imageTagTail,
                          std::string_view mapOpening, std::span<const std::string> areaTexts);

// The block wrapped for one output. Nothing for the source page when the map
// holds no page to write back into.
std::optional<std::string> buildOutput(const MapDocument& document, OutputKind kind,
                                       std::string_view folderPrefix);

}  // namespace ornix
