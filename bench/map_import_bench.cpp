// Importing a map from a large page written by hand: finding every map of the
// page with its area tags and pictures, then reading the last map into areas,
// beside a plain scan that pulls every area's values out of the same bytes.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "model/map_import.h"
#include "plain_scan.h"

namespace ornix::bench {
namespace {

// A page of `maps` maps of `areas` areas each, with their pictures, between
// paragraphs, tables and scripts: about 5 MB for 50 maps of 200 areas.
std::string handWrittenPage(int maps, int areas) {
  std::string page = "<!DOCTYPE html>\n<html><head><script>var map = '<map name=fake>';</script></head><body>\n";
  for (int m = 0; m < maps; ++m) {
    const std::string name = "floor" + std::to_string(m);
    page += "<h2>Floor " + std::to_string(m) + "</h2>\n<img src=\"plans/" + name + ".jpg\" usemap=\"#" + name +
            "\" width=\"800\" height=\"600\" alt=\"Plan\">\n<map name=\"" + name + "\">\n";
    for (int a = 0; a < areas; ++a) {
      const std::string n = std::to_string(a % 700);
      const std::string link = " href=\"rooms/" + name + "-" + std::to_string(a) + ".html\" alt=\"Room " +
                               std::to_string(a) + " &amp; hall\" title=\"Room\" data-room=\"" + n + "\"";
      page += a % 3 == 0   ? "  <area shape=\"rect\" coords=\"" + n + ",20," + n + "0,60\"" + link + ">\n"
              : a % 3 == 1 ? "  <area shape=\"circle\" coords=\"" + n + ",200,23.5\"" + link + ">\n"
                           : "  <area shape=\"poly\" coords=\"10,10,200,14,260,120,130,220,12,130\"" + link + ">\n";
    }
    page += "</map>\n";
    while (page.size() < static_cast<std::size_t>(m + 1) * 100'000) {
      page += "<p class=\"note\">Opening hours, lifts and the <b>fire exits</b> of each floor.</p>\n";
    }
  }
  return page + "</body></html>\n";
}

void importMapOfPage(benchmark::State& state) {
  const std::string page = handWrittenPage(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    const PageSurvey survey = surveyPage(page);
    const ImportedMap imported = importMap(page, survey.maps.back(), "utf-8");
    benchmark::DoNotOptimize(imported.areas.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(page.size()));
}

// The least an importer must do: find each AREA tag and copy its values out.
void plainPageScan(benchmark::State& state) {
  const std::string text = handWrittenPage(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const std::string_view page(text);
  for (auto _ : state) {
    const std::vector<std::string> values = plainTagValues(
        page, 0, page.size(), "<area", {"shape=\"", "coords=\"", "href=\"", "alt=\"", "title=\"", "data-room=\""});
    benchmark::DoNotOptimize(values.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

}  // namespace

void registerMapImportBenchmarks() {
  benchmark::RegisterBenchmark("importMapOfPage", importMapOfPage)->Args({50, 200})->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plainPageScan", plainPageScan)->Args({50, 200})->Unit(benchmark::kMillisecond);
}

}  // namespace ornix::bench
