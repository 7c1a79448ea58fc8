#pragma once

#include <string>

#include "settings_store.h"

namespace ornix {

// Makes the desktop open ".ornx" map files with the program.
class FileAssociation {
 public:
  virtual ~FileAssociation() = default;
  // Puts the association for the program at `programPath` right, replacing
  // what an earlier start wrote where it differs. False when a part could not
  // be written.
  virtual bool write(const std::string& programPath) = 0;
  // Removes exactly what write() put in place. False when its last part, the
  // default application, was not there or could not be removed.
  virtual bool remove() = 0;
};

// The freedesktop way: a MIME package declaring the map file type, a desktop
// entry that opens it with the program, and that entry as the type's default
// application, in the user's data and configuration folders (XDG_DATA_HOME,
// XDG_CONFIG_HOME) unless others are given. Only the parts that differ from
// what is there are written, and the desktop's caches are refreshed (when
// their tools exist) only for a part that changed or a cache that is missing.
class FreedesktopAssociation final : public FileAssociation {
 public:
  static constexpr const char* mimeType = "application/x-ornix";
  static constexpr const char* desktopEntry = "ornix.desktop";

  explicit FreedesktopAssociation(std::string dataFolder = userDataFolder(),
                                  std::string configFolder = userConfigFolder());
  bool write(const std::string& programPath) override;
  bool remove() override;

  std::string mimePackagePath() const;
  std::string desktopEntryPath() const;
  std::string mimeAppsPath() const;

 private:
  struct Changed {
    bool mimePackage = false;
    bool desktopEntry = false;
  };
  void refreshCaches(const Changed& changed) const;

  std::string dataHome;
  std::string configHome;
};

// The Exec argument for a path, quoted and escaped as desktop entries require.
std::string desktopExecArgument(const std::string& path);

}  // namespace ornix
