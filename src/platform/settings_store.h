#pragma once

#include <optional>
#include <string>

namespace ornix {

// Small settings kept between runs: keys like "Software\Quillmere\Ornix\images",
// each with one default value holding bytes exactly as stored.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The key's default value; nothing when the key or the value is not there.
  virtual std::optional<std::string> defaultValue(const std::string& key) const = 0;
  // Creates the key when needed. False when the value could not be stored.
  virtual bool setDefaultValue(const std::string& key, const std::string& bytes) = 0;
};

// The user's configuration and data folders as the system gives them
// (on Linux XDG_CONFIG_HOME, else ~/.config, and XDG_DATA_HOME, else ~/.local/share).
std::string userConfigFolder();
std::string userDataFolder();

// The store as an INI file in a configuration folder, the user's unless
// another is given: Quillmere/Ornix.ini.
class IniSettingsStore final : public SettingsStore {
 public:
  explicit IniSettingsStore(const std::string& configFolder = userConfigFolder());
  std::optional<std::string> defaultValue(const std::string& key) const override;
  bool setDefaultValue(const std::string& key, const std::string& bytes) override;

 private:
  std::string file;
};

}  // namespace ornix
