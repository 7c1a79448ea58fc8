#include <gtest/gtest.h>

#include <QImageWriter>
#include <QLabel>
#include <QToolButton>
#include <filesystem>

#include "editor/frm_map.h"
#include "model/area_text.h"
#include "model/map_block_writer.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
#include "support/map_pages.h"
#include "workflow/file_dialogs.h"
#include "workflow/map_opening.h"

namespace ornix {
namespace {

class MapOpeningTest : public testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(dir.path / "site" / "img" / "sub"); }

  std::string picture(const std::string& relative, int width = 200, int height = 120) {
    return test::writePicture(dir, relative, width, height);
  }
  std::string page(const std::string& name, const std::string& src, const std::string& top,
                   const std::string& bottom) {
    return test::writeMapPage(dir, name, src, top, bottom);
  }
  static std::string ext(const std::string& path) { return path.substr(path.size() - 4); }

  test::TempDir dir;
  test::FakeUi ui;
  frmMap window{ui};
  MapDocument& doc = window.document();
};

TEST_F(MapOpeningTest, APageOpensWithEveryAreaAndKeepsItsTextByteForByte) {
  const std::string top = "<html><body>\r\n<p>caf\xE9</p>\n";
  const std::string bottom = "\n<p>\xC3\xA9t\xC3\xA9</p>\r\n</body></html>";
  const std::string file = page("index.html", "img/photo.bmp", top, bottom);
  EXPECT_TRUE(txtSpecs(window, ui, file, "html"));
  EXPECT_EQ(doc.imagePath(), (dir.path / "site/img/photo.bmp").string());
  EXPECT_EQ(doc.areaList(), (std::vector<std::string>{
                                R"(<AREA SHAPE="rect" COORDS="10, 10, 60, 50" HREF="a.html" Target="_top)",
                                R"(<AREA SHAPE="circle" COORDS="100, 60, 12" HREF="b.html" ALT="Ring &quot;one&quot;)",
                                R"(<AREA SHAPE="poly" COORDS="150, 10, 190, 20, 170, 70" HREF="#)"}));
  EXPECT_EQ(doc.hrefList(), (std::vector<std::string>{"a.html", "b.html", "#"}));
  EXPECT_EQ(doc.regionList().size(), 3u);
  EXPECT_TRUE(doc.hasSourcePage());
  EXPECT_EQ(doc.sourcePage()->htmlTop(), top);
  EXPECT_EQ(doc.sourcePage()->htmlBot(), bottom);
  EXPECT_EQ(ui.pauses, std::vector<int>(3, 200));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(window.findChild<QToolButton*>("cmdMake")->isEnabled());
}

TEST_F(MapOpeningTest, OnlyPagesCanBeSavedBack) {
  for (const std::string name : {"map.ornx", "notes.txt", "page.htm", "shop.asp", "x.shtml"}) {
    const std::string file = page(name, "img/photo.bmp", "", "");
    ASSERT_TRUE(txtSpecs(window, ui, file, ext(file)));
    const bool page = name.ends_with("htm") || name.ends_with("asp") || name.ends_with("html");
    EXPECT_EQ(doc.hasSourcePage(), page) << name;
  }
}

TEST_F(MapOpeningTest, APictureMissingBesideThePageMayBeLocated) {
  const std::string file = page("index.html", "img/sub/photo.bmp", "", "");
  std::filesystem::rename(dir.path / "site/img/sub/photo.bmp", dir.path / "elsewhere.bmp");
  ASSERT_TRUE(doc.imgSpecs(picture("old.bmp")));
  doc.addArea("<AREA", 0, "1|1|5|5");
  doc.addAreaDefaults();

  const std::string expectedPath = (dir.path / "site/img/sub/photo.bmp").string();
  ui.dialogScripts.push_back([&](QDialog& d) {
    // Both "/" of the path stay separators.
    EXPECT_NE(d.findChild<QLabel*>("Label2")->text().toStdString().find(expectedPath), std::string::npos);
    test::clickButton(d, "cmdNo");
  });
  EXPECT_TRUE(txtSpecs(window, ui, file, "html"));
  EXPECT_EQ(ui.dialogsShown.back(), "Image path problem...");
  EXPECT_EQ(doc.areaList().size(), 1u);  // the map on screen is untouched
  EXPECT_EQ(doc.hrefList(), std::vector<std::string>{"#"});

  ui.answerWith("cmdYes");
  ui.chosenFiles.push_back((dir.path / "elsewhere.bmp").string());
  ui.answerWith("cmdOK");
  EXPECT_TRUE(txtSpecs(window, ui, file, "html"));
  EXPECT_EQ(ui.dialogsShown.back(), "Keep in mind...");
  EXPECT_EQ(ui.fileRequests.back().title, "Open File...");
  EXPECT_EQ(ui.fileRequests.back().filters, (std::vector<FileFilter>{{"Image", "*.jpg;*.gif"}}));
  EXPECT_EQ(doc.imagePath(), (dir.path / "elsewhere.bmp").string());
  EXPECT_EQ(doc.areaList().size(), 3u);
  EXPECT_EQ(window.tag, "");
}

TEST_F(MapOpeningTest, APictureThatWillNotLoadLeavesTheMapOnScreen) {
  const std::string file = page("index.html", "img/photo.bmp", "", "");
  std::filesystem::resize_file(dir.path / "site/img/photo.bmp", 10);
  ASSERT_TRUE(doc.imgSpecs(picture("old.bmp")));
  EXPECT_TRUE(txtSpecs(window, ui, file, "html"));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].title, "Ornix Note:");
  EXPECT_EQ(doc.imagePath(), (dir.path / "old.bmp").string());
  EXPECT_TRUE(doc.areaList().empty());
}

