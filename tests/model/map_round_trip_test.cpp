#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "model/attribute_entry.h"
#include "model/map_format.h"
#include "support/map_round_trip.h"
#include "support/printers.h"

namespace ornix {
namespace {

// Maps of every shape whose HREF, Target, ALT and other attributes are typed
// from pieces that trouble a map block: quotes, "<", ">", "&", "=", the
// attribute names, the marker comments, bytes above 127, one character or none.
class MapGenerator {
 public:
  explicit MapGenerator(unsigned seed) : random(seed) {}

  ImageMap map() {
    ImageMap map{Picture{pick(pictureNames), 640, 480}, {}, page};
    const int count = number(0, 6);
    for (int i = 0; i < count; ++i) map.areas.push_back(area());
    return map;
  }

 private:
  inline static const std::vector<std::string> pictureNames = {"/p/photo.gif", "/p/a b.jpg", "/p/caf\xE9.jpeg"};
  // The pieces, split at "|", then the marker comments themselves.
  inline static const std::vector<std::string> pieces = [] {
    std::vector<std::string> all;
    std::istringstream listed(R"("|'|<|>|&|=|&quot;|&gt;|&lt;|HREF=|Target=|ALT=|COORDS=|SHAPE="rect"|<AREA |</MAP>|)"
                              R"(<!--|-->|<!-- end Ornix|if you would like...|)"
                              "\xE9\xFF\x80"
                              R"(| |#|main|_top|page.html?ALT=1&Target=2)");
    for (std::string piece; std::getline(listed, piece, '|');) all.push_back(piece);
    for (const std::string_view marker : {startComment, endComment, signatureComment}) all.emplace_back(marker);
    return all;
  }();

  int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
  template <typename T>
  const T& pick(const std::vector<T>& from) {
    return from[static_cast<std::size_t>(number(0, static_cast<int>(from.size()) - 1))];
  }

  std::string typed() {
    std::string text;
    const int count = number(0, 4);
    for (int i = 0; i < count; ++i) {
      if (number(0, 1) == 0) {
        text += pick(pieces);
      } else {
        text += static_cast<char>(number(0, 2) == 0 ? number(128, 255) : number(32, 126));
      }
    }
    return text;
  }

  Attributes attributes() {
    const std::optional<Attributes> entered = enteredAttributes(
        {}, escapeAttributeValue(typed()), escapeAttributeValue(typed()), escapeAttributeValue(typed()));
    return entered.value_or(Attributes{});  // nothing counts: the area keeps a new area's attributes
  }

  // Attributes a page's tags carry beside those the editor edits, each once.
  std::vector<OtherAttribute> otherAttributes() {
    static const std::vector<std::string> names = {"title", "class", "data-id", "nohref", "onclick", "aria-label"};
    std::vector<OtherAttribute> others;
    for (const std::string& name : names) {
      if (number(0, 3) != 0) continue;
      others.push_back({name, number(0, 4) == 0 ? std::nullopt : std::optional(escapeAttributeValue(typed()))});
    }
    return others;
  }

  Area area() {
    const auto shape = static_cast<Shape>(number(0, 2));
    const auto coordinate = [this] { return number(-32768, 32767); };
    Area area{shape, {}, 0.0f, attributes(), otherAttributes()};
    if (shape == Shape::rectangle) area.points = {{coordinate(), coordinate()}, {coordinate(), coordinate()}};
    if (shape == Shape::circle) {
      area.points = {{coordinate(), coordinate()}};
      area.radius = static_cast<float>(number(0, 32767)) + (number(0, 1) == 0 ? 0.5f : 0.0f);
    }
    for (int i = number(1, 6); shape == Shape::polygon && i > 0; --i) {
      area.points.push_back({number(-2'000'000'000, 2'000'000'000), number(-2'000'000'000, 2'000'000'000)});
    }
    return area;
  }

  std::mt19937 random;
  std::shared_ptr<const SplitPage> page = std::make_shared<SplitPage>(
      SplitPage{"<html><body>\r\n<p title=\"a > b\">before</p>\n", "old block", "\n<p>after</p></body></html>"});
};

TEST(MapRoundTrip, EveryOutputReadsBackIntoTheSameAreasValueForValue) {
  MapGenerator generator(20261207);
  for (int i = 0; i < 20000; ++i) {
    const ImageMap map = generator.map();
    for (const OutputKind kind : test::everyOutput) {
      for (const std::string prefix : {"images/", ""}) {
        const std::optional<std::string> fault = test::roundTripFault(map, kind, prefix);
        ASSERT_FALSE(fault) << *fault << "\nin map " << i << ", output " << static_cast<int>(kind) << ":\n"
                            << writeMapBlock(map, prefix);
      }
    }
  }
}

}  // namespace
}  // namespace ornix
