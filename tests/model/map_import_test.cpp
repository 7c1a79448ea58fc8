// Importing the maps of pages Ornix did not write, and saving them back
// into their pages. The pages are written here from public descriptions of
// each style: hand-written HTML of every age and the output of the usual
// generators as their documentation shows it.
#include <gtest/gtest.h>

#include <random>

#include "model/map_import.h"
#include "model/map_writer.h"
#include "model/page_charset.h"
#include "support/printers.h"

namespace ornix {
namespace {

// An area in a few words: its shape, its points, a circle's radius, its
// HREF|Target|ALT, then its other attributes.
std::string summary(const Area& area) {
  static const char* const shapes[] = {"rect", "circle", "poly"};
  std::string text = shapes[static_cast<int>(area.shape)];
  for (const Point& point : area.points) text += " " + std::to_string(point.x) + "," + std::to_string(point.y);
  if (area.shape == Shape::circle) text += " r" + std::to_string(area.radius).substr(0, 4);
  text += " " + area.attributes.href + "|" + area.attributes.target + "|" + area.attributes.alt;
  for (const OtherAttribute& other : area.otherAttributes)
    text += " " + other.name + (other.value ? "=" + *other.value : "");
  return text;
}

std::vector<std::string> summaries(const std::vector<Area>& areas) {
  std::vector<std::string> all;
  for (const Area& area : areas) all.push_back(summary(area));
  return all;
}

// The page as "Save in Original Page" writes it with these areas.
std::string savedBack(const ImportedMap& imported, const std::vector<Area>& areas) {
  const ImageMap map{Picture{"/site/p.gif", 400, 300}, areas, imported.page};
  return buildOutput(map, OutputKind::sourcePage, "images/");
}

struct PageStyle {
  std::string style;
  std::string page;
  std::size_t maps = 1;
  std::size_t chosen = 0;
  std::string name;
  std::string picture;  // "src width x height", or "" for none
  std::vector<std::string> areas;
  std::vector<KeptArea> kept = {};
};

const std::vector<PageStyle>& pageStyles() {
  static const std::vector<PageStyle> styles = {
      {"HTML 3.2, upper case, bare values, NOHREF and a default area",
       "<HTML><BODY>\r\n<IMG SRC=\"nav.gif\" USEMAP=\"#nav\" BORDER=0 WIDTH=300 HEIGHT=40>\r\n<MAP NAME=\"nav\">\r\n"
       "<AREA SHAPE=RECT COORDS=\"0,0,100,40\" HREF=\"home.html\" ALT=\"Home\">\r\n"
       "<AREA SHAPE=CIRC COORDS=\"150,20,18\" HREF=\"news.html\">\r\n"
       "<AREA SHAPE=DEFAULT NOHREF>\r\n</MAP>\r\n</BODY></HTML>\r\n",
       1,
       0,
       "nav",
       "nav.gif 300x40",
       {"rect 0,0 100,40 home.html||Home", "circle 150,20 r18.0 news.html||"},
       {{3, "shape default"}}},
      {"XHTML 1.0 with self-closing areas, a map named by id too",
       "<?xml version=\"1.0\"?>\n<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
       "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\n<html xmlns=\"http://www.w3.org/1999/xhtml\"><body>\n"
       "<p><img src=\"img/plan.gif\" alt=\"Plan\" usemap=\"#plan\" /></p>\n<map id=\"plan\" name=\"plan\">\n"
       "  <area shape=\"poly\" coords=\"10,10,90,10,50,80\" href=\"north.html\" alt=\"North\" />\n"
       "  <area shape=\"rect\" coords=\"0,90,100,120\" href=\"south.html\" alt=\"South\" />\n</map>\n</body></html>\n",
       1,
       0,
       "plan",
       "img/plan.gif",
       {"poly 10,10 90,10 50,80 north.html||North", "rect 0,90 100,120 south.html||South"}},
      {"HTML5, the picture shown smaller than its pixels, longhand shape words",
       "<!DOCTYPE html>\n<img src=\"photos/harbour.jpg\" usemap=\"#harbour\" width=\"400\" height=\"300\" alt=\"\">\n"
       "<map name=\"harbour\">\n\t<area shape=\"rectangle\" coords=\"10, 10, 60, 50\" href=\"ferry.html\" "
       "alt=\"Ferry\">\n\t<area shape=\"polygon\" coords=\"100 100 150 100 125 140\" href=\"pier.html\" "
       "alt=\"Pier\">\n</map>\n",
       1,
       0,
       "harbour",
       "photos/harbour.jpg 400x300",
       {"rect 10,10 60,50 ferry.html||Ferry", "poly 100,100 150,100 125,140 pier.html||Pier"}},
      {"single quotes, no quotes, names in mixed case",
       "<img src=a.gif usemap=#m><map name=m><Area Shape=circle Coords=50,50,25 Href='x.html' Alt='say \"hi\"'>"
       "<area coords=1,2,30,40 href=y.html target=_blank></map>",
       1,
       0,
       "m",
       "a.gif",
       {"circle 50,50 r25.0 x.html||say &quot;hi&quot;", "rect 1,2 30,40 y.html|_blank|"}},
      {"character references in the values",
       "<img src=\"caf&eacute;.gif\" usemap=\"#c\"><map name=\"c\"><area shape=\"rect\" coords=\"0,0,9,9\" "
       "href=\"menu.html?a=1&amp;b=2\" alt=\"Caf&eacute; &amp; bar\" title=\"&quot;Open&quot;\"></map>",
       1,
       0,
       "c",
       "caf&eacute;.gif",
       {"rect 0,0 9,9 menu.html?a=1&amp;b=2||Caf&eacute; &amp; bar title=&quot;Open&quot;"}},
      {"an image-map generator's output: target, alt, title before href, coords and shape",
       "<img src=\"map.jpg\" usemap=\"#image-map\">\n\n<map name=\"image-map\">\n"
       "    <area target=\"_blank\" alt=\"Shop\" title=\"Shop\" href=\"shop.html\" coords=\"12,14,210,160\" "
       "shape=\"rect\">\n    <area target=\"\" alt=\"Cafe\" title=\"Cafe\" href=\"cafe.html\" coords=\"320,90,40\" "
       "shape=\"circle\">\n</map>\n",
       1,
       0,
       "image-map",
       "map.jpg",
       {"rect 12,14 210,160 shop.html|_blank|Shop title=Shop", "circle 320,90 r40.0 cafe.html||Cafe title=Cafe"}},
      {"a CMS block: the picture in a figure, the map after it, responsive attributes",
       "<div class=\"wp-block-image\"><figure class=\"aligncenter\"><img decoding=\"async\" width=\"800\" "
       "height=\"600\" src=\"https://example.org/wp-content/uploads/2024/05/site-plan.jpg?ver=2\" alt=\"\" "
       "class=\"wp-image-42\" srcset=\"a.jpg 800w, b.jpg 400w\" sizes=\"(max-width: 800px) 100vw, 800px\" "
       "usemap=\"#image-map-42\"/></figure></div>\n<map name=\"image-map-42\"><area data-id=\"7\" "
       "aria-label=\"Gate\" class=\"hotspot\" rel=\"noopener\" tabindex=\"0\" onclick=\"track(7)\" download "
       "href=\"/gate/\" coords=\"5,5,50,50\" shape=\"rect\"></map>\n",
       1,
       0,
       "image-map-42",
       "https://example.org/wp-content/uploads/2024/05/site-plan.jpg?ver=2 800x600",
       {"rect 5,5 50,50 /gate/|| data-id=7 aria-label=Gate class=hotspot rel=noopener tabindex=0 "
        "onclick=track(7) download"}},
      {"a script writing a map, a map in a comment, a template, a textarea and a noscript",
       "<script>document.write('<map name=\"fake\"><area coords=\"1,2,3,4\"></map>');\n"
       "if (a <map) {}</script>\n<!-- <map name=\"old\"><area coords=\"1,1,5,5\"></map> -->\n"
       "<template><map name=\"t\"><area coords=\"1,1,5,5\"></map></template>\n"
       "<textarea><map name=\"x\"></textarea><noscript><map name=\"n\"></map></noscript>\n"
       "<img src=\"real.gif\" usemap=\"#real\"><map name=\"real\"><area coords=\"0,0,20,20\" href=\"r.html\"></map>\n",
       1,
       0,
       "real",
       "real.gif",
       {"rect 0,0 20,20 r.html||"}},
      {"two maps and two pictures, each picture naming the other map",
       "<img src=\"b.gif\" usemap=\"#second\">\n<img src=\"a.gif\" usemap=\"#first\">\n"
       "<map name=\"first\"><area shape=\"rect\" coords=\"0,0,5,5\" href=\"1.html\"></map>\n"
       "<map name=\"second\">\n<area shape=\"circle\" coords=\"9,9,4.5\" href=\"2.html\">\n</map>\n",
       2,
       1,
       "second",
       "b.gif",
       {"circle 9,9 r4.50 2.html||"}},
      {"an editor's map named Map with an id, areas with empty targets",
       "<img src=\"images/banner.gif\" width=\"468\" height=\"60\" border=\"0\" usemap=\"#Map\" />\r\n"
       "<map name=\"Map\" id=\"Map\">\r\n  <area shape=\"rect\" coords=\"4,5,120,55\" href=\"#\" />\r\n"
       "  <area shape=\"circle\" coords=\"300,30,25\" href=\"about.html\" target=\"_self\" alt=\"About\" />\r\n"
       "</map>\r\n",
       1,
       0,
       "Map",
       "images/banner.gif 468x60",
       {"rect 4,5 120,55 #||", "circle 300,30 r25.0 about.html|_self|About"}},
      {"an image map plug-in's output, with its own comments inside the map",
       "<img src=\"logo.png\" width=\"200\" height=\"100\" border=\"0\" usemap=\"#map\" />\n\n<map name=\"map\">\n"
       "<!-- #$-:Image map file created by an image map plug-in -->\n<!-- #$VERSION:2.3 -->\n"
       "<area shape=\"rect\" coords=\"10,10,50,50\" href=\"one.html\" />\n"
       "<area shape=\"poly\" coords=\"60,10,90,10,75,40\" href=\"two.html\" />\n</map>\n",
       1,
       0,
       "map",
       "logo.png 200x100",
       {"rect 10,10 50,50 one.html||", "poly 60,10 90,10 75,40 two.html||"}},
      {"coordinates with decimals, blanks, semicolons, percentages and too few numbers",
       "<img src=\"c.gif\" usemap=\"#c\"><map name=\"c\">\n<area shape=\"rect\" coords=\"10.5 20.5;30.4 , 40.6\">\n"
       "<area shape=\"rect\" coords=\"10%,10%,50%,50%\" href=\"p.html\">\n<area shape=\"poly\" coords=\"1,2,3,4\">\n"
       "<area shape=\"circle\" coords=\"5,5,-3\">\n<area shape=\"poly\" coords=\"0,0,10,0,5,8,7\">\n</map>",
       1,
       0,
       "c",
       "c.gif",
       {"rect 10,20 30,41 ||", "poly 0,0 10,0 5,8 ||"},
       {{2, "coordinates in percent"}, {3, "too few coordinates for its shape"}, {4, "a negative radius"}}},
      {"a map of no areas", "<img src=\"e.gif\" usemap=\"#e\">\n<map name=\"e\">\n</map>\n", 1, 0, "e", "e.gif", {}},
      {"a map no picture names, and a picture naming a map not there",
       "<img src=\"lost.gif\" usemap=\"#gone\"><map id=\"alone\"><area coords=\"0,0,9,9\" href=\"a.html\"></map>",
       1,
       0,
       "alone",
       "",
       {"rect 0,0 9,9 a.html||"}},
      {"a site-builder map named FPMap0 left open at the end of the page",
       "<p><img border=\"0\" src=\"images/nav.gif\" usemap=\"#FPMap0\" width=\"120\" height=\"90\"></p>\n"
       "<map name=\"FPMap0\">\n<area href=\"index.htm\" shape=\"rect\" coords=\"0, 0, 120, 30\">\n"
       "<area href=\"contact.htm\" shape=\"rect\" coords=\"0, 30, 120, 60\">\n",
       1,
       0,
       "FPMap0",
       "images/nav.gif 120x90",
       {"rect 0,0 120,30 index.htm||", "rect 0,30 120,60 contact.htm||"}},
      {"the usemap in another case than the map's name, without its #",
       "<img src=\"k.gif\" usemap=\"KEYS\"><map name=\"keys\"><area shape=\"RECT\" coords=\"0,0,4,4\"></map>",
       1,
       0,
       "keys",
       "k.gif",
       {"rect 0,0 4,4 ||"}},
  };
  return styles;
}

TEST(MapImport, ReadsEveryPageStyleAndSavesAnUnchangedMapBackByteForByte) {
  for (const PageStyle& style : pageStyles()) {
    const PageSurvey survey = surveyPage(style.page);
    ASSERT_EQ(survey.maps.size(), style.maps) << style.style;
    const PageMap& map = survey.maps[style.chosen];
    EXPECT_EQ(map.name, style.name) << style.style;
    std::string picture;
    if (map.picture) {
      picture = map.picture->source;
      if (map.picture->width && map.picture->height) {
        picture += " " + std::to_string(*map.picture->width) + "x" + std::to_string(*map.picture->height);
      }
    }
    EXPECT_EQ(picture, style.picture) << style.style;
    const ImportedMap imported = importMap(style.page, map, "utf-8");
    EXPECT_EQ(summaries(imported.areas), style.areas) << style.style;
    EXPECT_EQ(keptAreas(*imported.page->mapElement), style.kept) << style.style;
    EXPECT_EQ(savedBack(imported, imported.areas), style.page) << style.style;
  }
}

TEST(MapImport, SurveysLinesAndPicturesThatNameNoMap) {
  const PageSurvey survey = surveyPage(pageStyles()[13].page);
  ASSERT_EQ(survey.unanswered.size(), 1u);
  EXPECT_EQ(survey.unanswered[0].usemap, "#gone");
  EXPECT_EQ(surveyPage(pageStyles()[8].page).maps[1].line, 4u);
  EXPECT_EQ(surveyPage("<map name=a></map><!-- cut").cutShortLine, 1u);
  EXPECT_TRUE(surveyPage(buildOutput({Picture{"/p/a.gif", 9, 9}}, OutputKind::htmlPage, "")).maps[0].ornixBlock);
}

// Edits write Ornix's tag in the edited area's place with its other
// attributes after the ALT; a deleted area's line goes; a new area takes a
// line like the area before it, or goes before the end tag.
TEST(MapImport, SavingBackChangesOnlyTheTagsOfTheAreasChanged) {
  const std::string page =
      "<body>\r\n<map name=\"m\">\r\n  <area shape=\"rect\" coords=\"0,0,10,10\" href=\"a.html\" title=\"A\" />\r\n"
      "  <area shape=\"circle\" coords=\"50,50,5\" href=\"b.html\" />\r\n</map>\r\n</body>";
  const ImportedMap imported = importMap(page, surveyPage(page).maps[0], "utf-8");
  std::vector<Area> edited = imported.areas;
  edited[0].attributes.alt = "Door";
  const Area added{Shape::rectangle, {{20, 20}, {30, 30}}, 0, {"c.html"}};
  struct Case {
    std::vector<Area> areas;
    std::string content;
  };
  const std::string first = "  <area shape=\"rect\" coords=\"0,0,10,10\" href=\"a.html\" title=\"A\" />\r\n";
  const std::string second = "  <area shape=\"circle\" coords=\"50,50,5\" href=\"b.html\" />\r\n";
  const std::string newTag = "  <AREA SHAPE=\"rect\" COORDS=\"20, 20, 30, 30\" HREF=\"c.html\" />\r\n";
  const std::vector<Case> cases = {
      {{edited[0], edited[1]},
       "  <AREA SHAPE=\"rect\" COORDS=\"0, 0, 10, 10\" HREF=\"a.html\" ALT=\"Door\" title=\"A\" />\r\n" + second},
      {{edited[1]}, second},
      {{edited[1], edited[0]},
       "  <area shape=\"circle\" coords=\"50,50,5\" href=\"b.html\" />\r\n"
       "  <AREA SHAPE=\"rect\" COORDS=\"0, 0, 10, 10\" HREF=\"a.html\" ALT=\"Door\" title=\"A\" />\r\n"},
      {{imported.areas[0], imported.areas[1], added}, first + second + newTag},
      {{added, imported.areas[1]}, newTag + second},
      {{added}, "  <AREA SHAPE=\"rect\" COORDS=\"20, 20, 30, 30\" HREF=\"c.html\" />\r\n"},
      {{}, ""},
  };
  const auto pageWith = [](const std::string& content) {
    return "<body>\r\n<map name=\"m\">\r\n" + content + "</map>\r\n</body>";
  };
  for (const Case& c : cases) EXPECT_EQ(savedBack(imported, c.areas), pageWith(c.content)) << c.content;
  edited[0].attributes.alt.clear();  // edited back: the page's own tag again
  EXPECT_EQ(savedBack(imported, edited), page);
}

TEST(PageCharset, IsFoundAsBrowsersFindIt) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\xEF\xBB\xBF<p>", "utf-8"},
      {"\xFF\xFE<\0p\0", "utf-16le"},
      {"<meta charset=\"ISO-8859-1\"><p>caf\xE9", "windows-1252"},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">", "shift_jis"},
      {"<META HTTP-EQUIV=content-type CONTENT='text/html;charset=\"koi8-r\"'>", "koi8-r"},
      {"<meta charset=\"utf-16\">", "utf-8"},
      {"<p>caf\xC3\xA9</p>", "utf-8"},
      {"<p>caf\xE9</p>", "windows-1252"},
      {"<p>plain</p>", "windows-1252"},
      {std::string(1100, ' ') + "<meta charset=\"koi8-r\">", "windows-1252"},  // past the first 1024 bytes
  };
  for (const auto& [page, charset] : cases) EXPECT_EQ(pageCharset(page), charset) << page;
}