TEST_F(MapOpeningTest, ADamagedFileIsExplainedAndChangesNothing) {
  const std::string file = dir.write("site/plain.txt", test::Bytes{'<', 'p', '>'});
  ui.dialogScripts.push_back([](QDialog& d) {
    const std::string body = d.findChild<QLabel*>("Label2")->text().toStdString();
    EXPECT_NE(body.find("> Copyright tag missing or altered.\n> Area tags missing or altered.\n> Image tag missing"),
              std::string::npos);
    test::clickButton(d, "cmdOK");
  });
  EXPECT_TRUE(txtSpecs(window, ui, file, ".txt"));
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>{"We have a problem..."});
}

// A damaged block is read as far as it can be, and the one note says how far
// that was: no area, the areas before the damaged tag, or nothing at all.
TEST_F(MapOpeningTest, ADamagedBlockSaysHowFarTheReadingGot) {
  struct Case {
    const char* name;
    std::string from, to;  // the damage done to the page's text
    Message said;
    std::size_t areasLeft;
  };
  const std::vector<Case> cases = {
      {"a rectangle of three numbers", "10, 10, 60, 50", "10, 10, 60",
       {"COORDINATE ERROR", "There appears to be a Coordinate error.\r\nCheck coordinates for area 1 and see if something is missing.",
        MessageIcon::stop},
       0},
      {"a number beyond 16 bits", "100, 60, 12", "100, 60, 99999",
       {"Ornix Note:", "AREA tag 2 of the map could not be read.\r\nIt and the areas after it were not loaded.",
        MessageIcon::exclamation},
       1},
      {"a link without its closing quote", R"(HREF="#">)", R"(HREF="#>)",
       {"Ornix Note:", "AREA tag 3 of the map could not be read.\r\nNo area was loaded.", MessageIcon::exclamation}, 0},
      {"an end comment cut short", "line. -->", "line.",
       {"Ornix Note:", "ORNX end comment is cut short,\r\nso nothing was loaded.", MessageIcon::exclamation}, 1},
  };
  const std::string text = test::contents(page("index.html", "img/photo.bmp", "", ""));
  for (const Case& c : cases) {
    ASSERT_TRUE(doc.imgSpecs(picture("old.bmp")));
    doc.addArea("<AREA", 0, "1|1|5|5");  // the map on screen before
    doc.addAreaDefaults();
    std::string damaged = text;
    damaged.replace(damaged.find(c.from), c.from.size(), c.to);
    ui.messages.clear();
    txtSpecs(window, ui, dir.write("site/damaged.html", test::Bytes(damaged.begin(), damaged.end())), "html");
    EXPECT_EQ(ui.messages, std::vector<Message>{c.said}) << c.name;
    EXPECT_EQ(doc.areaList().size(), c.areasLeft) << c.name;
    EXPECT_EQ(doc.hrefList().size(), c.areasLeft) << c.name;
  }
}

TEST(FileDialog, AsksWithTheProgramsFiltersAndRefusesAMissingFile) {
  test::TempDir dir;
  test::FakeUi ui;
  const std::string there = dir.write("a.gif", test::gifHeader(1, 1));
  ui.chosenFiles = {"  " + there + "  ", (dir.path / "missing.gif").string(), std::nullopt, "/out/page"};
  EXPECT_EQ(fileDialog(ui, true, purpose::anyFile, there), there);
  EXPECT_EQ(ui.fileRequests[0].startFolder, dir.path.string() + "/");
  EXPECT_EQ(ui.fileRequests[0].filters.size(), 3u);
  EXPECT_EQ(fileDialog(ui, true, purpose::anyFile, there), "");
  EXPECT_EQ(ui.messages.back(), (Message{"OPEN ERROR...", "That file you chose isn't there.", MessageIcon::exclamation}));
  EXPECT_EQ(fileDialog(ui, false, purpose::htmlPage, there), "");
  EXPECT_EQ(fileDialog(ui, false, purpose::textFile, there), "/out/page");
  EXPECT_EQ(ui.fileRequests[2].title, "Save File As...");
  EXPECT_EQ(ui.fileRequests[2].filters, (std::vector<FileFilter>{{"Save As HTML  (*.htm)", "*.htm"}}));
  EXPECT_EQ(ui.fileRequests[3].filters, (std::vector<FileFilter>{{"Save As TEXT  (*.txt)", "*.txt"}}));
}

TEST(PathHelpers, CutPathsAsTheDialogsNeedThem) {
  EXPECT_EQ(folderOf(R"(C:\maps\a.gif)"), R"(C:\maps\)");
  EXPECT_EQ(folderOf("a:b.gif"), "a:");
  EXPECT_EQ(folderOf("/home/web/a.gif"), "/home/web/");
  EXPECT_EQ(folderOf("a.gif"), "");
  EXPECT_EQ(stripAtNul(std::string("C:\\a.gif\0   ", 12)), "C:\\a.gif");
  EXPECT_EQ(stripAtNul("whole"), "whole");
  test::TempDir dir;
  EXPECT_TRUE(fileExists(dir.write("f", {})));
  EXPECT_FALSE(fileExists(dir.path.string()));
  EXPECT_FALSE(fileExists((dir.path / "none").string()));
}

}  // namespace
}  // namespace ornix
