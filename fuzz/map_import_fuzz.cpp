// Reads any bytes as a page whose maps are imported: finding its maps and
// their pictures, reading each map's areas, and saving it back. Besides
// crashes, hangs and reads out of bounds, it catches an unchanged map that
// does not save back into the same bytes, and an edited one that does not
// import again into as many areas.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/map_import.h"
#include "model/map_writer.h"
#include "model/page_charset.h"

namespace {

std::string savedBack(const ornix::ImportedMap& imported, const std::vector<ornix::Area>& areas) {
  const ornix::ImageMap map{ornix::Picture{"/site/p.gif", 100, 100}, areas, imported.page};
  return ornix::buildOutput(map, ornix::OutputKind::sourcePage, "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string page(reinterpret_cast<const char*>(data), size);
  const std::string charset = ornix::pageCharset(page);
  const ornix::PageSurvey survey = ornix::surveyPage(page);
  for (std::size_t index = 0; index < survey.maps.size() && index < 4; ++index) {
    const ornix::ImportedMap imported = ornix::importMap(page, survey.maps[index], charset);
    if (savedBack(imported, imported.areas) != page) std::abort();
    ornix::keptAreasNote(ornix::keptAreas(*imported.page->mapElement));
    if (imported.areas.empty()) continue;
    std::vector<ornix::Area> edited = imported.areas;
    edited.front().attributes.alt = "edited";
    edited.push_back({ornix::Shape::rectangle, {{1, 2}, {30, 40}}, 0, {"new.html"}});
    const std::string saved = savedBack(imported, edited);
    const ornix::PageSurvey again = ornix::surveyPage(saved);
    if (again.maps.size() != survey.maps.size()) std::abort();
    const ornix::ImportedMap reimported = ornix::importMap(saved, again.maps[index], charset);
    if (reimported.areas.size() != edited.size()) std::abort();
  }
  return 0;
}
