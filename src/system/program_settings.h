#pragma once

#include <string>

namespace ornix {

class FileAssociation;
class SettingsStore;
class Ui;

// The program's settings under its own key "Software\<company>\<product>",
// kept as the Windows registry keeps them: each text with a terminating zero,
// read back through a receive buffer of 255 bytes, so the longest text that
// reads back is 254 characters. It also writes and clears the association
// that makes the desktop open map files with the program.
class ProgramSettings {
 public:
  ProgramSettings(SettingsStore& store, FileAssociation& association, Ui& ui, std::string company, std::string product);

  // The program's key, then "\" and the subkey when there is one.
  std::string keyPath(const std::string& subkey) const;
  // The default value of a key below the program's; "" when missing or too long.
  std::string readSetting(const std::string& subkey) const;
  // Stores a text as the default value of a key below the program's.
  bool storeSetting(const std::string& subkey, const std::string& text);
  // Makes the desktop open map files with the program at `programPath`;
  // written at every start, so a moved program is put right. A part that
  // cannot be written is skipped without a message; the next part is still
  // written, and the next start tries again.
  void writeFileAssociation(const std::string& programPath);
  // Takes away what writeFileAssociation wrote; true when its last part was
  // there and is gone.
  bool clearFileAssociation();

 private:
  SettingsStore& store;
  FileAssociation& association;
  Ui& ui;
  std::string company;
  std::string product;
};

}  // namespace ornix
