// Reads any bytes as a page holding a map block: the parts a block carries,
// the split, the image path and both passes over the block. Besides crashes,
// hangs and reads out of bounds, it catches a page that does not join back
// into its own bytes, and areas that could not be written and read back as
// they are.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <variant>

#include "model/map_reader.h"
#include "model/map_writer.h"
#include "model/split_page.h"

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
  return 0;
}
