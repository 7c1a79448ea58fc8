// Reads any bytes as a page holding a map block: splitting, the image path and
// both passes over the block. Besides crashes, hangs and reads out of bounds,
// it catches a page that does not join back into its own bytes and lists that
// fall out of step with the areas.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/map_block_reader.h"

namespace {

class NoView final : public ornix::MapView {
 public:
  bool loadPicture(const std::string&) override { return true; }
  void fitWindowToImage() override {}
  void enableMake(bool) override {}
  void releaseRegion(std::int32_t) override {}
};

class NoNotes final : public ornix::Notifier {
 public:
  void showNote(const ornix::Note&) override {}
};

class CountingRebuilder final : public ornix::AreaRebuilder {
 public:
  void letEventsRun() override {}
  void setBusy(bool) override {}
  std::int32_t rebuildArea(const ornix::ReadShape& shape) override {
    if (shape.points.empty()) std::abort();
    return ++regions;
  }
  std::int32_t regions = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  ornix::missingBlockParts(bytes);
  ornix::ChtmlPage page;
  if (page.parsePage(bytes, "page.html") != ornix::ChtmlPage::Split::ok) return 0;
  if (page.htmlAll() != bytes) std::abort();
  page.imageSrc();
  NoView view;
  NoNotes notes;
  ornix::MapDocument document(view, notes, "/");
  CountingRebuilder rebuilder;
  ornix::parseMap(page.htmlMap(), document, rebuilder);
  const std::size_t areas = document.areaList().size();
  if (document.hrefList().size() != areas || document.altList().size() != areas ||
      document.coordList().size() != areas || document.regionList().size() != areas) {
    std::abort();
  }
  return 0;
}
