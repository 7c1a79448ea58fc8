// Builds a map from any bytes: areas of every shape with any coordinates and
// HREF, Target and ALT values typed as any bytes, made safe and taken as the
// attributes dialog takes them. Writes it to every output, reads each back as
// a reopened file is read, and stops on any area, page half or picture path
// that does not come back as it went out.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "model/attribute_entry.h"
#include "support/map_round_trip.h"

namespace {

ornix::Area areaFrom(FuzzedDataProvider& bytes) {
  const auto shape = static_cast<ornix::Shape>(bytes.ConsumeIntegralInRange(0, 2));
  const auto coordinate = [&bytes] { return bytes.ConsumeIntegral<std::int16_t>(); };
  ornix::Area area{shape, {}, 0.0f, {}};
  if (shape == ornix::Shape::rectangle) area.points = {{coordinate(), coordinate()}, {coordinate(), coordinate()}};
  if (shape == ornix::Shape::circle) {
    area.points = {{coordinate(), coordinate()}};
    area.radius = static_cast<float>(bytes.ConsumeIntegralInRange(0, 65534)) / 2.0f;
  }
  for (int i = bytes.ConsumeIntegralInRange(1, 4); shape == ornix::Shape::polygon && i > 0; --i) {
    area.points.push_back({bytes.ConsumeIntegral<std::int32_t>(), bytes.ConsumeIntegral<std::int32_t>()});
  }
  const std::string href = ornix::escapeAttributeValue(bytes.ConsumeRandomLengthString(64));
  const std::string target = ornix::escapeAttributeValue(bytes.ConsumeRandomLengthString(64));
  const std::string alt = ornix::escapeAttributeValue(bytes.ConsumeRandomLengthString(64));
  area.attributes = ornix::enteredAttributes({}, href, target, alt).value_or(ornix::Attributes{});
  return area;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider bytes(data, size);
  ornix::ImageMap map{ornix::Picture{"/site/photo.gif", 640, 480}, {}, nullptr};
  map.sourcePage = std::make_shared<ornix::SplitPage>(ornix::SplitPage{"<html>\r\n", "old", "\r\n</html>"});
  for (int count = bytes.ConsumeIntegralInRange(0, 8); count > 0; --count) map.areas.push_back(areaFrom(bytes));
  for (const ornix::OutputKind kind : ornix::test::everyOutput) {
    if (const auto fault = ornix::test::roundTripFault(map, kind, "images/")) {
      std::fprintf(stderr, "%s\n%s\n", fault->c_str(), ornix::writeMapBlock(map, "images/").c_str());
      std::abort();
    }
  }
  return 0;
}