// Pages of maps written in every way the generator knows, mixing the forms
// a hand or a tool gives a map.
class ForeignPageGenerator {
 public:
  explicit ForeignPageGenerator(unsigned seed) : random(seed) {}

  std::string page() {
    const std::string lineEnd = pick<std::string>({"\n", "\r\n"});
    std::string page = pick<std::string>({"<!DOCTYPE html>", "<HTML><BODY>", ""}) + lineEnd;
    for (int maps = number(1, 3); maps > 0; --maps) page += map(lineEnd);
    return page + pick<std::string>({"</body>", "", "<!-- end -->"}) + lineEnd;
  }

 private:
  int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
  template <typename T>
  T pick(std::initializer_list<T> from) {
    return *(from.begin() + number(0, static_cast<int>(from.size()) - 1));
  }

  std::string quoted(const std::string& value) {
    const int style = number(0, 2);
    if (style == 0 && value.find_first_of(" \"'>=") == std::string::npos && !value.empty()) return value;
    if (style == 1 && value.find('\'') == std::string::npos) return "'" + value + "'";
    return "\"" + value + "\"";
  }

  std::string attribute(std::string name, const std::string& value) {
    if (number(0, 1) == 1) std::transform(name.begin(), name.end(), name.begin(), ::toupper);
    return " " + name + "=" + quoted(value);
  }

