#include "responsive_page.h"

#include "map_format.h"

namespace ornix {
namespace {

// Fits every image map to the size its picture is shown at. Each map's
// coordinates are in the size it was written for, which the page names
// (`sizes`, by map name), else the picture's natural size; they are kept
// aside the first time, so each fitting starts from them, and moved in by the
// picture's border and padding, from whose outer edge browsers count them.
// A further picture that uses a map gets a copy of its own, named anew. The
// first script of a page does the fitting for every later one, which only
// adds its sizes. A coordinate that is not a number is left as written. The
// script stays under 2 KB: every page carries it.
constexpr std::string_view fittingScriptStart = "(() => {\nconst sizes = ";
constexpr std::string_view fittingScriptEnd = R"js(;
if (window.ornixMaps) return ornixMaps.add(sizes);
const known = {}, kept = new WeakMap(), owner = new Map(), load = e => fit(e.target);
const watch = new ResizeObserver(all => all.forEach(e => fit(e.target)));
const named = n => [...document.querySelectorAll("map")].find(m => m.name == n || m.id == n);
const mapOf = img => {
 const n = img.useMap.replace(/^#/, "");
 let map = named(n), i = 2;
 if (owner.get(map) && owner.get(map) != img) {
  const copy = map.cloneNode(true);
  while (named(n + "-" + i)) i++;
  copy.name = n + "-" + i;
  [...map.areas].forEach((a, k) => kept.set(copy.areas[k], kept.get(a)));
  known[copy.name] = known[map.name];
  map.after(copy);
  img.useMap = "#" + copy.name;
  map = copy;
 }
 if (map) owner.set(map, img);
 return map;
};
const fit = img => {
 const map = mapOf(img), s = getComputedStyle(img);
 if (!map || !img.getClientRects().length) return;
 const [w, h] = known[map.name] || [img.naturalWidth, img.naturalHeight];
 const px = p => parseFloat(s[p]) || 0, edge = d => px("border" + d + "Width") + px("padding" + d);
 const box = img.getBoundingClientRect();
 const scale = [(box.width - edge("Left") - edge("Right")) / w, (box.height - edge("Top") - edge("Bottom")) / h];
 const shift = [edge("Left"), edge("Top")];
 if (!scale.every(x => x > 0 && x < 1e9)) return;
 for (const a of map.areas) {
  if (!kept.has(a)) kept.set(a, a.coords);
  a.coords = kept.get(a).split(",").map((t, k) => {
   const v = parseFloat(t), radius = k == 2 && /^circ/i.test(a.shape);
   return isNaN(v) ? t : Math.round((v * scale[k % 2] + (radius ? 0 : shift[k % 2])) * 100) / 100;
  }).join(",");
 }
};
window.ornixMaps = {add: more => {
 Object.assign(known, more);
 for (const img of document.querySelectorAll("img[usemap]")) {
  img.addEventListener("load", load);
  watch.observe(img);
  fit(img);
 }
}};
ornixMaps.add(sizes);
})();
)js";

// Lines of the page end in CR LF, the script's too.
void appendWithLineEnds(std::string& page, std::string_view text) {
  for (const char c : text) {
    if (c == '\n') page += '\r';
    page += c;
  }
}

// A map's name as a JavaScript string between double quotes: nothing in it
// can end the string or the script.
void appendAsScriptString(std::string& page, std::string_view text) {
  page += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      page += '\\';
      page += c;
    } else if (c == '<' || static_cast<unsigned char>(c) < 0x20) {
      static constexpr char digits[] = "0123456789abcdef";
      page += "\\u00";
      page += digits[(static_cast<unsigned char>(c) >> 4) & 0xF];
      page += digits[static_cast<unsigned char>(c) & 0xF];
    } else {
      page += c;
    }
  }
  page += '"';
}

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

std::string responsivePage(std::string_view block, std::string_view title, const PageLocale& locale,
                           const WrittenSize& written) {
  std::string page;
  page.reserve(block.size() + fittingScriptEnd.size() + 512);
  page.append("<!DOCTYPE html>\r\n<html lang=\"");
  appendAsValue(page, locale.language);
  page.append("\">\r\n<head>\r\n<meta charset=\"");
  appendAsValue(page, locale.charset);
  page.append("\">\r\n<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n<title>");
  appendAsText(page, title);
  page.append(
      "</title>\r\n<style>\r\nimg[usemap] { max-width: 100%; height: auto; }\r\n</style>\r\n</head>\r\n<body>\r\n");
  page.append(block).append(crlf);
  page.append("<script>\r\n");
  appendWithLineEnds(page, fittingScriptStart);
  page.append("{");
  appendAsScriptString(page, written.mapName);
  page.append(":[").append(std::to_string(written.width)).append(",").append(std::to_string(written.height));
  page.append("]}");
  appendWithLineEnds(page, fittingScriptEnd);
  page.append("</script>\r\n</body>\r\n</html>\r\n");
  return page;
}

}  // namespace ornix
