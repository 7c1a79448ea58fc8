// Measuring an image file, beside two plain reads of the same file in the same
// run: its first 64 KiB, and the whole of it.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

#include "bench_files.h"
#include "model/image_header.h"

namespace ornix::bench {
namespace {

// Opens, reads up to `limit` bytes into `buffer` in one call, and closes.
std::streamsize plainRead(const std::string& path, char* buffer, std::uint64_t limit) {
  std::ifstream in;
  in.rdbuf()->pubsetbuf(nullptr, 0);
  in.open(path, std::ios::binary);
  in.read(buffer, static_cast<std::streamsize>(limit));
  return in.gcount();
}

void measure(benchmark::State& state, const BenchFiles::File& file) {
  for (auto _ : state) benchmark::DoNotOptimize(measureImage(file.path));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size));
}

void readPrefix(benchmark::State& state, const BenchFiles::File& file, std::uint64_t limit) {
  const std::uint64_t size = std::min(limit, file.size);
  const auto buffer = std::make_unique_for_overwrite<char[]>(size);
  for (auto _ : state) benchmark::DoNotOptimize(plainRead(file.path, buffer.get(), size));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}

}  // namespace

void registerImageHeaderBenchmarks(const BenchFiles& files) {
  for (const BenchFiles::File& file : files.files()) {
    benchmark::RegisterBenchmark(("measureImage/" + file.name).c_str(), measure, file);
    benchmark::RegisterBenchmark(("read64KiB/" + file.name).c_str(), readPrefix, file, std::uint64_t{64 * 1024});
    benchmark::RegisterBenchmark(("readWhole/" + file.name).c_str(), readPrefix, file, file.size);
  }
}

}  // namespace ornix::bench
