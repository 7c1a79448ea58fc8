#pragma once

#include <string>

namespace ornix {

class FileAssociation;
class SettingsStore;
class Ui;

// The program's settings under its own key, kept as the Windows registry keeps
// them: each text with a terminating zero, read back through a receive buffer
// of 255 bytes, so the longest text that reads back is 254 characters.
class cRegistry {
 public:
  cRegistry(SettingsStore& store, FileAssociation& association, Ui& ui, std::string company,
            std::string product);

  // "Software\Quillmere\Ornix", then "\" and the subkey when there is one.
  std::string keyPath(const std::string& subkey) const;
  // The default value of a key below the program's; "" when missing or too long.
  // The value name is accepted and plays no part.
  std::string getRegString(const std::string& subSection, const std::string& mKey = {}) const;
  // Stores a text as the default value of a key below the program's.
  bool enterRegString(const std::string& rSubKey, const std::string& rItem, const std::string& mKey = {});
  // With a value name, removes that value of the key; without, removes the key.
  bool delRegKey(const std::string& section, const std::string& mKey = {});
  // Makes the desktop open map files with the program at `programPath`;
  // written at every start, so a moved program is put right.
  void setFileAssociation(const std::string& programPath);
  // Takes away what setFileAssociation wrote; true when its last part was
  // there and is gone.
  bool clearFileAssociation();

 private:
  SettingsStore& store;
  FileAssociation& association;
  Ui& ui;
  std::string m_Company;
  std::string m_Product;
};

}  // namespace ornix
