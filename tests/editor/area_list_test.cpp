#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUndoView>

#include "editor/area_list_window.h"
#include "editor/area_table.h"
#include "editor/editor_window.h"
#include "model/map_import.h"
#include "model/map_writer.h"
#include "support/editor_on_picture.h"
#include "support/fake_ui.h"
#include "support/picture_mouse.h"
#include "support/printers.h"
#include "support/window_keys.h"

namespace ornix {
namespace {

using test::door;
using test::roof;
using test::tower;

// The editor with its area list shown, over a map of three areas.
class AreaListTest : public test::EditorOnPicture {
 protected:
  void SetUp() override {
    EditorOnPicture::SetUp();
    readAreas({door, tower, roof});
    test::pressKey(window, Qt::Key_F3);
  }
  AreaListWindow& list() { return window.areaList(); }
  QTableView& view() { return *list().findChild<QTableView*>("areaTable"); }
  QAbstractItemModel& table() { return *view().model(); }
  QString cell(int row, int column) { return table().index(row, column).data().toString(); }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(&view(), key, modifiers);
  }
  void choose(int row) { view().setCurrentIndex(table().index(row, AreaTable::href)); }
  std::string altCount() { return list().findChild<QLabel*>("altCount")->text().toStdString(); }
};

TEST_F(AreaListTest, ShowsEveryAreaAsItWillBeWrittenAndCountsMissingAlts) {
  EXPECT_TRUE(list().isVisible());
  EXPECT_EQ(list().windowTitle(), "Areas");
  ASSERT_EQ(table().rowCount(), 3);
  QStringList shown;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 6; ++column) shown << cell(row, column);
  }
  EXPECT_EQ(shown, QStringList({"1", "rect", "20, 20, 60, 50", "a.html", "", "Door",  //
                                "2", "circle", "150, 100, 20", "b.html", "_top", "",  //
                                "3", "poly", "200, 20, 280, 30, 240, 90", "", "", ""}));
  EXPECT_FALSE(table().index(0, 0).data(Qt::BackgroundRole).isValid());
  EXPECT_TRUE(table().index(1, 0).data(Qt::BackgroundRole).isValid()) << "a row without ALT is marked";
  EXPECT_EQ(altCount(), "2 areas have no ALT text");
  test::pressKey(window, Qt::Key_F3);
  EXPECT_FALSE(list().isVisible());
}

// In-place edits follow the attributes dialog's rules, each one step.
TEST_F(AreaListTest, CellsAreEditedUnderTheDialogsRules) {
  const std::vector<std::tuple<int, int, QString, Attributes>> edits = {
      {1, AreaTable::alt, "Tower \"top\"", {"b.html", "_top", "Tower &quot;top&quot;", {}}},
      {1, AreaTable::target, "&top; &Co", {"b.html", "&amp;top; &Co", "Tower &quot;top&quot;", {}}},
      {0, AreaTable::target, "Enter a TARGET here, if you would like...", {"a.html", "", "Door", {}}},
      {0, AreaTable::href, "#", {"#", "", "Door", "a.html"}},
      {2, AreaTable::target, "_blank", {"#", "_blank", "", {}}},
  };
  for (const auto& [row, column, typed, expected] : edits) {
    EXPECT_TRUE(table().setData(table().index(row, column), typed, Qt::EditRole));
    EXPECT_EQ(areas()[static_cast<std::size_t>(row)].attributes, expected) << typed.toStdString();
  }
  EXPECT_EQ(altCount(), "1 area has no ALT text");
  EXPECT_EQ(cell(1, AreaTable::alt), "Tower \"top\"") << "values show with their references decoded";
  EXPECT_EQ(window.document().history().count(), 4) << "an edit that changes nothing is no step";
  EXPECT_FALSE(table().setData(table().index(2, AreaTable::coordinates), "1, 2, 3", Qt::EditRole));
}

// Ctrl+Up and Ctrl+Down, and the buttons, change the area's place in the map
// and in the written block; Delete removes it; each is undone as one step.
// The editor's keys are not the list's: an arrow moves along the list.
TEST_F(AreaListTest, KeysAndButtonsReorderAndDelete) {
  choose(2);
  EXPECT_EQ(window.document().selected(), 2u);
  QApplication::setActiveWindow(&list());
  for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right}) press(key);  // the list's own keys, no nudge
  EXPECT_EQ(areas(), (std::vector<Area>{door, tower, roof}));
  press(Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(areas(), (std::vector<Area>{door, roof, tower}));
  EXPECT_EQ(view().currentIndex().row(), 1) << "the row goes with its area";
  list().findChild<QPushButton*>("moveUpButton")->click();
  EXPECT_EQ(areas(), (std::vector<Area>{roof, door, tower}));
  const std::string block = writeMapBlock(window.map(), "");
  EXPECT_LT(block.find("COORDS=\"200, 20"), block.find("COORDS=\"20, 20"));
  list().findChild<QPushButton*>("moveDownButton")->click();
  press(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(areas(), (std::vector<Area>{door, tower, roof}));
  press(Qt::Key_Delete);
  EXPECT_EQ(areas(), (std::vector<Area>{door, tower}));
  EXPECT_EQ(list().findChild<QUndoView*>("history")->model()->rowCount(), 6) << "the map opened, then five steps";
  window.undo();
  EXPECT_EQ(areas(), (std::vector<Area>{door, tower, roof}));
}

// An imported map: each area's other attributes in a column of their own,
// never edited; after the areas, the tags kept as they were, greyed, never
// edited, chosen or moved, gone with the page a save leaves and back with it.
TEST_F(AreaListTest, ShowsOtherAttributesAndTheTagsKeptAsTheyWere) {
  const std::string page =
      "<map name=m><area shape=rect coords=1,1,90,90 href=a.html title=\"A &amp; B\" nohref>"
      "<area shape=default href=x.html></map>";
  const ImportedMap imported = importMap(page, surveyPage(page).maps[0], "utf-8");
  window.document().showPicture({"/pictures/picture.bmp", 300, 200}, test::patternedPicture(300, 200));
  window.document().forgetHistory(MapOrigin::imported);
  window.document().holdSourcePage(imported.page);
  readAreas(imported.areas);
  ASSERT_EQ(table().rowCount(), 2);
  EXPECT_EQ(cell(0, AreaTable::others), "title=\"A &amp; B\" nohref");
  EXPECT_FALSE(table().flags(table().index(0, AreaTable::others)).testFlag(Qt::ItemIsEditable));
  EXPECT_EQ(QStringList({cell(1, AreaTable::number), cell(1, AreaTable::shape), cell(1, AreaTable::href)}),
            QStringList({"kept", "default", "x.html"}));
  EXPECT_EQ(table().flags(table().index(1, AreaTable::href)), Qt::ItemIsEnabled);
  EXPECT_FALSE(table().setData(table().index(1, AreaTable::href), "y.html", Qt::EditRole));
  view().setCurrentIndex(table().index(1, 0));
  press(Qt::Key_Delete);
  press(Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(areas().size(), 1u);
  EXPECT_EQ(list().findChild<QUndoView*>("history")->emptyLabel(), "Map imported");
  window.document().empty(true);
  EXPECT_EQ(table().rowCount(), 0);
  window.undo();
  EXPECT_EQ(table().rowCount(), 2);
}

}  // namespace
}  // namespace ornix
