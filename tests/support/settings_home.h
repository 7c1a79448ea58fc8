#pragma once

#include "platform/file_association.h"
#include "platform/settings_store.h"
#include "support/fake_ui.h"
#include "support/image_bytes.h"
#include "system/program_settings.h"

namespace ornix::test {

// The program's settings and file association, kept in configuration and
// data folders of the test's own, with a scripted Ui.
struct SettingsHome {
  TempDir dir;
  XdgHomes homes{dir};
  FakeUi ui;
  IniSettingsStore store;
  FreedesktopAssociation association;
  ProgramSettings settings{store, association, ui, "Quillmere", "Ornix"};
};

}  // namespace ornix::test
