// Writing the map block for maps of growing size: the time per area must stay flat.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/area_text.h"
#include "model/map_block_format.h"
#include "model/map_block_writer.h"

namespace ornix::bench {
namespace {

// A realistic mix: rectangles, circles and polygons, each with a link and some with a target and ALT.
std::vector<std::string> areaTexts(std::size_t count) {
  std::vector<std::string> texts;
  texts.reserve(count);
  const std::vector<Point32> pentagon{{10, 10}, {200, 14}, {260, 120}, {130, 220}, {12, 130}};
  for (std::size_t i = 0; i < count; ++i) {
    const auto n = static_cast<std::int16_t>(i % 30000);
    std::string text;
    switch (i % 3) {
      case 0: text = rectShape(n, 20, static_cast<std::int16_t>(n + 100), 220).areaText; break;
      case 1: text = circleShape(n, 60, 23.40939f)->areaText; break;
      default: text = polyShape(pentagon).areaText; break;
    }
    texts.push_back(text + attributePart("https://example.org/page" + std::to_string(i) + ".html",
                                         i % 2 ? "_top" : "", i % 4 ? "A hotspot" : ""));
  }
  return texts;
}

void writeBlock(benchmark::State& state) {
  const std::vector<std::string> areas = areaTexts(static_cast<std::size_t>(state.range(0)));
  const std::string tail = R"(photo.gif" width=6000 height=4000 border=0 USEMAP="#photo">)";
  const std::string opening = std::string(signatureComment) + "\r\n<MAP NAME=\"photo\">";
  std::size_t written = 0;
  for (auto _ : state) {
    const std::string block = writeMapBlock("images/", tail, opening, areas);
    written = block.size();
    benchmark::DoNotOptimize(block.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(written));
}

}  // namespace

void registerMapBlockBenchmarks() {
  benchmark::RegisterBenchmark("writeMapBlock", writeBlock)->Arg(1000)->Arg(10000)->Arg(100000);
}

}  // namespace ornix::bench
