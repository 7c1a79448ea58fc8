// Runs every benchmark, then prints each figure as a ratio against its reference
// measured in the same run, so the figures hold on any machine.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include <cstdio>
#include <map>
#include <string>

#include "bench_files.h"

namespace ornix::bench {

void registerImageHeaderBenchmarks(const BenchFiles& files);
void registerMapWriterBenchmarks();
void registerEditorBenchmarks();
void closeEditorBenchmarks();
void registerMapReaderBenchmarks();
void registerMapImportBenchmarks();

namespace {

// The console report, plus the seconds per iteration of every run by name.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.iterations > 0) {
        seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
      }
    }
  }

  // Prints name's time as a multiple of reference's, if both ran.
  void printRatio(const std::string& name, const std::string& reference) const {
    const auto a = seconds.find(name);
    const auto b = seconds.find(reference);
    if (a == seconds.end() || b == seconds.end()) return;
    std::printf("  %-46s %9.2f us  = %6.2f x %s\n", name.c_str(), a->second * 1e6, a->second / b->second,
                reference.c_str());
  }

 private:
  std::map<std::string, double> seconds;
};

void printRatios(const RatioReporter& reporter, const BenchFiles& files) {
  std::printf("\nRatios against references measured in this run:\n");
  for (const BenchFiles::File& file : files.files()) {
    reporter.printRatio("measureImage/" + file.name, "read64KiB/" + file.name);
    reporter.printRatio("measureImage/" + file.name, "readWhole/" + file.name);
  }
  reporter.printRatio("writeMapBlock/100000", "writeMapBlock/10000");
  reporter.printRatio("writeMapBlock/10000", "writeMapBlock/1000");
  reporter.printRatio("readMap/100000", "readMap/10000");
  reporter.printRatio("readMap/10000", "plainScan/10000");
  reporter.printRatio("readMap/100000", "plainScan/100000");
  reporter.printRatio("readMapAfterWork/100000", "readMap/100000");
  reporter.printRatio("importMapOfPage/50/200", "plainPageScan/50/200");
  for (const std::string figure : {"rubberBandRectangle", "rubberBandCircle"}) {
    for (const char* large : {"/side:8000/zoom:100", "/side:8000/zoom:800"}) {
      reporter.printRatio(figure + large, figure + "/side:1000/zoom:100");
    }
  }
  reporter.printRatio("areaAt/10000/lastArea", "areaAt/10000/noArea");
}

}  // namespace
}  // namespace ornix::bench

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  const ornix::bench::BenchFiles files;
  ornix::bench::registerImageHeaderBenchmarks(files);
  ornix::bench::registerMapWriterBenchmarks();
  ornix::bench::registerEditorBenchmarks();
  ornix::bench::registerMapReaderBenchmarks();
  ornix::bench::registerMapImportBenchmarks();
  ornix::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  ornix::bench::printRatios(reporter, files);
  ornix::bench::closeEditorBenchmarks();
  benchmark::Shutdown();
  return 0;
}
