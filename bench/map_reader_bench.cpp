// Reading a map back from a page: the reader's own text work (splitting the
// page, both passes, the area and coordinate texts, the list appends; regions
// and drawing through a stand-in), beside a plain scan that pulls the same
// values out into strings; and the full open of a page in the real window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImageWriter>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "editor/frm_map.h"
#include "model/area_text.h"
#include "model/map_block_format.h"
#include "model/map_block_reader.h"
#include "platform/ui.h"
#include "workflow/map_opening.h"

namespace ornix::bench {
namespace {

class NoView final : public MapView {
 public:
  bool loadPicture(const std::string&) override { return true; }
  void fitWindowToImage() override {}
  void enableMake(bool) override {}
  void releaseRegion(std::int32_t) override {}
};

class NoNotes final : public Notifier {
 public:
  void showNote(const Note&) override {}
};

class NoDrawing final : public AreaRebuilder {
 public:
  void letEventsRun() override {}
  void setBusy(bool) override {}
  std::int32_t rebuildArea(const ReadShape&) override { return ++regions; }
  std::int32_t regions = 0;
};

// Answers nothing and waits for nothing: the full open without its pauses.
class NoWaitUi final : public Ui {
 public:
  Answer messageBox(const Message&) override { return Answer::ok; }
  std::optional<std::string> inputBox(const std::string&, const std::string&) override { return {}; }
  std::optional<std::string> fileDialog(const FileDialogRequest&) override { return {}; }
  void showModal(QDialog&) override {}
  void popupMenu(QMenu&, QPoint) override {}
  void pause(int) override {}
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
                      "\" width=640 height=400 border=0 USEMAP=\"#harbour\">\r\n\r\n" +
                      std::string(signatureComment) + "\r\n<MAP NAME=\"harbour\">";
  const std::vector<Point32> pentagon{{10, 10}, {200, 14}, {260, 120}, {130, 220}, {12, 130}};
  for (std::size_t i = 0; i < areas; ++i) {
    const auto n = static_cast<std::int16_t>(i % 600);
    const ShapeTexts shape = i % 3 == 0   ? rectShape(n, 20, static_cast<std::int16_t>(n + 30), 60)
                             : i % 3 == 1 ? *circleShape(n, 200, 23.5f)
                                          : polyShape(pentagon);
    block += "\r\n" + shape.areaText + attributePart("page" + std::to_string(i) + ".html",
                                                     i % 2 ? "_top" : "", i % 4 ? "" : "A hotspot") + "\">";
  }
  block += "\r\n</MAP>\r\n" + std::string(endComment);
  return filler(100 * 1024) + block + filler(100 * 1024);
}

void readMap(benchmark::State& state) {
  const std::string text = page(static_cast<std::size_t>(state.range(0)));
  NoView view;
  NoNotes notes;
  for (auto _ : state) {
    MapDocument document(view, notes, "/");
    NoDrawing drawing;
    ChtmlPage split;
    split.parsePage(text, "page.html");
    parseMap(split.htmlMap(), document, drawing);
    benchmark::DoNotOptimize(document.areaList().data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// The least a reader must do: find each tag's values and copy them out.
void plainScan(benchmark::State& state) {
  const std::string text = page(static_cast<std::size_t>(state.range(0)));
  const std::string_view all(text);
  for (auto _ : state) {
    std::vector<std::string> values;
    std::size_t at = all.find("<!-- Ornix start");
    const std::size_t end = all.find("<!-- end Ornix", at);
    while ((at = all.find("<AREA", at)) < end) {
      const std::size_t close = all.find('>', at);
      for (const std::string_view key : {"COORDS=\"", "HREF=\"", "Target=\"", "ALT=\""}) {
        const std::size_t found = all.substr(at, close - at).find(key);
        if (found == std::string_view::npos) continue;
        const std::size_t from = at + found + key.size();
        values.emplace_back(all.substr(from, all.find('"', from) - from));
      }
      at = close;
    }
    benchmark::DoNotOptimize(values.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// The whole open of a page with 1,000 areas in the real window: reading, regions,
// highlights and outlines, without the pauses between areas.
void openPage(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ornix-bench-page";
  std::filesystem::create_directories(folder / "images");
  QImage picture(640, 400, QImage::Format_RGB32);
  picture.fill(QColor(120, 170, 210));
  QImageWriter(QString::fromStdString((folder / "images/harbour.jpg").string()), "jpeg").write(picture);
  const std::string file = (folder / "index.html").string();
  std::ofstream(file, std::ios::binary) << page(1000);
  NoWaitUi ui;
  frmMap window(ui);
  for (auto _ : state) {
    if (!txtSpecs(window, ui, file, "html") || window.document().areaList().size() != 1000) {
      state.SkipWithError("the page did not open");
      break;
    }
  }
  std::filesystem::remove_all(folder);
}

}  // namespace

void registerMapReaderBenchmarks() {
  benchmark::RegisterBenchmark("readMap", readMap)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("plainScan", plainScan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("openPage/1000", openPage)->Unit(benchmark::kMillisecond);
}

}  // namespace ornix::bench