  std::string coords() {
    const std::string separator = pick<std::string>({",", ", ", " ", " ,"});
    std::string text;
    for (int n = number(3, 8); n > 0; --n) {
      text += std::to_string(number(-50, 900)) + (number(0, 4) == 0 ? ".5" : "") + (n > 1 ? separator : "");
    }
    return number(0, 9) == 0 ? text + "%" : text;
  }

  std::string area() {
    std::vector<std::string> parts = {
        attribute("shape", pick<std::string>({"rect", "circle", "poly", "polygon", "circ", "default", "Rect"})),
        attribute("coords", coords()), attribute("href", pick<std::string>({"a.html", "#", "x?a=1&amp;b=2", ""}))};
    if (number(0, 1) == 1)
      parts.push_back(attribute("alt", pick<std::string>({"A door", "", "say \"hi\"", "caf&eacute;"})));
    if (number(0, 2) == 0) parts.push_back(attribute("target", "_blank"));
    if (number(0, 2) == 0) parts.push_back(attribute("title", "T'itle"));
    if (number(0, 3) == 0) parts.push_back(" nohref");
    std::shuffle(parts.begin() + (number(0, 1) == 0 ? 0 : 2), parts.end(), random);
    std::string tag = "<" + pick<std::string>({"area", "AREA"});
    for (const std::string& part : parts) tag += part;
    return tag + pick<std::string>({">", " />", "/>"});
  }

