// Reading a map back from a page: the reader's own work (splitting the page,
// both passes, the areas as values), beside a plain scan that pulls the same
// values out into strings; and the full open of a page in the real window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImageWriter>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "editor/area_overlay.h"
#include "editor/editor_window.h"
#include "model/map_format.h"
#include "model/map_reader.h"
#include "model/map_writer.h"
#include "plain_scan.h"
#include "platform/ui.h"
#include "workflow/map_opening.h"
#include "workflow/opening.h"

namespace ornix::bench {
namespace {

// Answers nothing and waits for nothing: the full open without its pauses.
class NoWaitUi final : public Ui {
 public:
  Answer messageBox(const Message&) override { return Answer::ok; }
  std::optional<std::string> inputBox(const std::string&, const std::string&) override { return {}; }
  std::optional<std::string> fileDialog(const FileDialogRequest&) override { return {}; }
  void showModal(QDialog&) override {}
  void popupMenu(QMenu&, QPoint) override {}
  void pause(int) override {}
  bool pauseUnlessSkipped(int, const QWidget&) override { return false; }
  void processEvents() override {}
  void setBusy(bool) override {}
};

std::string filler(std::size_t size) {
  std::string html;
  while (html.size() < size) html += "<p class=\"text\">Harbour news, tide tables and the ferry timetable.</p>\r\n";
  return html;
}

// A page of 200 KB of HTML around a block of `areas` mixed AREA tags.
std::string page(std::size_t areas, std::string_view src = "images/harbour.jpg") {
  std::string block = std::string(startComment) + "\r\n<img src=\"" + std::string(src) +
                      "\" width=640 height=400 border=0 USEMAP=\"#harbour\">\r\n\r\n" + std::string(signatureComment) +
                      "\r\n<MAP NAME=\"harbour\">";
  const std::vector<Point> pentagon{{10, 10}, {200, 14}, {260, 120}, {130, 220}, {12, 130}};
  for (std::size_t i = 0; i < areas; ++i) {
    const auto n = static_cast<std::int32_t>(i % 600);
    const Attributes attributes{
        "page" + std::to_string(i) + ".html", i % 2 ? "_top" : "", i % 4 ? "" : "A hotspot", {}};
    const Area area = i % 3 == 0   ? Area{Shape::rectangle, {{n, 20}, {n + 30, 60}}, 0, attributes}
                      : i % 3 == 1 ? Area{Shape::circle, {{n, 200}}, 23.5f, attributes}
                                   : Area{Shape::polygon, pentagon, 0, attributes};
    block += "\r\n" + areaTag(area);
  }
  block += "\r\n</MAP>\r\n" + std::string(endComment);
  return filler(100 * 1024) + block + filler(100 * 1024);
}

void readMap(benchmark::State& state) {
  const std::string text = page(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    const std::variant<SplitPage, Notice> split = splitPage(text, "page.html");
    const MapReading reading = readMapBlock(std::get<SplitPage>(split).block);
    benchmark::DoNotOptimize(reading.areas.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// The same read after the process has built and freed a large map with its
// regions, as after a session of work: 100,000 areas read, each given the
// region it is hit-tested against, half of them edited, then all freed. The
// reader's cost must not depend on what the heap went through before.
void readMapAfterWork(benchmark::State& state) {
  const std::string text = page(static_cast<std::size_t>(state.range(0)));
  {
    std::vector<Area> areas = readMapBlock(std::get<SplitPage>(splitPage(text, "page.html")).block).areas;
    std::vector<QRegion> regions;
    regions.reserve(areas.size());
    for (const Area& area : areas) regions.push_back(regionOf(area));
    for (std::size_t i = 0; i < areas.size(); i += 2) areas[i].attributes.alt += " (edited in a long session)";
    std::vector<Area> kept(areas.begin(), areas.begin() + static_cast<std::ptrdiff_t>(areas.size() / 3));
    benchmark::DoNotOptimize(kept.data());
  }
  for (auto _ : state) {
    const std::variant<SplitPage, Notice> split = splitPage(text, "page.html");
    const MapReading reading = readMapBlock(std::get<SplitPage>(split).block);
    benchmark::DoNotOptimize(reading.areas.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// The least a reader must do: find each tag's values and copy them out.
void plainScan(benchmark::State& state) {
  const std::string text = page(static_cast<std::size_t>(state.range(0)));
  const std::string_view all(text);
  for (auto _ : state) {
    const std::size_t start = all.find(startMarker);
    const std::vector<std::string> values = plainTagValues(all, start, all.find(endMarker, start), "<AREA",
                                                           {"COORDS=\"", "HREF=\"", "Target=\"", "ALT=\""});
    benchmark::DoNotOptimize(values.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// The whole open of a page of `areas` areas in the real window: reading,
// regions, highlights and outlines, without the pauses between areas.
void openPage(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ornix-bench-page";
  std::filesystem::create_directories(folder / "images");
  QImage picture(640, 400, QImage::Format_RGB32);
  picture.fill(QColor(120, 170, 210));
  QImageWriter(QString::fromStdString((folder / "images/harbour.jpg").string()), "jpeg").write(picture);
  const std::string file = (folder / "index.html").string();
  const auto areas = static_cast<std::size_t>(state.range(0));
  std::ofstream(file, std::ios::binary) << page(areas);
  NoWaitUi ui;
  EditorWindow window(ui);
  for (auto _ : state) {
    if (!openMapFile(workspaceOf(window), ui, file, "html") || window.map().areas.size() != areas) {
      state.SkipWithError("the page did not open");
      break;
    }
  }
  std::filesystem::remove_all(folder);
}

}  // namespace

void registerMapReaderBenchmarks() {
  benchmark::RegisterBenchmark("readMap", readMap)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("readMapAfterWork", readMapAfterWork)->Arg(100000)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plainScan", plainScan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("openPage", openPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

}  // namespace ornix::bench
