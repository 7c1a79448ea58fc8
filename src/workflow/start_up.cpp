#include "start_up.h"

#include <QFile>
#include <exception>
#include <new>
#include <system_error>

#include "editor/editor_window.h"
#include "opening.h"
#include "platform/single_instance.h"
#include "platform/ui.h"
#include "shutdown.h"
#include "system/program_settings.h"

namespace ornix {
namespace {

// A path wrapped in one pair of double quotes, as a shell or a desktop passes
// a path with blanks, names the path inside them.
std::string withoutQuotes(const std::string& text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

// The error's number: the system's error code where there is one.
int errorNumber(const std::exception& error) {
  if (const auto* system = dynamic_cast<const std::system_error*>(&error)) return system->code().value();
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return ENOMEM;
  return 0;
}

void reportStartError(Ui& ui, const std::exception& error) {
  ui.messageBox({"Ornix Error",
                 "There has been an error in Ornix. Please notify the author.\r\n\r\n" +
                     std::to_string(errorNumber(error)) + ": " + error.what(),
                 MessageIcon::none, MessageButtons::ok});
}

bool startEditor(const StartServices& services, const std::string& commandLine) {
  if (!services.instance.claim()) {
    services.ui.messageBox({"ALREADY OPEN", "Ornix is already in use...", MessageIcon::exclamation});
    return false;
  }
  services.settings.writeFileAssociation(services.programPath);
  const std::string path = withoutQuotes(commandLine);
  if (path.empty()) {
    services.window.show();
    return true;
  }
  if (!checkFileType(services.window, services.ui, path)) return false;
  services.window.show();
  openFile(services.window, services.ui, path);
  return true;
}

}  // namespace

std::string commandLineText(const QStringList& arguments) {
  return QFile::encodeName(arguments.mid(1).join(' ')).toStdString();
}

bool startProgram(const StartServices& services, const std::string& commandLine) {
  try {
    return startEditor(services, commandLine);
  } catch (const std::exception& error) {
    reportStartError(services.ui, error);
    // Runs on only when the user keeps the window to save what it holds.
    return !quitProgram(services.window);
  }
}

}  // namespace ornix
