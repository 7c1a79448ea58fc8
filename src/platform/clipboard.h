#pragma once

#include <QString>
#include <string>

namespace ornix {

// Plain text on the system clipboard.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void setText(const std::string& bytes) = 0;
};

// The system clipboard. Given a keeper program, each text is also handed to a
// detached copy of that program in keeper mode, so that it can still be
// pasted once this process has ended, with or without a clipboard manager.
class QtClipboard final : public Clipboard {
 public:
  explicit QtClipboard(QString keeperProgram = {}) : keeperProgram(std::move(keeperProgram)) {}
  void setText(const std::string& bytes) override;

 private:
  QString keeperProgram;
};

// Set in a process's environment, it makes the program a clipboard keeper.
inline constexpr char clipboardKeeperVariable[] = "ORNIX_KEEP_CLIPBOARD";

// Starts `program` as a keeper of `bytes`; false when it could not be started.
bool startClipboardKeeper(const QString& program, const std::string& bytes);

}  // namespace ornix
