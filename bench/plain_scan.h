#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ornix::bench {

// The least a reader of tags must do, the measure its time is set against:
// in text[begin, end), find each tag that starts with `tagStart` and copy out
// the values of `keys` (each a name, "=" and a double quote) as written.
inline std::vector<std::string> plainTagValues(std::string_view text, std::size_t begin, std::size_t end,
                                               std::string_view tagStart,
                                               std::initializer_list<std::string_view> keys) {
  std::vector<std::string> values;
  for (std::size_t at = text.find(tagStart, begin); at < end; at = text.find(tagStart, at)) {
    const std::size_t close = text.find('>', at);
    for (const std::string_view key : keys) {
      const std::size_t found = text.substr(at, close - at).find(key);
      if (found == std::string_view::npos) continue;
      const std::size_t from = at + found + key.size();
      values.emplace_back(text.substr(from, text.find('"', from) - from));
    }
    at = close;
  }
  return values;
}

}  // namespace ornix::bench
