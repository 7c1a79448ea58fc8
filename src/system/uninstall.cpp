#include "uninstall.h"

#include "platform/ui.h"
#include "program_settings.h"

namespace ornix {

void clearAssociationOnRequest(ProgramSettings& settings, Ui& ui) {
  const Message question{"One Last Check...", "Are you sure you wish to delete all Ornix registry information?",
                         MessageIcon::none, MessageButtons::yesNo};
  if (ui.messageBox(question) != Answer::yes || !settings.clearFileAssociation()) return;
  ui.messageBox({"SUCCESS",
                 "Ornix Registry Entries have been Cleared\r\n\r\n             Good luck,\r\n"
                 "                          and farewell.",
                 MessageIcon::none, MessageButtons::ok});
}

}  // namespace ornix
