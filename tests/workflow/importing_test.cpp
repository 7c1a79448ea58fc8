// Import Map: a map of any page into the document, with its picture at the
// page's size, and saved back into that page.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "document/map_document.h"
#include "model/image_header.h"
#include "platform/clipboard.h"
#include "support/map_pages.h"
#include "support/settings_home.h"
#include "workflow/image_loading.h"
#include "workflow/map_importing.h"
#include "workflow/saving.h"

namespace ornix {
namespace {

using test::contents;

const std::string twoMaps =
    "<html><body>\n<img src=\"hall.bmp\" usemap=\"#hall\" width=\"100\" height=\"60\">\n"
    "<img src=\"pics/garden%20plan.bmp?v=2#top\" usemap=\"#garden\">\n"
    "<map name=\"hall\"><area shape=\"rect\" coords=\"0,0,50,30\" href=\"h.html\"></map>\n"
    "<map name=\"garden\">\n"
    "  <area shape=\"rect\" coords=\"10,10,60,50\" href=\"pond.html\" alt=\"Pond\" title=\"The pond\">\n"
    "  <area shape=\"default\" href=\"garden.html\">\n"
    "  <area shape=\"circle\" coords=\"100,60,12.5\" href=\"tree.html\">\n"
    "</map>\n</body></html>\n";

class ImportingTest : public testing::Test, protected test::SettingsHome {
 protected:
  void SetUp() override {
    test::writePicture(dir, "site/hall.bmp", 200, 120);
    test::writePicture(dir, "site/pics/garden plan.bmp", 200, 120);
  }
  std::string page(const std::string& name, const std::string& text) {
    return dir.write("site/" + name, test::Bytes(text.begin(), text.end()));
  }
  // The chooser's answer: the arrow keys, then Return or Esc.
  void chooseWith(std::vector<Qt::Key> keys) {
    ui.dialogScripts.push_back([keys](QDialog& chooser) {
      for (const Qt::Key key : keys) QTest::keyClick(chooser.findChild<QTreeWidget*>("mapList"), key);
    });
  }
  // A map on screen, to see that a failed import leaves it as it was.
  void mapOnScreen() {
    ASSERT_EQ(loadImage(document, ui, test::writePicture(dir, "before.bmp", 50, 40)), PictureLoad::loaded);
    document.addReadArea({Shape::rectangle, {{1, 1}, {20, 20}}, 0, {"keep.html"}});
  }
  // "Save in Original Page" to a file beside the page: what it wrote.
  std::string savedBack() {
    const std::string path = (dir.path / "site/saved.html").string();
    ui.chosenFiles.push_back(path);
    ui.answerWith("anotherButton");
    saving.saveToFile(OutputKind::sourcePage);
    return contents(path);
  }
  const ImageMap& map() const { return document.map(); }

