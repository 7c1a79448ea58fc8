// Writing the map block for maps of growing size: the time per area must stay flat.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model/map_writer.h"

namespace ornix::bench {
namespace {

// A realistic mix: rectangles, circles and polygons, each with a link and some with a target and ALT.
ImageMap mapOf(std::size_t count) {
  ImageMap map{Picture{"/pictures/photo.gif", 6000, 4000}, {}, nullptr};
  map.areas.reserve(count);
  const std::vector<Point> pentagon{{10, 10}, {200, 14}, {260, 120}, {130, 220}, {12, 130}};
  for (std::size_t i = 0; i < count; ++i) {
    const auto n = static_cast<std::int32_t>(i % 30000);
    const Attributes attributes{
        "https://example.org/page" + std::to_string(i) + ".html", i % 2 ? "_top" : "", i % 4 ? "A hotspot" : "", {}};
    switch (i % 3) {
      case 0: map.areas.push_back({Shape::rectangle, {{n, 20}, {n + 100, 220}}, 0, attributes}); break;
      case 1: map.areas.push_back({Shape::circle, {{n, 60}}, 23.40939f, attributes}); break;
      default: map.areas.push_back({Shape::polygon, pentagon, 0, attributes}); break;
    }
  }
  return map;
}

void writeBlock(benchmark::State& state) {
  const ImageMap map = mapOf(static_cast<std::size_t>(state.range(0)));
  std::size_t written = 0;
  for (auto _ : state) {
    const std::string block = writeMapBlock(map, "images/");
    written = block.size();
    benchmark::DoNotOptimize(block.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(written));
}

}  // namespace

void registerMapWriterBenchmarks() {
  benchmark::RegisterBenchmark("writeMapBlock", writeBlock)->Arg(1000)->Arg(10000)->Arg(100000);
}

}  // namespace ornix::bench
