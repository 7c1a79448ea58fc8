// The map block as text: the tags and block the writer makes, each output
// around it, and the reader that takes it back.
#include <gtest/gtest.h>

#include "model/map_format.h"
#include "model/map_reader.h"
#include "model/map_writer.h"
#include "model/numbers.h"
#include "model/split_page.h"
#include "support/printers.h"

namespace ornix {
namespace {

const std::string end(endComment);

// A block as the writer makes it, around the given AREA lines.
std::string block(const std::string& areaLines, const std::string& src = "images/a.gif") {
  return std::string(startComment) + "\r\n<img src=\"" + src + "\" width=9 height=9 border=0 USEMAP=\"#a\">\r\n\r\n" +
         std::string(signatureComment) + "\r\n<MAP NAME=\"a\">\r\n" + areaLines + "</MAP>\r\n" + end;
}

Area area(Shape shape, std::vector<Point> points, float radius = 0, Attributes attributes = {}) {
  return {shape, std::move(points), radius, std::move(attributes)};
}

// Other attributes follow the ALT in their order; a name standing alone
// before one that begins with "=" gets an empty value, or it would be read
// as having that one for its value, and names never spell a marker comment.
TEST(AreaTag, WritesEachShapeWithItsAttributesAsTheyStand) {
  const std::vector<std::pair<Area, std::string>> cases = {
      {area(Shape::rectangle, {{120, 80}, {-5, -32768}}),
       R"(<AREA SHAPE="rect" COORDS="120, 80, -5, -32768" HREF="">)"},
      {area(Shape::circle, {{50, 60}}, 12.5f, {"ring.htm", "", "A ring", {}}),
       R"(<AREA SHAPE="circle" COORDS="50, 60, 12" HREF="ring.htm" ALT="A ring">)"},
      {area(Shape::circle, {{5, 6}}, 13.5f), R"(<AREA SHAPE="circle" COORDS="5, 6, 14" HREF="">)"},
      {area(Shape::polygon, {{0, 7}, {999, 1000}, {32767, -1}}, 0, {R"(say "hi".html)", "main", "Shop & more", {}}),
       R"(<AREA SHAPE="poly" COORDS="0, 7, 999, 1000, 32767, -1" HREF="say "hi".html" Target="main" ALT="Shop & more">)"},
      {area(Shape::rectangle, {{1, 1}, {9, 9}}, 0, {"#", "_top", "", "old.htm"}),  // the offered link is not written
       R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" HREF="#" Target="_top">)"},
      {Area{Shape::rectangle,
            {{1, 1}, {9, 9}},
            0,
            {"h"},
            {{"title", "T"}, {"nohref"}, {"=stray"}, {"download"}, {"<!--"}, {"end"}, {"Ornix"}}},
       "<AREA SHAPE=\"rect\" COORDS=\"1, 1, 9, 9\" HREF=\"h\" title=\"T\" nohref=\"\" =stray download <!--\tend "
       "Ornix>"},
  };
  for (const auto& [written, tag] : cases) EXPECT_EQ(areaTag(written), tag);
}

// The block names the map after the picture less its extension, puts the
// folder prefix before the file name, and goes out wrapped for each output.
TEST(MapBlock, IsWrittenForEachOutputWithTheFolderPrefix) {
  ImageMap map{describePicture("/p/a.gif", {ImageKind::gif, 9, 9, 8}), {}, nullptr};
  EXPECT_EQ(writeMapBlock(map, "images/"), block(""));
  map.areas = {area(Shape::rectangle, {{10, 20}, {110, 220}})};
  const std::string lines = areaTag(map.areas[0]) + "\r\n";
  EXPECT_EQ(writeMapBlock(map, "../shared images/"), block(lines, "../shared images/a.gif"));
  const std::string written = block(lines, "a.gif");
  map.sourcePage = std::make_shared<SplitPage>(SplitPage{"<html>\r\n<p>before</p>\n", "old block", "\n</html>"});
  const std::vector<std::pair<OutputKind, std::string>> cases = {
      {OutputKind::clipboard, written},
      {OutputKind::mapFile, written + "\r\n"},
      {OutputKind::textFile, written + "\r\n"},
      {OutputKind::htmlPage,
       "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n" + written + "\r\n</BODY>\r\n</HTML>\r\n"},
      {OutputKind::sourcePage, "<html>\r\n<p>before</p>\n" + written + "\n</html>\r\n"},
  };
  for (const auto& [kind, text] : cases) EXPECT_EQ(buildOutput(map, kind, ""), text);
  const std::optional<Picture> jpeg = describePicture("/p/photo.jpeg", {ImageKind::jpeg, 7, 9, 24});
  EXPECT_NE(writeMapBlock({jpeg, {}, nullptr}, "").find(R"(USEMAP="#photo.">)"), std::string::npos);
  EXPECT_FALSE(describePicture("/p/a.g", {}));  // too short for an extension
}

// The responsive page carries the HTML page's block byte for byte; its head
// names the code page and language it is given, its title the picture, as
// text, and its script the size the map was written for, by the map's name
// as a script's string. Read back and saved in the original page, it keeps
// its script.
TEST(MapBlock, TheResponsivePageHoldsTheSameBlockAndKeepsItsScriptWhenSavedBack) {
  const ImageMap map{Picture{"/site/a&b<c.jpg", 500, 300}, {area(Shape::circle, {{50, 60}}, 12)}, nullptr};
  const std::string page = buildOutput(map, OutputKind::responsivePage, "images/", {"windows-1252", "de-DE"});
  const auto blockOf = [](const std::string& text) { return std::get<SplitPage>(splitPage(text, "p.htm")).block; };
  EXPECT_EQ(blockOf(page), blockOf(buildOutput(map, OutputKind::htmlPage, "images/")));
  for (const char* part : {"<!DOCTYPE html>\r\n<html lang=\"de-DE\">", "<meta charset=\"windows-1252\">",
                           "<title>a&amp;b&lt;c.jpg</title>", "const sizes = {\"a&b\\u003cc\":[500,300]};\r\n",
                           "new ResizeObserver", "</html>\r\n"}) {
    EXPECT_NE(page.find(part), std::string::npos) << part;
  }
  ImageMap reopened{map.picture, map.areas, std::make_shared<SplitPage>(std::get<SplitPage>(splitPage(page, "p.htm")))};
  EXPECT_EQ(buildOutput(reopened, OutputKind::sourcePage, "images/"), page + "\r\n");
}

TEST(SplitPage, SplitsAroundTheBlockAndGivesThePageBackByteForByte) {
  const std::string map = block("<AREA SHAPE=\"rect\" COORDS=\"1, 2, 3, 4\" HREF=\"#\">\r\n");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "\n<p>after</p>\n"}, {"<p>before</p>\n", ""}, {std::string("caf\xE9\n\0x\n", 7), "\xE2\x82\xAC\r\n"}};
  for (const auto& [before, after] : cases) {
    const auto split = splitPage(before + map + after, "page.html");
    EXPECT_EQ(std::get<SplitPage>(split), (SplitPage{before, map, after}));
    EXPECT_EQ(imageSource(std::get<SplitPage>(split).block), "images/a.gif");
  }
  // An edited end comment still ends the block 49 characters after its "<".
  const std::string edited = "<!-- end Ornix, but someone edited this comment a great deal -->";
  EXPECT_EQ(std::get<SplitPage>(splitPage(std::string(startComment) + edited + "tail", "p.htm")).after,
            edited.substr(49) + "tail");
  const std::string start(startComment);
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"<p>no block</p>", "There is no Ornix File in \r\n/site/p.htm\r\n\r\n    ...or it has been corrupted."},
      {"top " + start + " no end", "ORNX has been altered,\r\nand cannot be edited in its present state."},
      {start + end.substr(0, 30), "ORNX end comment is cut short,\r\nso nothing was loaded."},
  };
  for (const auto& [page, text] : refused) {
    EXPECT_EQ(std::get<Notice>(splitPage(page, "/site/p.htm")), (Notice{"Ornix Note:", text, NoticeIcon::exclamation}));
  }
}

// Each tag's own HREF, Target and ALT, exactly as they stand between their
// quotes, read as a browser reads the tag: an attribute name inside another
// value is part of that value; a quote ends its value wherever it stands and
// what follows it up to a blank is a name of no use; names are in any case
// and a repeated one is dropped; comments (ended by "-->" or "--!>"),
// declarations, names without values and the text of script and textarea are
// passed over. A tag of unknown shape takes its attributes with it; one
// naming two kinds makes one area; a tag naming no kind does not take the
// kind of the tag before.
TEST(ReadMapBlock, ReadsEachTagsOwnAttributesAsABrowserDoes) {
  const std::string rect = R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" )";
  const std::vector<std::pair<std::string, std::vector<Attributes>>> cases = {
      {rect + R"(ALT="a" Target='t' HREF=h.htm nohref "x" =>)", {{"h.htm", "t", "a", {}}}},
      {rect + R"(HREF="#" Target="ALT=x HREF=y" ALT="real">)", {{"#", "ALT=x HREF=y", "real", {}}}},
      {"<!-- <AREA> --><!DOCTYPE x><?x?>< p>" + rect + R"(HREF="a>b.htm" ALT="after a &gt;">)",
       {{"a>b.htm", "", "after a &gt;", {}}}},
      {R"(<A HREF="elsewhere.htm">)" + rect + R"(HREF="1">)" + R"(<AREA SHAPE="RECT" COORDS="1, 1, 9, 9">)" +
           R"(<AREA SHAPE="poly" Xrect COORDS="2, 2, 8, 8, 1, 9" HREF="3" ALT="rect">)" +
           R"(<AREA COORDS="1, 2, 30, 40" HREF="4">)",
       {{"1", "", "", {}}, {"", "", "", {}}, {"3", "", "rect", {}}}},
      {rect + R"(HREF="ab"cd.htm" ALT="after quote">)" + rect + R"(HREF="next.htm">)",
       {{"ab", "", "after quote", {}}, {"next.htm", "", "", {}}}},
      {R"(<area shape="rect" coords="1,1,9,9" href="low.htm" TARGET="_top" Alt="mixed" ALT="again" hReF="x">)",
       {{"low.htm", "_top", "mixed", {}}}},
      {rect + R"(HREF='say "hi".htm' ALT=a"b Target=>)", {{"say &quot;hi&quot;.htm", "", "a&quot;b", {}}}},
      {R"(<!-- <AREA SHAPE="rect" COORDS="1,1,2,2" HREF="gone"> --!>)" + rect + R"(HREF="after.htm">)",
       {{"after.htm", "", "", {}}}},
      {"<!--><!--->" + rect + R"(HREF="after empty comments">)", {{"after empty comments", "", "", {}}}},
      {std::string(R"(<script>x = '<AREA SHAPE="rect" COORDS="1,1,2,2" HREF="js">';</script>)") +
           R"(<textarea><AREA SHAPE="rect" COORDS="1,1,2,2" HREF="typed"></TEXTAREA >)" + rect + R"(HREF="real">)",
       {{"real", "", "", {}}}},
  };
  for (const auto& [tags, expected] : cases) {
    const MapReading reading = readMapBlock(block(tags + "\r\n"));
    ASSERT_EQ(reading.outcome, MapReading::Outcome::complete) << tags;
    std::vector<Attributes> read;
    for (const Area& each : reading.areas) read.push_back(each.attributes);
    EXPECT_EQ(read, expected) << tags;
  }
}

// A signature comment closed by "--!>", as HTML allows, still signs the block
// and hides none of the areas after it.
TEST(ReadMapBlock, ReadsABlockWhoseCommentsEndTheOtherWayHTMLAllows) {
  const ImageMap map{Picture{"/p/a.gif", 9, 9},
                     {{Shape::rectangle, {{1, 1}, {5, 5}}, 0, {"a.htm", "", "", {}}},
                      {Shape::circle, {{4, 4}}, 3, {"b.htm", "", "", {}}},
                      {Shape::polygon, {{1, 1}, {8, 1}, {4, 8}}, 0, {"c.htm", "", "", {}}}},
                     nullptr};
  std::string written = writeMapBlock(map, "");
  const std::size_t signatureEnd = written.find(signatureComment) + signatureComment.size() - 3;
  written.replace(signatureEnd, 3, "--!>");
  EXPECT_EQ(missingBlockParts(written), "");
  const MapReading reading = readMapBlock(written);
  EXPECT_EQ(reading.outcome, MapReading::Outcome::complete);
  EXPECT_EQ(reading.areas, map.areas);
}

TEST(ReadShape, ReadsEachKindOfCoords) {
  struct Case {
    Shape shape;
    std::string coords;
    ShapeFailure failure;
    std::vector<Point> points = {};
    float radius = 0;
  };
  using enum ShapeFailure;
  const std::vector<Case> cases = {
      {Shape::rectangle, " 10.5 ,2.5,+3, -4.5 ", none, {{10, 2}, {3, -4}}},  // halves round to even
      {Shape::rectangle, "10, 20, 30", coordinateError},
      {Shape::rectangle, "10, 20, 40000, 40", unreadable},
      {Shape::rectangle, "10, 20, 3O, 40", unreadable},
      {Shape::rectangle, "1e1, +2.5\t, 3.0, 4", none, {{10, 2}, {3, 4}}},  // through the full conversion
      {Shape::rectangle, "1, 2, 1234567890123456, 4", unreadable},
      {Shape::rectangle, "1, 2, 3, -", unreadable},
      {Shape::circle, "50, 60, 12.5", none, {{50, 60}}, 12.5f},  // a circle keeps its decimals
      {Shape::circle, "50, 60, 32767.6", unreadable},
      {Shape::circle, "50, 60", coordinateError},
      {Shape::circle, "50, 60, 1e39", unreadable},
      {Shape::circle, "50, 60, nan", unreadable},
      {Shape::polygon, "1, 2, 30, 4, 5, 60, 7", none, {{1, 2}, {30, 4}, {5, 60}}},
      {Shape::polygon, "1", unreadable},
  };
  for (const Case& c : cases) {
    const ShapeReading reading = readShape(c.shape, c.coords);
    EXPECT_EQ(reading.failure, c.failure) << c.coords;
    if (c.failure == none) {
      EXPECT_EQ(reading.area, (Area{c.shape, c.points, c.radius, {}})) << c.coords;
    }
  }
}

TEST(ReadMapBlock, StopsAtATagItCannotReadAndSaysWhich) {
  const std::string first = R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" HREF="a.htm">)";
  const std::string last = R"(<AREA SHAPE="rect" COORDS="5, 5, 9, 9" HREF="c.htm">)";
  struct Case {
    std::string text;
    MapReading::Outcome outcome;
    std::int32_t tag;
    std::size_t areas;
  };
  using enum MapReading::Outcome;
  const std::vector<Case> cases = {
      {block(first + R"(<AREA SHAPE="rect" COORDS="1, 2, 3" HREF="b.htm">)" + last), coordinateError, 2, 1},
      {block(first + R"(<AREA SHAPE="rect" COORDS="1, 2, 3, 99999" HREF="b.htm">)" + last), unreadable, 2, 1},
      {block(first + R"(<AREA SHAPE="rect" COORDS="1, 2, 3" HREF="b.htm">)" + last + R"(<AREA COORDS="1" HREF="d>)"),
       coordinateError, 2, 1},  // the first tag that stops the reading is the one named
      {block(first + last + R"(<AREA SHAPE="rect" COORDS="1, 2, 3, 4" HREF="d.htm>)"), unreadable, 3, 2},
      {R"(no areas here ="#">)", noAreas, 0, 0},
      {block(R"(<AREA HREF="a.htm">)"), noAreas, 0, 0},
  };
  for (const Case& c : cases) {
    const MapReading reading = readMapBlock(c.text);
    EXPECT_EQ(std::tuple(reading.outcome, reading.tag, reading.areas.size()), std::tuple(c.outcome, c.tag, c.areas))
        << c.text;
    EXPECT_TRUE(readingNotice(reading)) << c.text;
  }
  EXPECT_FALSE(readingNotice(readMapBlock(block(""))));  // a map saved without areas
}

TEST(RoundToInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
  const std::vector<std::pair<double, std::optional<std::int16_t>>> cases = {
      {-12.5, -12},  {1.5, 2},           {2.4999, 2},    {32767.4, 32767},
      {32767.5, {}}, {-32768.5, -32768}, {-32769.0, {}}, {std::numeric_limits<double>::quiet_NaN(), {}}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(roundToInt16(value), expected) << value;
}

}  // namespace
}  // namespace ornix
