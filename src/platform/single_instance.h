#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace ornix {

// Tells whether this is the only running copy of the program.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // True when no other copy runs; this copy then holds the claim until it ends.
  virtual bool claim() = 0;
};

// A lock file in the user's runtime folder. A lock left behind by a copy that
// was killed is taken over; one held by a running copy is not, however old.
class LockFileInstance final : public SingleInstance {
 public:
  // The lock file's path; by default "Quillmere-Ornix.lock" in the runtime folder.
  explicit LockFileInstance(const QString& path = defaultPath());
  ~LockFileInstance() override;

  bool claim() override;
  static QString defaultPath();

 private:
  std::unique_ptr<QLockFile> lock;
};

}  // namespace ornix
