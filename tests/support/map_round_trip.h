#pragma once

// Writing a map to each output and reading it back as a reopened file would
// be read, for the round-trip test and its fuzz target. Qt-free.
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/map_reader.h"
#include "model/map_writer.h"
#include "model/split_page.h"

namespace ornix::test {

inline constexpr OutputKind everyOutput[] = {OutputKind::clipboard, OutputKind::mapFile,    OutputKind::htmlPage,
                                             OutputKind::textFile,  OutputKind::sourcePage, OutputKind::responsivePage};

// The areas as a file gives them back: the link the dialog offers in place of
// "#" is not written, a circle's radius is written whole, and a name standing
// alone before one that begins with "=" is given an empty value.
inline std::vector<Area> asWritten(std::vector<Area> areas) {
  for (Area& area : areas) {
    area.attributes.offeredHref.reset();
    if (area.shape == Shape::circle) area.radius = roundedRadius(area.radius).value_or(0);
    std::vector<OtherAttribute>& others = area.otherAttributes;
    for (std::size_t i = 0; i + 1 < others.size(); ++i) {
      if (others[i + 1].name.starts_with('=') && !others[i].value) others[i].value = "";
    }
  }
  return areas;
}

// What changed when `map` went out as `kind` and was read back in, or nothing
// when the page, the picture's path and every area came back as they were.
inline std::optional<std::string> roundTripFault(const ImageMap& map, OutputKind kind, const std::string& prefix) {
  const std::string output = buildOutput(map, kind, prefix);
  if (const std::string missing = missingBlockParts(output); !missing.empty()) return "the file lacks " + missing;
  const std::variant<SplitPage, Notice> split = splitPage(output, "page.html");
  if (const Notice* notice = std::get_if<Notice>(&split)) return "the page does not split: " + notice->text;
  const SplitPage& page = std::get<SplitPage>(split);
  if (kind == OutputKind::sourcePage &&
      (page.before != map.sourcePage->before || page.after != map.sourcePage->after + "\r\n")) {
    return "the page around the block changed";
  }
  if (imageSource(page.block) != prefix + fileNameOf(*map.picture)) return "the picture's path changed";
  const MapReading reading = readMapBlock(page.block);
  if (reading.outcome != MapReading::Outcome::complete) {
    return "the reading stopped at AREA tag " + std::to_string(reading.tag);
  }
  if (reading.areas != asWritten(map.areas)) return "the areas came back changed";
  return std::nullopt;
}

}  // namespace ornix::test
