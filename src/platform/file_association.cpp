#include "file_association.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <tuple>
#include <vector>

#include "file_store.h"

namespace ornix {
namespace {

const std::string defaultsSection = "[Default Applications]";

// The MIME package and the desktop entry are the ones installed with the
// program; the entry written here runs this very binary.
std::string resourceText(const char* name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

std::string desktopFile(const std::string& programPath) {
  std::string entry = resourceText(":/desktop/ornix.desktop");
  const std::size_t exec = entry.find("\nExec=");
  if (exec == std::string::npos) return entry;
  const std::size_t end = entry.find('\n', exec + 1);
  return entry.replace(exec + 1, end - exec - 1, "Exec=" + desktopExecArgument(programPath) + " %f");
}

std::vector<std::string> linesOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

bool isOurDefault(const std::string& line) {
  return line.starts_with(std::string(FreedesktopAssociation::mimeType) + "=");
}

// The list with our line in its defaults section, or without it; every other line kept.
std::vector<std::string> withDefault(std::vector<std::string> lines, bool present) {
  std::erase_if(lines, isOurDefault);
  if (!present) return lines;
  const std::string ours =
      std::string(FreedesktopAssociation::mimeType) + "=" + FreedesktopAssociation::desktopEntry + ";";
  const auto section = std::find(lines.begin(), lines.end(), defaultsSection);
  if (section == lines.end()) {
    lines.push_back(defaultsSection);
    lines.push_back(ours);
  } else {
    lines.insert(section + 1, ours);
  }
  return lines;
}

// Writes a part of the association unless the file holds it already, as at
// nearly every start; `changed` is set when the file was written.
bool putInPlace(const std::string& path, const std::string& text, bool& changed) {
  if (readWholeFile(path) == text) return true;
  changed = true;
  return !writeWholeFile(path, text);
}

bool removeFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::remove(path, error) && !error;
}

}  // namespace

std::string desktopExecArgument(const std::string& path) {
  std::string argument;
  bool quote = false;
  for (const char c : path) {
    if (c == '%') {
      argument += "%%";
      continue;
    }
    if (std::string_view(" \t\n\"'\\><~|&;$*?#()`").find(c) != std::string_view::npos) quote = true;
    if (std::string_view("\"`$\\").find(c) != std::string_view::npos) argument += '\\';
    argument += c;
  }
  if (quote) argument = "\"" + argument + "\"";
  // The value is also a desktop-entry string, whose own escape doubles each backslash.
  std::string value;
  for (const char c : argument) value += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return value;
}

FreedesktopAssociation::FreedesktopAssociation(std::string dataFolder, std::string configFolder)
    : dataHome(std::move(dataFolder)), configHome(std::move(configFolder)) {}

std::string FreedesktopAssociation::mimePackagePath() const { return dataHome + "/mime/packages/ornix.xml"; }
std::string FreedesktopAssociation::desktopEntryPath() const { return dataHome + "/applications/" + desktopEntry; }
std::string FreedesktopAssociation::mimeAppsPath() const { return configHome + "/mimeapps.list"; }

bool FreedesktopAssociation::write(const std::string& programPath) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(mimePackagePath()).parent_path(), error);
  std::filesystem::create_directories(std::filesystem::path(desktopEntryPath()).parent_path(), error);
  std::filesystem::create_directories(configHome, error);
  // Each part is put in place even when one before it failed, as far as it goes.
  Changed changed;
  bool written = putInPlace(mimePackagePath(), resourceText(":/desktop/ornix.xml"), changed.mimePackage);
  written = putInPlace(desktopEntryPath(), desktopFile(programPath), changed.desktopEntry) && written;
  bool defaultChanged = false;  // the default application is read as it is, from no cache
  written = putInPlace(mimeAppsPath(), joined(withDefault(linesOf(mimeAppsPath()), true)), defaultChanged) && written;
  refreshCaches(changed);
  return written;
}

// The default-application line is the last part removed; only its removal
// counts: when it is already gone, nothing was removed.
bool FreedesktopAssociation::remove() {
  removeFile(mimePackagePath());
  removeFile(desktopEntryPath());
  const std::vector<std::string> lines = linesOf(mimeAppsPath());
  const std::vector<std::string> without = withDefault(lines, false);
  const bool lastRemoved = without != lines && !writeWholeFile(mimeAppsPath(), joined(without));
  refreshCaches({true, true});
  return lastRemoved;
}

// A cache is rebuilt when what it is built from changed, or when it is not
// there (its tool may have been installed since the part was written).
void FreedesktopAssociation::refreshCaches(const Changed& changed) const {
  const std::vector<std::tuple<const char*, std::string, const char*, bool>> tools = {
      {"update-mime-database", dataHome + "/mime", "mime.cache", changed.mimePackage},
      {"update-desktop-database", dataHome + "/applications", "mimeinfo.cache", changed.desktopEntry}};
  for (const auto& [tool, folder, cache, partChanged] : tools) {
    if (!partChanged && std::filesystem::exists(folder + "/" + cache)) continue;
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty() && std::filesystem::is_directory(folder)) {
      QProcess::execute(program, {QString::fromStdString(folder)});
    }
  }
}

}  // namespace ornix