  QtClipboard clipboard;
  MapDocument document;
  QWidget pictureWidget;
  const MapWorkspace workspace{document, nullptr, pictureWidget};
  Saving saving{workspace, ui, clipboard, settings, [](AfterSaveDialog&) {}};
};

// Two maps: the chooser lists them; the second is imported with its picture,
// whose src is decoded and stripped of its query; the tag kept as it was is
// said; saved back unchanged the page is the same bytes, and with one ALT
// edited it differs in that tag alone.
TEST_F(ImportingTest, ImportsTheChosenMapAndSavesItBackChangedInOneTag) {
  const std::string path = page("index.html", twoMaps);
  chooseWith({Qt::Key_Down, Qt::Key_Return});
  ASSERT_TRUE(importMapFile(workspace, ui, path));
  EXPECT_EQ(ui.dialogsShown, std::vector<std::string>{"Choose a Map"});
  EXPECT_EQ(test::nativePath(map().picture->path), test::nativePath(dir.path / "site/pics/garden plan.bmp"));
  ASSERT_EQ(map().areas.size(), 2u);
  EXPECT_EQ(map().areas[1].radius, 12.5f);
  EXPECT_EQ(map().areas[0].otherAttributes, (std::vector<OtherAttribute>{{"title", "The pond"}}));
  EXPECT_EQ(document.origin(), MapOrigin::imported);
  EXPECT_EQ(document.history().count(), 0);
  EXPECT_EQ(ui.messages.back().text,
            "1 area kept as it was: area 2 (shape default).\r\n\r\n"
            "Saved back into its page, each stays where it is; the other saves leave it out.");
  EXPECT_EQ(savedBack(), twoMaps);

  document.history().undo();  // the save emptied the map; the map and its page come back
  Area pond = map().areas[0];
  pond.attributes.alt = "The pond &amp; its fish";
  document.replace(0, pond, StepKind::edit);
  std::string expected = twoMaps;
  const std::string tag =
      "<area shape=\"rect\" coords=\"10,10,60,50\" href=\"pond.html\" alt=\"Pond\" title=\"The pond\">";
  expected.replace(expected.find(tag), tag.size(),
                   "<AREA SHAPE=\"rect\" COORDS=\"10, 10, 60, 50\" HREF=\"pond.html\" ALT=\"The pond &amp; its fish\" "
                   "title=\"The pond\">");
  EXPECT_EQ(savedBack(), expected);
}

// The page shows its picture at 100 x 60: the picture is shown so and the
// coordinates are the page's; the other saves write that size.
TEST_F(ImportingTest, ShowsThePictureAtThePagesSizeWithTheCoordinatesAsWritten) {
  const std::string path = page("index.html", twoMaps);
  chooseWith({Qt::Key_Return});
  ASSERT_TRUE(importMapFile(workspace, ui, path));
  EXPECT_EQ(std::pair(map().picture->width, map().picture->height), std::pair(100, 60));
  EXPECT_EQ(document.pixels().size(), QSize(100, 60));
  EXPECT_EQ(map().areas[0].points, (std::vector<Point>{{0, 0}, {50, 30}}));
  EXPECT_NE(buildOutput(map(), OutputKind::htmlPage, "").find("width=100 height=60"), std::string::npos);
  EXPECT_EQ(savedBack(), twoMaps);
  document.history().undo();
  EXPECT_EQ(document.pixels().size(), QSize(100, 60)) << "the picture read again after a save keeps the page's size";
}

// Pages that offer nothing to import, or that the user turns away from:
// each says why in the program's words, or nothing when cancelled, and the
// map on screen stays as it was.
TEST_F(ImportingTest, APageWithNothingToImportLeavesTheMapAsItWas) {
  std::filesystem::create_directories(dir.path / "site");
  const std::string big = (dir.path / "site/big.html").string();
  std::ofstream(big) << "<map>";
  std::filesystem::resize_file(big, largestImportedPage + 1);
  test::writePicture(dir, "site/flat.png", 20, 20, "png");
  struct Case {
    std::string page;
    std::string said;  // words of the message shown, or the dialog, or "" for none
    std::function<void()> answers = [] {};
  };
  const std::vector<Case> cases = {
      {"<p>no maps here</p>", "This page holds no image map."},
      {"<img src=a.gif usemap=\"#gone\">",
       "The picture at line 1 uses the map \"#gone\", which the page does not hold."},
      {"<img src=\"hall.bmp\" usemap=\"#m\"><map name=\"m\">\n<area coords=\"1,2,3,4\"><!-- never closed",
       "The page ends inside a tag or comment that begins at line 2,\r\nwithin the map \"m\""},
      {std::string("\x7F"
                   "ELF\x02\x01\x01\0\0\0",
                   10) +
           "<map name=x>",
       "is not a web page"},
      {"\xFF\xFE<\0m\0a\0p\0>\0", "is written in UTF-16"},
      {"", "MB: Ornix imports maps from pages of up to 32 MB."},
      {"<img src=\"flat.png\" usemap=\"#m\"><map name=\"m\"></map>", pngRefusal().text},
      {"<img src=\"gone.bmp\" usemap=\"#m\"><map name=\"m\"></map>", "Image path problem...",
       [this] { ui.answerWith("noButton"); }},
      {twoMaps, "Choose a Map", [this] { chooseWith({Qt::Key_Escape}); }},
  };
  mapOnScreen();
  const ImageMap before = map();
  for (const Case& c : cases) {
    ui.messages.clear();
    ui.dialogsShown.clear();
    c.answers();
    const std::string path = c.page.empty() ? big : page("bad.html", c.page);
    EXPECT_FALSE(importMapFile(workspace, ui, path)) << c.said;
    std::string shown;
    for (const Message& message : ui.messages) shown += message.text;
    for (const std::string& dialog : ui.dialogsShown) shown += dialog;
    EXPECT_NE(shown.find(c.said), std::string::npos) << shown;
    EXPECT_EQ(map(), before) << c.said;
  }
}

// A map of no areas is imported as its picture with none; a map no picture
// uses asks for its picture; a picture named from the site's root is found
// in a folder above the page.
TEST_F(ImportingTest, FindsThePictureWhereverThePageNamesIt) {
  test::writePicture(dir, "site/deep/er/../../root.bmp", 30, 20);
  std::filesystem::create_directories(dir.path / "site/deep/er");
  ASSERT_TRUE(importMapFile(workspace, ui,
                            page("deep/er/page.html", "<img src=\"/root.bmp\" usemap=\"#e\"><map name=\"e\"></map>")));
  EXPECT_EQ(test::nativePath(map().picture->path), test::nativePath(dir.path / "site/root.bmp"));
  EXPECT_TRUE(map().areas.empty());
  EXPECT_TRUE(ui.messages.empty());

  const std::string chosen = (dir.path / "site/hall.bmp").string();
  ui.answerWith("yesButton");
  ui.chosenFiles.push_back(chosen);
  ASSERT_TRUE(importMapFile(workspace, ui, page("alone.html", "<map id=\"alone\"><area coords=\"1,1,9,9\"></map>")));
  EXPECT_EQ(ui.dialogsShown.back(), "Which picture?");
  EXPECT_EQ(map().picture->path, chosen);
  EXPECT_EQ(map().areas.size(), 1u);
}

}  // namespace
}  // namespace ornix
