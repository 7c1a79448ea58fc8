// Reads any bytes as a page holding a map block: the parts a block carries,
// the split, the image path and both passes over the block. Besides crashes,
// hangs and reads out of bounds, it catches a page that does not join back
// into its own bytes, and areas read that do not come back as they are when
// written into a block and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "model/map_reader.h"
#include "model/map_writer.h"
#include "model/split_page.h"
#include "support/map_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ornix::missingBlockParts(bytes);
  const std::variant<ornix::SplitPage, ornix::Notice> split = ornix::splitPage(bytes, "page.html");
  const auto* page = std::get_if<ornix::SplitPage>(&split);
  if (page == nullptr) return 0;
  if (page->before + page->block + page->after != bytes) std::abort();
  ornix::imageSource(page->block);
  const ornix::MapReading reading = ornix::readMapBlock(page->block);
  for (const ornix::Area& area : reading.areas) {
    const std::size_t wanted = area.shape == ornix::Shape::rectangle ? 2 : area.shape == ornix::Shape::circle ? 1 : 0;
    if (area.points.empty() || (wanted != 0 && area.points.size() != wanted)) std::abort();
  }
  ornix::readingNotice(reading);
  const ornix::ImageMap map{ornix::Picture{"/site/a.gif", 9, 9}, reading.areas, nullptr};
  const auto written = ornix::splitPage(ornix::writeMapBlock(map, ""), "page.html");
  if (ornix::readMapBlock(std::get<ornix::SplitPage>(written).block).areas != ornix::test::asWritten(reading.areas)) {
    std::abort();
  }
  return 0;
}
