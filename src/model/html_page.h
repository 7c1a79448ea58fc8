#pragma once

#include <string>
#include <string_view>

namespace ornix {

// One page that holds a map block, split into the text before the block, the
// block itself and the text after it. Joined again, the three give the page
// back byte for byte, so "Save in Original Page" can put a new block between
// the untouched halves.
class ChtmlPage {
 public:
  enum class Split { ok, noStart, noEnd, cutShort };

  // Splits `page` around its map block: htmlTop before the start comment,
  // htmlMap from it through the 49 characters of the end comment, htmlBot
  // after. Keeps the file name. Says what was missing when it cannot split.
  Split parsePage(std::string page, std::string pagePath);

  // The image path of the block's image tag, as the writer put it (folder
  // prefix and file name); empty when the block has no such tag.
  std::string imageSrc() const;

  const std::string& htmlTop() const { return top; }
  const std::string& htmlMap() const { return map; }
  const std::string& htmlBot() const { return bot; }
  void setHtmlTop(std::string text) { top = std::move(text); }
  void setHtmlMap(std::string text) { map = std::move(text); }
  void setHtmlBot(std::string text) { bot = std::move(text); }

  // Reading the whole page assembles it anew from its three parts.
  const std::string& htmlAll() {
    all = top + map + bot;
    return all;
  }
  void setHtmlAll(std::string text) { all = std::move(text); }

  const std::string& pageFileName() const { return fileName; }
  void setPageFileName(std::string path) { fileName = std::move(path); }

 private:
  std::string top;
  std::string map;
  std::string bot;
  std::string all;
  std::string fileName;
};

}  // namespace ornix
