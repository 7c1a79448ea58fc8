#include <gtest/gtest.h>

#include "model/map_format.h"
#include "model/map_reader.h"
#include "support/printers.h"

namespace ornix {
namespace {

const std::string end(endComment);

// A block as the writer makes it, around the given AREA lines.
std::string block(const std::string& areaLines) {
  return std::string(startComment) + "\r\n<img src=\"images/a.gif\" width=9 height=9 border=0 USEMAP=\"#a\">\r\n\r\n" +
         std::string(signatureComment) + "\r\n<MAP NAME=\"a\">\r\n" + areaLines + "</MAP>\r\n" + end;
}

TEST(SplitPage, SplitsAroundTheBlockAndGivesThePageBackByteForByte) {
  const std::string map = block("<AREA SHAPE=\"rect\" COORDS=\"1, 2, 3, 4\" HREF=\"#\">\r\n");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<html><body>\r\n", "\r\n</body></html>\r\n"},    {"", "\n<p>after</p>\n"}, {"<p>before</p>\n", ""},
      {std::string("caf\xE9\n\0x\n", 7), "Stra\337e\n"},  // Latin-1 bytes, NUL and LF line ends
      {"caf\xC3\xA9\r\n", "\xE2\x82\xAC\r\n"},
  };
  for (const auto& [before, after] : cases) {
    const auto split = splitPage(before + map + after, "page.html");
    ASSERT_TRUE(std::holds_alternative<SplitPage>(split)) << before;
    EXPECT_EQ(std::get<SplitPage>(split), (SplitPage{before, map, after}));
    EXPECT_EQ(imageSource(std::get<SplitPage>(split).block), "images/a.gif");
  }
  // An edited end comment still ends the block 49 characters after its "<".
  const std::string edited = "<!-- end Ornix, but someone edited this comment a great deal -->";
  const auto split = splitPage(std::string(startComment) + edited + "tail", "p.htm");
  EXPECT_EQ(std::get<SplitPage>(split).after, edited.substr(49) + "tail");
}

TEST(SplitPage, SaysWhyAPageCannotBeSplit) {
  const std::string start(startComment);
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"<p>no block</p>", "There is no Ornix File in \r\n/site/p.htm\r\n\r\n    ...or it has been corrupted."},
      {"top " + start + " no end", "ORNX has been altered,\r\nand cannot be edited in its present state."},
      {start + end.substr(0, 30), "ORNX end comment is cut short,\r\nso nothing was loaded."},
  };
  for (const auto& [page, text] : cases) {
    EXPECT_EQ(std::get<Notice>(splitPage(page, "/site/p.htm")), (Notice{"Ornix Note:", text, NoticeIcon::exclamation}));
  }
}

TEST(MissingBlockParts, ListsEachMissingPartOnItsOwnLine) {
  EXPECT_EQ(missingBlockParts(block("COORDS=")), "");
  EXPECT_EQ(missingBlockParts(block("")), "");  // a map saved without areas
  EXPECT_EQ(
      missingBlockParts("<p>nothing</p>"),
      "> Copyright tag missing or altered.\r\n> Area tags missing or altered.\r\n> Image tag missing or altered.");
  EXPECT_EQ(missingBlockParts(std::string(signatureComment) + " COORDS="), "> Image tag missing or altered.");
}

