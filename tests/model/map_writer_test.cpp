#include <gtest/gtest.h>

#include "model/map_format.h"
#include "model/map_writer.h"
#include "model/split_page.h"
#include "support/image_bytes.h"

namespace ornix {
namespace {

Area area(Shape shape, std::vector<Point> points, float radius = 0, Attributes attributes = {}) {
  return {shape, std::move(points), radius, std::move(attributes)};
}

TEST(AreaTag, WritesEachShapeWithItsAttributesAsTheyStand) {
  struct Case {
    const char* name;
    Area area;
    std::string tag;
  };
  const std::vector<Case> cases = {
      {"a new rectangle has an empty link", area(Shape::rectangle, {{10, 20}, {110, 220}}),
       R"(<AREA SHAPE="rect" COORDS="10, 20, 110, 220" HREF="">)"},
      {"a rectangle keeps its press corner first", area(Shape::rectangle, {{120, 80}, {20, 10}}),
       R"(<AREA SHAPE="rect" COORDS="120, 80, 20, 10" HREF="">)"},
      {"negative numbers keep their sign", area(Shape::rectangle, {{-5, 0}, {3, -32768}}),
       R"(<AREA SHAPE="rect" COORDS="-5, 0, 3, -32768" HREF="">)"},
      {"a radius rounds half to even", area(Shape::circle, {{50, 60}}, 12.5f, {"ring.htm", "", "A ring", {}}),
       R"(<AREA SHAPE="circle" COORDS="50, 60, 12" HREF="ring.htm" ALT="A ring">)"},
      {"and up to even", area(Shape::circle, {{5, 6}}, 13.5f), R"(<AREA SHAPE="circle" COORDS="5, 6, 14" HREF="">)"},
      {"a polygon, Target before ALT, nothing escaped",
       area(Shape::polygon, {{1, 2}, {30, 4}, {5, 60}}, 0, {R"(say "hi".html)", "main", "Shop & more", {}}),
       R"(<AREA SHAPE="poly" COORDS="1, 2, 30, 4, 5, 60" HREF="say "hi".html" Target="main" ALT="Shop & more">)"},
      {"numbers of every length", area(Shape::polygon, {{0, 7}, {99, 100}, {999, 1000}, {9999, 10000}, {32767, -1}}),
       R"(<AREA SHAPE="poly" COORDS="0, 7, 99, 100, 999, 1000, 9999, 10000, 32767, -1" HREF="">)"},
      {"the offered link is not written", area(Shape::rectangle, {{1, 1}, {9, 9}}, 0, {"#", "_top", "", "old.htm"}),
       R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" HREF="#" Target="_top">)"},
  };
  for (const Case& c : cases) EXPECT_EQ(areaTag(c.area), c.tag) << c.name;
}

class MapWriterTest : public testing::Test {
 protected:
  std::string block(const std::string& areaLines, const std::string& src = "images/photo.gif") {
    return std::string(startComment) + "\r\n<img src=\"" + src + R"(" width=500 height=300 border=0 USEMAP="#photo">)" +
           "\r\n\r\n" + std::string(signatureComment) + "\r\n" + R"(<MAP NAME="photo">)" + "\r\n" + areaLines +
           "</MAP>\r\n" + std::string(endComment);
  }

  ImageMap map{Picture{"/home/author/photo.gif", 500, 300}, {}, nullptr};
};

TEST_F(MapWriterTest, WritesTheBlockWithTheFolderPrefixBeforeTheFileName) {
  EXPECT_EQ(writeMapBlock(map, "images/"), block(""));
  map.areas = {area(Shape::rectangle, {{10, 20}, {110, 220}}), area(Shape::circle, {{50, 60}}, 12.5f)};
  const std::string lines = areaTag(map.areas[0]) + "\r\n" + areaTag(map.areas[1]) + "\r\n";
  for (const std::string prefix : {"images/", "", "pics", "../shared images/"}) {
    EXPECT_EQ(writeMapBlock(map, prefix), block(lines, prefix + "photo.gif")) << prefix;
  }
}

TEST_F(MapWriterTest, NamesTheMapAfterThePictureLessItsExtension) {
  const std::vector<std::tuple<std::string, std::string>> cases = {
      {"/p/a.gif", R"(<img src="a.gif" width=7 height=9 border=0 USEMAP="#a">)"},
      {"/p/photo.jpeg", R"(<img src="photo.jpeg" width=7 height=9 border=0 USEMAP="#photo.">)"},
  };
  for (const auto& [path, imageTag] : cases) {
    const std::optional<Picture> picture = describePicture(path, {ImageKind::gif, 7, 9, 8});
    ASSERT_TRUE(picture) << path;
    const std::string written = writeMapBlock({picture, {}, nullptr}, "");
    EXPECT_NE(written.find(imageTag), std::string::npos) << written;
    EXPECT_NE(written.find("<MAP NAME=\"" + mapNameOf(*picture) + "\">"), std::string::npos);
  }
  EXPECT_FALSE(describePicture("/p/a.g", {}));  // too short for an extension
}

TEST_F(MapWriterTest, WrapsTheBlockForEachOutput) {
  map.areas = {area(Shape::rectangle, {{10, 20}, {110, 220}})};
  map.sourcePage = std::make_shared<SplitPage>(SplitPage{"<html>\r\n<p>before</p>\n", "old block", "\n</html>"});
  const std::string written = writeMapBlock(map, "images/");
  const std::vector<std::pair<OutputKind, std::string>> cases = {
      {OutputKind::clipboard, written},
      {OutputKind::mapFile, written + "\r\n"},
      {OutputKind::textFile, written + "\r\n"},
      {OutputKind::htmlPage,
       "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n" + written + "\r\n</BODY>\r\n</HTML>\r\n"},
      {OutputKind::sourcePage, "<html>\r\n<p>before</p>\n" + written + "\n</html>\r\n"},
  };
  for (const auto& [kind, text] : cases) EXPECT_EQ(buildOutput(map, kind, "images/"), text);
}

// The responsive page carries the HTML page's block byte for byte; its head
// names the code page and language it is given, and its title the picture,
// as text. Read back and saved in the original page, it keeps its script.
TEST_F(MapWriterTest, TheResponsivePageHoldsTheSameBlockAndKeepsItsScriptWhenSavedBack) {
  map.picture->path = "/site/a&b<c.jpg";
  map.areas = {area(Shape::circle, {{50, 60}}, 12, {"ring.htm", "", "A ring", {}})};
  const std::string page = buildOutput(map, OutputKind::responsivePage, "images/", {"windows-1252", "de-DE"});
  const auto blockOf = [](const std::string& text) { return std::get<SplitPage>(splitPage(text, "p.htm")).block; };
  EXPECT_EQ(blockOf(page), blockOf(buildOutput(map, OutputKind::htmlPage, "images/")));
  for (const char* part : {"<!DOCTYPE html>\r\n<html lang=\"de-DE\">", "<meta charset=\"windows-1252\">",
                           "<title>a&amp;b&lt;c.jpg</title>", "new ResizeObserver", "</html>\r\n"}) {
    EXPECT_NE(page.find(part), std::string::npos) << part;
  }
  ImageMap reopened{map.picture, map.areas, std::make_shared<SplitPage>(std::get<SplitPage>(splitPage(page, "p.htm")))};
  EXPECT_EQ(buildOutput(reopened, OutputKind::sourcePage, "images/"), page + "\r\n");
}

}  // namespace
}  // namespace ornix
