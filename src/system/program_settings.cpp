#include "program_settings.h"

#include "platform/file_association.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace ornix {
namespace {

constexpr std::size_t receiveBuffer = 255;  // bytes, the terminating zero included

}  // namespace

ProgramSettings::ProgramSettings(SettingsStore& store, FileAssociation& association, Ui& ui, std::string company,
                                 std::string product)
    : store(store), association(association), ui(ui), company(std::move(company)), product(std::move(product)) {}

std::string ProgramSettings::keyPath(const std::string& subkey) const {
  std::string path = "Software\\" + company + "\\" + product;
  if (!subkey.empty()) path += "\\" + subkey;
  return path;
}

std::string ProgramSettings::readSetting(const std::string& subkey) const {
  const std::optional<std::string> data = store.defaultValue(keyPath(subkey));
  if (!data || data->size() > receiveBuffer) return {};
  if (data->empty()) {  // not even the terminating zero: the text cannot be taken apart
    ui.messageBox({"ERROR", "Error retrieving a registry value", MessageIcon::none, MessageButtons::ok});
    return {};
  }
  return data->substr(0, data->size() - 1);
}

bool ProgramSettings::storeSetting(const std::string& subkey, const std::string& text) {
  return store.setDefaultValue(keyPath(subkey), text + '\0');
}

void ProgramSettings::writeFileAssociation(const std::string& programPath) { association.write(programPath); }

bool ProgramSettings::clearFileAssociation() { return association.remove(); }

}  // namespace ornix
