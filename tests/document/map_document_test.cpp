#include <gtest/gtest.h>

#include <functional>

#include "document/map_document.h"
#include "model/area_geometry.h"
#include "support/printers.h"

namespace ornix {
namespace {

const Area rectangle{Shape::rectangle, {{10, 10}, {60, 40}}, 0, {"a.html", "", "Door", {}}};
const Area circle{Shape::circle, {{150, 100}}, 20, {"b.html", "_top", "", {}}};
const Area polygon{Shape::polygon, {{200, 20}, {280, 30}, {240, 90}}, 0, {"c.html", "", "", {}}};

// A document on a 300 x 200 picture with three areas read from a page.
class MapDocumentTest : public testing::Test {
 protected:
  void SetUp() override {
    document.showPicture({"/pictures/harbour.gif", 300, 200}, QImage(300, 200, QImage::Format_RGB32));
    document.holdSourcePage(page);
    for (const Area& area : {rectangle, circle, polygon}) document.addReadArea(area);
  }
  QString lastStep() { return document.history().text(document.history().index() - 1); }

  std::shared_ptr<const SplitPage> page = std::make_shared<SplitPage>(SplitPage{"<p>", "", "</p>"});
  MapDocument document;
};

// Every kind of step, made, undone and redone, leaves the map as it was made
// and as it was before; the history names it in words.
TEST_F(MapDocumentTest, EveryStepUndoesAndRedoesToTheSameMap) {
  Area edited = circle;
  edited.attributes.alt = "Lighthouse";
  const std::vector<std::tuple<const char*, std::function<void(MapDocument&)>, std::vector<Area>>> steps = {
      {"Draw circle", [](MapDocument& d) { d.draw(circle); }, {rectangle, circle, polygon, circle}},
      {"Move area 1",
       [](MapDocument& d) {
         d.replace(0, moved(rectangle, {5, 5}, {300, 200}), StepKind::move);
       },
       {moved(rectangle, {5, 5}, {300, 200}), circle, polygon}},
      {"Edit area 2", [&](MapDocument& d) { d.replace(1, edited, StepKind::edit); }, {rectangle, edited, polygon}},
      {"Delete area 3", [](MapDocument& d) { d.remove(2); }, {rectangle, circle}},
      {"Swap areas 2 and 3", [](MapDocument& d) { d.swapWithNext(1); }, {rectangle, polygon, circle}},
      {"Save empties the map", [](MapDocument& d) { d.empty(true); }, {}},
  };
  for (const auto& [text, make, after] : steps) {
    const ImageMap before = document.map();
    make(document);
    EXPECT_EQ(lastStep(), text);
    EXPECT_EQ(document.map().areas, after) << text;
    document.history().undo();
    EXPECT_EQ(document.map(), before) << text;
    document.history().redo();
    EXPECT_EQ(document.map().areas, after) << text;
    document.history().undo();
  }
  EXPECT_EQ(document.map().sourcePage, page) << "undoing the save brings its page back";
}

}  // namespace
}  // namespace ornix
