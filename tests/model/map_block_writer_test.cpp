#include <gtest/gtest.h>

#include "support/image_bytes.h"
#include "model/area_text.h"
#include "model/map_block_format.h"
#include "model/map_block_writer.h"
#include "support/model_fakes.h"

namespace ornix {
namespace {

const std::string start =
    R"(<!-- Ornix start, DO NOT EDIT until after "end Ornix" comment, (except tag entries) if you wish to later import mapping into Ornix. -->)";
const std::string end = "<!-- end Ornix, safe to edit AFTER this line. -->";
const std::string signature(signatureComment);

class MapBlockWriterTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(doc.imgSpecs(dir.write("photo.gif", test::gifHeader(500, 300)))); }
  void addArea(const ShapeTexts& shape, std::string_view attributes = "") {
    doc.addArea(shape.areaText + std::string(attributes), 0, shape.coordText);
    doc.addAreaDefaults();
  }
  std::string blockWithAreaLines(const std::string& areaLines) {
    return start + "\r\n" +
           R"(<img src="images/photo.gif" width=500 height=300 border=0 USEMAP="#photo">)" +
           "\r\n\r\n" + signature + "\r\n" + R"(<MAP NAME="photo">)" + "\r\n" + areaLines +
           "</MAP>\r\n" + end;
  }

  test::TempDir dir;
  test::FakeMapView view;
  test::RecordingNotifier notifier;
  MapDocument doc{view, notifier, "/home/author/"};
};

TEST_F(MapBlockWriterTest, WritesANewRectangleWithAnEmptyHref) {
  addArea(rectShape(10, 20, 110, 220));
  EXPECT_EQ(buildMapBlock(doc, "images/"),
            blockWithAreaLines(R"(<AREA SHAPE="rect" COORDS="10, 20, 110, 220" HREF="">)" "\r\n"));
}

TEST_F(MapBlockWriterTest, WritesNoAreaLineForAnEmptyMap) {
  EXPECT_EQ(buildMapBlock(doc, "images/"), blockWithAreaLines(""));
}

TEST_F(MapBlockWriterTest, WritesAreasInOrderWithTheirAttributesUnescaped) {
  addArea(rectShape(120, 80, 20, 10), attributePart("index.html", "_top", ""));
  addArea(*circleShape(50, 60, 12.5f), attributePart(R"(say "hi".html)", "", "A ring"));
  const std::vector<Point32> triangle{{1, 2}, {30, 4}, {5, 60}};
  addArea(polyShape(triangle), attributePart("p.htm", "main", "Shop & more"));
  EXPECT_EQ(buildMapBlock(doc, "images/"),
            blockWithAreaLines(
                R"(<AREA SHAPE="rect" COORDS="120, 80, 20, 10" HREF="index.html" Target="_top">)" "\r\n"
                R"(<AREA SHAPE="circle" COORDS="50, 60, 12" HREF="say "hi".html" ALT="A ring">)" "\r\n"
                R"(<AREA SHAPE="poly" COORDS="1, 2, 30, 4, 5, 60" HREF="p.htm" Target="main" ALT="Shop & more">)" "\r\n"));
}

TEST_F(MapBlockWriterTest, PutsTheFolderPrefixDirectlyBeforeTheFileName) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"images/", R"(<img src="images/photo.gif" )"},
      {"", R"(<img src="photo.gif" )"},
      {"pics", R"(<img src="picsphoto.gif" )"},
      {"../shared images/", R"(<img src="../shared images/photo.gif" )"},
  };
  for (const auto& [prefix, imgStart] : cases) {
    const std::string block = buildMapBlock(doc, prefix);
    EXPECT_EQ(block.substr(start.size() + 2, imgStart.size()), imgStart) << prefix;
  }
}

TEST_F(MapBlockWriterTest, WrapsTheBlockForEachOutput) {
  addArea(rectShape(10, 20, 110, 220));
  auto page = std::make_unique<ChtmlPage>();
  page->setHtmlTop("<html><body>\r\n<p>before</p>\n");
  page->setHtmlBot("\n<p>after</p>\r\n</body></html>");
  doc.holdSourcePage(std::move(page), true);

  const std::string block = buildMapBlock(doc, "images/");
  const std::vector<std::pair<OutputKind, std::string>> cases = {
      {OutputKind::clipboard, block},
      {OutputKind::mapFile, block + "\r\n"},
      {OutputKind::textFile, block + "\r\n"},
      {OutputKind::htmlPage, "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n" + block +
                                 "\r\n</BODY>\r\n</HTML>\r\n"},
      {OutputKind::sourcePage,
       "<html><body>\r\n<p>before</p>\n" + block + "\n<p>after</p>\r\n</body></html>\r\n"},
  };
  for (const auto& [kind, text] : cases) {
    EXPECT_EQ(buildOutput(doc, kind, "images/"), text) << static_cast<int>(kind);
  }
  EXPECT_TRUE(block.ends_with(end));
}

TEST_F(MapBlockWriterTest, HasNoSourcePageOutputWithoutAPageToWriteInto) {
  EXPECT_EQ(buildOutput(doc, OutputKind::sourcePage, "images/"), std::nullopt);
  doc.holdSourcePage(std::make_unique<ChtmlPage>(), false);  // a text file: read, not written back
  EXPECT_EQ(buildOutput(doc, OutputKind::sourcePage, "images/"), std::nullopt);
}

}  // namespace
}  // namespace ornix
