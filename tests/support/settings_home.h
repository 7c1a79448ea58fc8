#pragma once

#include <QByteArray>
#include <QtGlobal>

#include "platform/file_association.h"
#include "platform/settings_store.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
#include "system/program_settings.h"

namespace ornix::test {

// Points the user's configuration and data folders (XDG_CONFIG_HOME, XDG_DATA_HOME)
// into a folder while it lives. Declare it before anything that reads settings
// or writes the file association, so they find it from the start.
class XdgHomes {
 public:
  explicit XdgHomes(const TempDir& dir) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((dir.path / "config").string()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((dir.path / "data").string()));
  }
  ~XdgHomes() {
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
  }
  XdgHomes(const XdgHomes&) = delete;
  XdgHomes& operator=(const XdgHomes&) = delete;
};

// The program's settings and file association, kept in configuration and
// data folders of the test's own, with a scripted Ui.
struct SettingsHome {
  TempDir dir;
  FakeUi ui;
  IniSettingsStore store{(dir.path / "config").string()};
  FreedesktopAssociation association{(dir.path / "data").string(), (dir.path / "config").string()};
  ProgramSettings settings{store, association, ui, "Quillmere", "Ornix"};
};

}  // namespace ornix::test