  std::string map(const std::string& lineEnd) {
    const std::string name = "m" + std::to_string(number(0, 99));
    const std::string indent = pick<std::string>({"", "  ", "\t"});
    std::string text = "<img src=\"p.gif\" usemap=\"#" + name + "\">" + lineEnd + "<map name=\"" + name + "\">";
    const bool ownLines = number(0, 3) != 0;
    if (ownLines) text += lineEnd;
    for (int areas = number(0, 6); areas > 0; --areas) {
      if (number(0, 5) == 0) text += indent + "<!-- a note -->" + (ownLines ? lineEnd : "");
      text += (ownLines ? indent : "") + area() + (ownLines ? lineEnd : "");
    }
    return text + "</map>" + lineEnd;
  }

  std::mt19937 random;
};

// Every map of a generated page, imported and saved back unchanged, gives the
// page byte for byte and imports again into the same areas; one area edited
// changes that area's tag and nothing else.
TEST(MapImport, SavingBackChangesNothingButTheEditedTag) {
  ForeignPageGenerator generator(20261209);
  for (int i = 0; i < 3000; ++i) {
    const std::string page = generator.page();
    const PageSurvey survey = surveyPage(page);
    for (const PageMap& map : survey.maps) {
      const ImportedMap imported = importMap(page, map, "utf-8");
      ASSERT_EQ(savedBack(imported, imported.areas), page) << page;
      if (imported.areas.empty()) continue;
      std::vector<Area> areas = imported.areas;
      const std::size_t which = static_cast<std::size_t>(i) % areas.size();
      areas[which].attributes.alt = "Edited &amp; saved";
      const std::string saved = savedBack(imported, areas);
      std::string written = areaTag(areas[which]);
      if (imported.page->mapElement->selfClosing) written.insert(written.size() - 1, " /");
      std::string expected = page;
      expected.replace(map.areaTags[areas[which].importedTag->place].begin, areas[which].importedTag->text.size(),
                       written);
      ASSERT_EQ(saved, expected) << page;
      const PageSurvey again = surveyPage(saved);
      ASSERT_EQ(again.maps.size(), survey.maps.size());
      const std::size_t index = static_cast<std::size_t>(&map - survey.maps.data());
      const ImportedMap reimported = importMap(saved, again.maps[index], "utf-8");
      areas[which].radius = roundedRadius(areas[which].radius).value_or(0);  // Ornix's tag holds it whole
      ASSERT_EQ(summaries(reimported.areas), summaries(areas)) << saved;
    }
  }
}

}  // namespace
}  // namespace ornix
