#include <gtest/gtest.h>

#include "model/text_helpers.h"

namespace ornix {
namespace {

TEST(FileNameOf, TakesTheTextAfterTheLastSeparator) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {R"(C:\maps\site/img/a.gif)", "a.gif"},  // the last forward slash wins
      {R"(C:\maps\b.jpg)", "b.jpg"},
      {"/home/web/photo.jpeg", "photo.jpeg"},
      {R"(img/one\two.gif)", R"(one\two.gif)"},  // a "/" anywhere outranks every "\"
      {"a.gif", "a.gif"},
      {"pictures/", ""},
  };
  for (const auto& [path, name] : cases) EXPECT_EQ(fileNameOf(path), name) << path;
}

}  // namespace
}  // namespace ornix
