#pragma once

#include <string>
#include <string_view>

#include "image_map.h"
#include "responsive_page.h"

namespace ornix {

// The places a map block goes.
enum class OutputKind { mapFile, htmlPage, textFile, sourcePage, clipboard, responsivePage };

// One area's AREA tag: its shape word, its COORDS (a circle's radius rounded
// half to even), its HREF, then its Target and ALT where it has them, then its
// other attributes as they were read.
std::string areaTag(const Area& area);
// Other attributes as a tag holds them: `name="value"` or a bare name, by blanks.
std::string otherAttributesText(const std::vector<OtherAttribute>& others);
// The COORDS value of an area's tag, as written.
std::string coordsText(const Area& area);

// The map block: start comment, image tag whose src is `folderPrefix` directly
// followed by the file name, an empty line, signature comment, MAP element
// with one AREA line per area, end comment; lines joined by CR LF, no line end
// after the last. Nothing is escaped.
std::string writeMapBlock(const ImageMap& map, std::string_view folderPrefix);

// Every output of a map: the block alone for the clipboard, with a line end
// for a map file or a text file, inside a minimal page for an HTML page, inside
// a page that fits the map to any width (whose head names `locale`), or
// between the two halves of the page it was read from. A map imported from a
// page goes back into that page's MAP element alone, with nothing added.
std::string buildOutput(const ImageMap& map, OutputKind kind, std::string_view folderPrefix,
                        const PageLocale& locale = {});

}  // namespace ornix
