#include <gtest/gtest.h>

#include <filesystem>

#include "model/text_helpers.h"

namespace ornix {
namespace {

constexpr bool windowsPaths = std::filesystem::path::preferred_separator == '\\';

// Each path cut into its folder and its file name, by the rules of the
// platform the test runs on: "\" and ":" are separators on Windows only.
TEST(PathParts, CutAtThePlatformsOwnSeparators) {
  struct Case {
    std::string path;
    std::string folder, name;                // everywhere but Windows
    std::string windowsFolder, windowsName;  // on Windows
  };
  const std::vector<Case> cases = {
      {"/home/web/photo.jpeg", "/home/web/", "photo.jpeg", "/home/web/", "photo.jpeg"},
      {"a.gif", "", "a.gif", "", "a.gif"},
      {"pictures/", "pictures/", "", "pictures/", ""},
      {"/site/a:b.htm", "/site/", "a:b.htm", "/site/a:", "b.htm"},
      {R"(/site/x\y.htm)", "/site/", R"(x\y.htm)", R"(/site/x\)", "y.htm"},
      {R"(C:\maps\b.jpg)", "", R"(C:\maps\b.jpg)", R"(C:\maps\)", "b.jpg"},
      {R"(img/one\two.gif)", "img/", R"(one\two.gif)", R"(img/one\)", "two.gif"},
      {"a:b.gif", "", "a:b.gif", "a:", "b.gif"},
      {"/p/caf\xE9.gif", "/p/", "caf\xE9.gif", "/p/", "caf\xE9.gif"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(folderOf(c.path), windowsPaths ? c.windowsFolder : c.folder) << c.path;
    EXPECT_EQ(fileNameOf(c.path), windowsPaths ? c.windowsName : c.name) << c.path;
  }
}

}  // namespace
}  // namespace ornix
