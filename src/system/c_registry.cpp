#include "c_registry.h"

#include "platform/file_association.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace ornix {
namespace {

constexpr std::size_t receiveBuffer = 255;  // bytes, the terminating zero included

}  // namespace

cRegistry::cRegistry(SettingsStore& store, FileAssociation& association, Ui& ui, std::string company,
                     std::string product)
    : store(store), association(association), ui(ui), m_Company(std::move(company)),
      m_Product(std::move(product)) {}

std::string cRegistry::keyPath(const std::string& subkey) const {
  std::string path = "Software\\" + m_Company + "\\" + m_Product;
  if (!subkey.empty()) path += "\\" + subkey;
  return path;
}

std::string cRegistry::getRegString(const std::string& subSection, const std::string&) const {
  const std::optional<std::string> data = store.defaultValue(keyPath(subSection));
  if (!data || data->size() > receiveBuffer) return {};
  if (data->empty()) {  // not even the terminating zero: the text cannot be taken apart
    ui.messageBox({"ERROR", "Error retrieving a registry value", MessageIcon::none, MessageButtons::ok});
    return {};
  }
  return data->substr(0, data->size() - 1);
}

bool cRegistry::enterRegString(const std::string& rSubKey, const std::string& rItem, const std::string&) {
  return store.setDefaultValue(keyPath(rSubKey), rItem + '\0');
}

bool cRegistry::delRegKey(const std::string& section, const std::string& mKey) {
  if (!mKey.empty()) return store.removeValue(keyPath(section), mKey);
  return store.removeKey(keyPath(section));
}

// A part that cannot be written is skipped without a message; the next part
// is still written, and the next start tries again.
void cRegistry::setFileAssociation(const std::string& programPath) { association.write(programPath); }

bool cRegistry::clearFileAssociation() { return association.remove(); }

}  // namespace ornix
