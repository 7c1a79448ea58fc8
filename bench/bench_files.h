#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ornix::bench {

using Bytes = std::vector<std::uint8_t>;  // the same as the tests' test::Bytes

// Inputs for the image measuring benchmarks, written once into a temporary
// folder and removed when the run ends.
class BenchFiles {
 public:
  BenchFiles();
  ~BenchFiles();
  BenchFiles(const BenchFiles&) = delete;
  BenchFiles& operator=(const BenchFiles&) = delete;

  struct File {
    std::string name;
    std::string path;
    std::uint64_t size;
  };
  const std::vector<File>& files() const { return written; }

 private:
  void write(const std::string& name, const Bytes& bytes);

  std::filesystem::path folder;
  std::vector<File> written;
};

}  // namespace ornix::bench
