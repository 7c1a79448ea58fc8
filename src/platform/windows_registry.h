#pragma once

// The registry behind the settings store and the file association, on Windows.
#ifdef _WIN32

#include "file_association.h"
#include "settings_store.h"

namespace ornix {

// Keys under HKEY_CURRENT_USER; a key's default value is its unnamed value.
class RegistrySettingsStore final : public SettingsStore {
 public:
  std::optional<std::string> defaultValue(const std::string& key) const override;
  bool setDefaultValue(const std::string& key, const std::string& bytes) override;
};

// ".ornx" -> "Ornix" -> shell\open\command, in the current user's classes.
class RegistryAssociation final : public FileAssociation {
 public:
  bool write(const std::string& programPath) override;
  bool remove() override;
};

}  // namespace ornix

#endif