// Each tag's own HREF, Target and ALT, exactly as they stand between their
// quotes: an attribute name inside another value is part of that value.
TEST(ReadMapBlock, ReadsEachTagsOwnAttributesAsTheyStand) {
  const std::string rect = R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" )";
  const std::vector<std::pair<std::string, std::vector<Attributes>>> cases = {
      {rect + R"(HREF="a.htm" Target="_top" ALT="Home">)", {{"a.htm", "_top", "Home", {}}}},
      {rect + R"(HREF="x" Target="t" ALT="a">)", {{"x", "t", "a", {}}}},  // one-character values
      {rect + R"(HREF="" ALT="">)", {{"", "", "", {}}}},
      {rect + R"(ALT="Alt" Target="tt" HREF="h.htm">)", {{"h.htm", "tt", "Alt", {}}}},
      {rect + R"(HREF="page.html?ALT=1&Target=_top">)", {{"page.html?ALT=1&Target=_top", "", "", {}}}},
      {rect + R"(HREF="#" Target="ALT=x HREF=y" ALT="real">)", {{"#", "ALT=x HREF=y", "real", {}}}},
      {rect + R"(HREF="a>b.htm" ALT="after a &gt;">)", {{"a>b.htm", "", "after a &gt;", {}}}},
      {rect + R"(HREF="a&quot;b&lt;!-- end Ornix.htm">)", {{"a&quot;b&lt;!-- end Ornix.htm", "", "", {}}}},
      {rect + "ALT=\"no link\">", {{"", "", "no link", {}}}},
      {rect + R"(HREF="one.htm">)" + rect + R"(HREF="two.htm" Target="main">)",  // the next tag's Target is its own
       {{"one.htm", "", "", {}}, {"two.htm", "main", "", {}}}},
      {R"(<A HREF="elsewhere.htm">)" + rect + R"(HREF="mine.htm">)", {{"mine.htm", "", "", {}}}},
  };
  for (const auto& [tags, expected] : cases) {
    const MapReading reading = readMapBlock(block(tags + "\r\n"));
    ASSERT_EQ(reading.outcome, MapReading::Outcome::complete) << tags;
    std::vector<Attributes> read;
    for (const Area& area : reading.areas) read.push_back(area.attributes);
    EXPECT_EQ(read, expected) << tags;
  }
}

TEST(ReadShape, ReadsEachKindOfCoords) {
  struct Case {
    const char* name;
    Shape shape;
    std::string coords;
    ShapeFailure failure;
    std::vector<Point> points;
    float radius = 0;
  };
  const std::vector<Case> cases = {
      {"rectangle", Shape::rectangle, "10, 20, 30, 40", ShapeFailure::none, {{10, 20}, {30, 40}}},
      {"decimals round half to even", Shape::rectangle, " 10.5 ,2.5,+3, -4.5 ", ShapeFailure::none, {{10, 2}, {3, -4}}},
      {"three numbers for a rectangle", Shape::rectangle, "10, 20, 30", ShapeFailure::coordinateError, {}},
      {"a number too large for 16 bits", Shape::rectangle, "10, 20, 40000, 40", ShapeFailure::unreadable, {}},
      {"not a number", Shape::rectangle, "10, 20, 3O, 40", ShapeFailure::unreadable, {}},
      {"a circle keeps its decimals", Shape::circle, "50, 60, 12.5", ShapeFailure::none, {{50, 60}}, 12.5f},
      {"a radius beyond 16 bits", Shape::circle, "50, 60, 32767.6", ShapeFailure::unreadable, {}},
      {"two numbers for a circle", Shape::circle, "50, 60", ShapeFailure::coordinateError, {}},
      {"seven numbers make a triangle",
       Shape::polygon,
       "1, 2, 30, 4, 5, 60, 7",
       ShapeFailure::none,
       {{1, 2}, {30, 4}, {5, 60}}},
      {"a polygon of one number", Shape::polygon, "1", ShapeFailure::unreadable, {}},
  };
  for (const Case& c : cases) {
    const ShapeReading reading = readShape(c.shape, c.coords);
    EXPECT_EQ(reading.failure, c.failure) << c.name;
    if (c.failure != ShapeFailure::none) continue;
    EXPECT_EQ(reading.area, (Area{c.shape, c.points, c.radius, {}})) << c.name;
  }
}

// A tag of unknown shape takes its attributes with it; one naming two kinds
// makes one area; a tag naming no kind does not take the kind of the tag before.
TEST(ReadMapBlock, EveryTagMakesAtMostOneAreaWithItsOwnAttributes) {
  const MapReading reading =
      readMapBlock(block(R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" HREF="one.htm">)"
                         R"(<AREA SHAPE="RECT" COORDS="1, 1, 9, 9" HREF="two.htm">)"
                         R"(<AREA SHAPE="poly" Xrect COORDS="2, 2, 8, 8, 1, 9" HREF="three.htm" ALT="rect">)"
                         R"(<AREA COORDS="1, 2, 30, 40" HREF="four.htm">)"));
  EXPECT_EQ(reading.areas, (std::vector<Area>{{Shape::rectangle, {{1, 1}, {9, 9}}, 0, {"one.htm", "", "", {}}},
                                              {Shape::rectangle, {{2, 2}, {8, 8}}, 0, {"three.htm", "", "rect", {}}}}));
}

TEST(ReadMapBlock, StopsAtATagItCannotReadAndSaysWhich) {
  const std::string first = R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" HREF="a.htm">)";
  const std::string last = R"(<AREA SHAPE="rect" COORDS="5, 5, 9, 9" HREF="c.htm">)";
  struct Case {
    const char* name;
    std::string text;
    MapReading::Outcome outcome;
    std::int32_t tag;
    std::size_t areas;
  };
  const std::vector<Case> cases = {
      {"a three-number rectangle", block(first + R"(<AREA SHAPE="rect" COORDS="1, 2, 3" HREF="b.htm">)" + last),
       MapReading::Outcome::coordinateError, 2, 1},
      {"a number beyond 16 bits", block(first + R"(<AREA SHAPE="rect" COORDS="1, 2, 3, 99999" HREF="b.htm">)" + last),
       MapReading::Outcome::unreadable, 2, 1},
      {"a link without its closing quote", block(first + R"(<AREA SHAPE="rect" COORDS="1, 2, 3, 4" HREF="b.htm>)"),
       MapReading::Outcome::attributesUnreadable, 2, 0},
      {"an open quote after a tag that stopped the reading",
       block(first + R"(<AREA SHAPE="rect" COORDS="1, 2, 3" HREF="b.htm">)" + last + R"(<AREA COORDS="1" HREF="d>)"),
       MapReading::Outcome::attributesUnreadable, 4, 0},
      {"no COORDS in the block", R"(no areas here ="#">)", MapReading::Outcome::noAreas, 0, 0},
      {"a tag inside an empty MAP", block(R"(<AREA HREF="a.htm">)"), MapReading::Outcome::noAreas, 0, 0},
  };
  for (const Case& c : cases) {
    const MapReading reading = readMapBlock(c.text);
    EXPECT_EQ(reading.outcome, c.outcome) << c.name;
    EXPECT_EQ(reading.tag, c.tag) << c.name;
    EXPECT_EQ(reading.areas.size(), c.areas) << c.name;
    EXPECT_TRUE(readingNotice(reading)) << c.name;
  }
  const MapReading empty = readMapBlock(block(""));  // a map saved without areas
  EXPECT_EQ(empty.outcome, MapReading::Outcome::complete);
  EXPECT_FALSE(readingNotice(empty));
}

}  // namespace
}  // namespace ornix
