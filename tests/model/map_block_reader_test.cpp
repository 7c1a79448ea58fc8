#include <gtest/gtest.h>

#include "model/map_block_format.h"
#include "model/map_block_reader.h"
#include "model/map_block_writer.h"
#include "support/model_fakes.h"

namespace ornix {
namespace {

const std::string endComment = "<!-- end Ornix, safe to edit AFTER this line. -->";

// A block as the writer makes it, around the given AREA lines.
std::string block(const std::string& areaLines) {
  return std::string(startComment) + "\r\n<img src=\"images/a.gif\" width=9 height=9 border=0 USEMAP=\"#a\">\r\n\r\n" +
         std::string(signatureComment) + "\r\n<MAP NAME=\"a\">\r\n" + areaLines + "</MAP>\r\n" + endComment;
}

TEST(ParsePage, SplitsAroundTheBlockAndGivesThePageBackByteForByte) {
  const std::string map = block("<AREA SHAPE=\"rect\" COORDS=\"1, 2, 3, 4\" HREF=\"#\">\r\n");
  struct Case {
    const char* name;
    std::string top;
    std::string bot;
  };
  const std::vector<Case> cases = {
      {"page around the block", "<html><body>\r\n", "\r\n</body></html>\r\n"},
      {"block at the very start", "", "\n<p>after</p>\n"},
      {"block at the very end", "<p>before</p>\n", ""},
      {"Latin-1 bytes, NUL and LF line ends", std::string("caf\xE9\n\0x\n", 7), "Stra\xDF" "e\n"},
      {"UTF-8 and CR LF", "caf\xC3\xA9\r\n", "\xE2\x82\xAC\r\n"},
  };
  for (const Case& c : cases) {
    ChtmlPage page;
    ASSERT_EQ(page.parsePage(c.top + map + c.bot, "page.html"), ChtmlPage::Split::ok) << c.name;
    EXPECT_EQ(page.htmlTop(), c.top) << c.name;
    EXPECT_EQ(page.htmlMap(), map) << c.name;
    EXPECT_EQ(page.htmlBot(), c.bot) << c.name;
    EXPECT_EQ(page.htmlAll(), c.top + map + c.bot) << c.name;
    EXPECT_EQ(page.imageSrc(), "images/a.gif");
  }
}

TEST(ParsePage, SaysWhatIsMissingAndSplitsAnEditedEndCommentAt49Characters) {
  const std::string start(startComment);
  const std::vector<std::pair<std::string, ChtmlPage::Split>> failures = {
      {"<p>no block</p>", ChtmlPage::Split::noStart},
      {"top " + start + " no end", ChtmlPage::Split::noEnd},
      {start + endComment.substr(0, 30), ChtmlPage::Split::cutShort},
  };
  for (const auto& [text, split] : failures) EXPECT_EQ(ChtmlPage().parsePage(text, "p.htm"), split) << text;

  const std::string edited = "<!-- end Ornix, but someone edited this comment a great deal -->";
  ChtmlPage page;
  ASSERT_EQ(page.parsePage(start + edited + "tail", "p.htm"), ChtmlPage::Split::ok);
  EXPECT_EQ(page.htmlMap(), start + edited.substr(0, 49));
  EXPECT_EQ(page.htmlBot(), edited.substr(49) + "tail");
}

TEST(MissingBlockParts, ListsEachMissingPartOnItsOwnLine) {
  EXPECT_EQ(missingBlockParts(block("COORDS=")), "");
  EXPECT_EQ(missingBlockParts("<p>nothing</p>"),
            "> Copyright tag missing or altered.\r\n> Area tags missing or altered.\r\n> Image tag missing or altered.");
  EXPECT_EQ(missingBlockParts(std::string(signatureComment) + " COORDS="), "> Image tag missing or altered.");
}

TEST(ReadAttributes, ReadsEachTagsHrefTargetAndAlt) {
  struct Case {
    const char* name;
    std::string tags;
    std::vector<std::string> read;  // href, target, alt per tag
  };
  const std::vector<Case> cases = {
      {"all three", R"(<AREA HREF="a.htm" Target="_top" ALT="Home">)", {"a.htm", "_top", "Home"}},
      {"one-character values", R"(<AREA HREF="x" Target="t" ALT="a">)", {"#", "", ""}},
      {"Target and ALT before HREF", R"(<AREA ALT="Alt" Target="tt" HREF="h.htm">)", {"h.htm", "tt", "Alt"}},
      {"Target of the next tag is not this one's",
       R"(<AREA HREF="one.htm"><AREA HREF="two.htm" Target="main">)", {"one.htm", "", "", "two.htm", "main", ""}},
      {"escaped characters stay as stored", R"(<AREA HREF="a&quot;b&gt;.htm">)", {"a&quot;b&gt;.htm", "", ""}},
  };
  for (const Case& c : cases) {
    std::vector<AreaAttributes> read;
    ASSERT_TRUE(readAttributes(c.tags, read)) << c.name;
    std::vector<std::string> flat;
    for (const AreaAttributes& a : read) flat.insert(flat.end(), {a.href, a.target, a.alt});
    EXPECT_EQ(flat, c.read) << c.name;
  }
  std::vector<AreaAttributes> read;
  EXPECT_FALSE(readAttributes(R"(<AREA HREF="ok.htm"><AREA HREF="never closed)", read));
  EXPECT_EQ(read.size(), 1u);
}

TEST(ReadShape, ReadsEachKindOfCoords) {
  struct Case {
    const char* name;
    ShapeKind kind;
    std::string coords;
    ShapeFailure failure;
    std::string areaText;
    std::string coordText;
  };
  const std::vector<Case> cases = {
      {"rectangle", ShapeKind::rect, "10, 20, 30, 40", ShapeFailure::none,
       R"(<AREA SHAPE="rect" COORDS="10, 20, 30, 40" HREF=")", "10|20|30|40"},
      {"decimals round half to even", ShapeKind::rect, " 10.5 ,2.5,+3, -4.5 ", ShapeFailure::none,
       R"(<AREA SHAPE="rect" COORDS="10, 2, 3, -4" HREF=")", "10|2|3|-4"},
      {"three numbers for a rectangle", ShapeKind::rect, "10, 20, 30", ShapeFailure::coordinateError, "", ""},
      {"a number too large for 16 bits", ShapeKind::rect, "10, 20, 40000, 40", ShapeFailure::unreadable, "", ""},
      {"not a number", ShapeKind::rect, "10, 20, 3O, 40", ShapeFailure::unreadable, "", ""},
      {"circle keeps its decimals", ShapeKind::circle, "50, 60, 12.5", ShapeFailure::none,
       R"(<AREA SHAPE="circle" COORDS="50, 60, 12" HREF=")", "50|60|12.5"},
      {"two numbers for a circle", ShapeKind::circle, "50, 60", ShapeFailure::coordinateError, "", ""},
      {"seven numbers make a triangle", ShapeKind::poly, "1, 2, 30, 4, 5, 60, 7", ShapeFailure::none,
       R"(<AREA SHAPE="poly" COORDS="1, 2, 30, 4, 5, 60" HREF=")", "1|2|30|4|5|60"},
      {"a polygon of one number", ShapeKind::poly, "1", ShapeFailure::unreadable, "", ""},
  };
  for (const Case& c : cases) {
    const ShapeReading reading = readShape(c.kind, c.coords);
    EXPECT_EQ(reading.failure, c.failure) << c.name;
    if (c.failure != ShapeFailure::none) continue;
    ASSERT_TRUE(reading.shape) << c.name;
    EXPECT_EQ(reading.shape->texts.areaText, c.areaText) << c.name;
    EXPECT_EQ(reading.shape->texts.coordText, c.coordText) << c.name;
  }
}

// Counts the regions handed out, in place of the editor window.
class FakeRebuilder final : public AreaRebuilder {
 public:
  void letEventsRun() override { ++eventRuns; }
  void setBusy(bool busy) override { busyStates.push_back(busy); }
  std::int32_t rebuildArea(const ReadShape&) override { return ++regions; }
  int eventRuns = 0;
  std::vector<bool> busyStates;
  std::int32_t regions = 0;
};

class ParseMapTest : public testing::Test {
 protected:
  MapReading read(const std::string& areaLines) { return parseMap(block(areaLines), doc, rebuilder); }
  test::FakeMapView view;
  test::RecordingNotifier notifier;
  MapDocument doc{view, notifier, "/"};
  FakeRebuilder rebuilder;
};

TEST_F(ParseMapTest, GivesBackTheAreasTheWriterWrote) {
  const std::vector<std::string> written = {
      R"(<AREA SHAPE="rect" COORDS="120, 80, 20, 10" HREF="index.html" Target="_top)",
      R"(<AREA SHAPE="circle" COORDS="50, 60, 12" HREF="ring.html" ALT="A ring)",
      R"(<AREA SHAPE="poly" COORDS="1, 2, 30, 4, 5, 60" HREF="#)",
  };
  std::string lines;
  for (const std::string& area : written) lines += area + "\">\r\n";
  const MapReading reading = read(lines);
  EXPECT_EQ(reading.outcome, MapReading::Outcome::complete);
  EXPECT_EQ(doc.areaList(), written);
  EXPECT_EQ(doc.coordList(), (std::vector<std::string>{"120|80|20|10", "50|60|12", "1|2|30|4|5|60"}));
  EXPECT_EQ(doc.hrefList(), (std::vector<std::string>{"index.html", "ring.html", "#"}));
  EXPECT_EQ(doc.targetList(), (std::vector<std::string>{"_top", "", ""}));
  EXPECT_EQ(doc.altList(), (std::vector<std::string>{"", "A ring", ""}));
  EXPECT_EQ(rebuilder.eventRuns, 3);
  EXPECT_EQ(rebuilder.busyStates, (std::vector<bool>{true, false}));
}

// A tag of unknown shape takes its attributes with it; one naming two kinds
// makes one area; a tag naming no kind does not take the kind of the tag before.
TEST_F(ParseMapTest, EveryTagMakesAtMostOneAreaWithItsOwnAttributes) {
  read(R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" HREF="one.htm">)"
       R"(<AREA SHAPE="RECT" COORDS="1, 1, 9, 9" HREF="two.htm">)"
       R"(<AREA SHAPE="poly" Xrect COORDS="2, 2, 8, 8, 1, 9" HREF="three.htm" ALT="rect">)"
       R"(<AREA COORDS="1, 2, 30, 40" HREF="four.htm">)");
  EXPECT_EQ(doc.areaList(), (std::vector<std::string>{R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" HREF="one.htm)",
                                                      R"(<AREA SHAPE="rect" COORDS="2, 2, 8, 8" HREF="three.htm" ALT="rect)"}));
  EXPECT_EQ(doc.hrefList(), (std::vector<std::string>{"one.htm", "three.htm"}));
}

TEST_F(ParseMapTest, StopsAtATagItCannotReadAndSaysWhich) {
  struct Case {
    const char* name;
    std::string secondTag;
    MapReading::Outcome outcome;
  };
  const std::vector<Case> cases = {
      {"three-number rectangle", R"(<AREA SHAPE="rect" COORDS="1, 2, 3" HREF="b.htm">)",
       MapReading::Outcome::coordinateError},
      {"number beyond 16 bits", R"(<AREA SHAPE="rect" COORDS="1, 2, 3, 99999" HREF="b.htm">)",
       MapReading::Outcome::unreadable},
  };
  for (const Case& c : cases) {
    MapDocument fresh{view, notifier, "/"};
    const MapReading reading = parseMap(block(R"(<AREA SHAPE="rect" COORDS="1, 1, 9, 9" HREF="a.htm">)" + c.secondTag +
                                              R"(<AREA SHAPE="rect" COORDS="5, 5, 9, 9" HREF="c.htm">)"),
                                        fresh, rebuilder);
    EXPECT_EQ(reading.outcome, c.outcome) << c.name;
    EXPECT_EQ(reading.tag, 2) << c.name;
    EXPECT_EQ(fresh.areaList().size(), 1u) << c.name;
    EXPECT_EQ(fresh.hrefList(), std::vector<std::string>{"a.htm"}) << c.name;
  }
  EXPECT_EQ(read(R"(no areas here ="#">)").outcome, MapReading::Outcome::noAreas);
  EXPECT_TRUE(doc.hrefList().empty());  // no link is left over without its area
}

}  // namespace
}  // namespace ornix
