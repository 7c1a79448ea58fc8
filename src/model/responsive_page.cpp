#include "responsive_page.h"

#include "map_format.h"

namespace ornix {
namespace {

// Fits every image map to the size its picture is shown at. The coordinates
// the block holds are kept aside the first time, so each fitting starts from
// them; a coordinate that is not a number is left as written.
constexpr std::string_view fittingScript =
    "(() => {\r\n"
    "  const written = new WeakMap();\r\n"
    "  const fit = (picture) => {\r\n"
    "    const name = (picture.getAttribute(\"usemap\") || \"\").replace(/^#/, \"\");\r\n"
    "    const map = [...document.getElementsByTagName(\"map\")].find((m) => m.name === name);\r\n"
    "    if (!map || !picture.naturalWidth || !picture.naturalHeight) return;\r\n"
    "    const scale = [picture.width / picture.naturalWidth, picture.height / picture.naturalHeight];\r\n"
    "    for (const area of map.areas) {\r\n"
    "      if (!written.has(area)) written.set(area, area.coords);\r\n"
    "      area.coords = written.get(area).split(\",\").map((text, i) => {\r\n"
    "        const value = parseFloat(text);\r\n"
    "        return isNaN(value) ? text : Math.round(value * scale[i % 2] * 100) / 100;\r\n"
    "      }).join(\",\");\r\n"
    "    }\r\n"
    "  };\r\n"
    "  const watcher = new ResizeObserver((entries) => entries.forEach((entry) => fit(entry.target)));\r\n"
    "  for (const picture of document.querySelectorAll(\"img[usemap]\")) {\r\n"
    "    picture.addEventListener(\"load\", () => fit(picture));\r\n"
    "    watcher.observe(picture);\r\n"
    "  }\r\n"
    "})();\r\n";

// Text for inside an element: "&" and "<" are the characters that would start markup.
void appendAsText(std::string& page, std::string_view text) {
  for (const char c : text) {
    if (c == '&') {
      page += "&amp;";
    } else if (c == '<') {
      page += "&lt;";
    } else {
      page += c;
    }
  }
}

// Attribute values written here come from the platform, never from the map;
// a quote in one would end the value, so it is left out.
void appendAsValue(std::string& page, std::string_view value) {
  for (const char c : value) {
    if (c != '"') page += c;
  }
}

}  // namespace

std::string responsivePage(std::string_view block, std::string_view title, const PageLocale& locale) {
  std::string page;
  page.reserve(block.size() + fittingScript.size() + 512);
  page.append("<!DOCTYPE html>\r\n<html lang=\"");
  appendAsValue(page, locale.language);
  page.append("\">\r\n<head>\r\n<meta charset=\"");
  appendAsValue(page, locale.charset);
  page.append("\">\r\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n<title>");
  appendAsText(page, title);
  page.append(
      "</title>\r\n<style>\r\nimg[usemap] { max-width: 100%; height: auto; }\r\n</style>\r\n</head>\r\n<body>\r\n");
  page.append(block).append(crlf);
  page.append("<script>\r\n").append(fittingScript).append("</script>\r\n</body>\r\n</html>\r\n");
  return page;
}

}  // namespace ornix
