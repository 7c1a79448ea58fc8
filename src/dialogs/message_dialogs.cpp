#include "message_dialogs.h"

#include "platform/ui.h"

namespace ornix {
namespace {

const QColor yellow(255, 255, 0);
const QColor lightGrey(224, 224, 224);

// The title line names the window, for the window list and assistive technology.
void nameAfterTitleLine(QDialog& dialog, const QLabel& titleLine) {
  dialog.setWindowTitle(titleLine.text());
  dialog.setAccessibleName(titleLine.text());
}

}  // namespace

frmMsg::frmMsg(QWidget* owner) : GradientDialog(owner, 8280, 5445, QColor(0, 0, 255)) {
  Label1 = addLabel("Label1", {270, 255, 5325, 810}, {yellow, 27.75, false, true});
  Label1->setText("We have a problem...");
  Label2 = addLabel("Label2", {1005, 1215, 6165, 2610}, {Qt::white, 12, true});
  Label3 = addLabel("Label3", {870, 3945, 5865, 1275}, {yellow, 12, true});
  cmdOK = addButton("cmdOK", "OK", {7365, 4875, 705, 450});
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  nameAfterTitleLine(*this, *Label1);
}

frmMsgSm::frmMsgSm(QWidget* owner) : GradientDialog(owner, 6420, 1875, QColor(187, 0, 187)) {
  Label1 = addLabel("Label1", {330, 150, 5805, 570}, {lightGrey, 26.25, false, false, Qt::AlignCenter});
  Label2 = addLabel("Label2", {90, 1110, 5235, 705}, {lightGrey, 12, true, false, Qt::AlignCenter});
  cmdOK = addButton("cmdOK", "OK", {5655, 1395, 705, 450});
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmMsgSm::showEvent(QShowEvent* event) {
  GradientDialog::showEvent(event);
  cmdOK->setFocus();
}

frmAlert::frmAlert(QWidget* owner, std::string& ownerFlag)
    : GradientDialog(owner, 6330, 3735, QColor(255, 0, 0)), ownerFlag(ownerFlag) {
  Label1 = addLabel("Label1", {90, 210, 5880, 810}, {yellow, 27.75, false, true});
  Label2 = addLabel("Label2", {195, 1080, 5940, 1095}, {yellow, 9.75, false, false, Qt::AlignHCenter | Qt::AlignTop});
  Label3 = addLabel("Label3", {405, 2325, 3900, 1155}, {Qt::white, 12, true});
  cmdYes = addButton("cmdYes", "YES", {4605, 3240, 825, 450});
  cmdNo = addButton("cmdNo", "NO", {5565, 3240, 705, 450});
  cmdYes->setDefault(true);
  connect(cmdYes, &QPushButton::clicked, this, [this] {
    this->ownerFlag = ownerFlagYes;
    accept();
  });
  // NO, like Esc, closes without an answer.
  connect(cmdNo, &QPushButton::clicked, this, &QDialog::reject);
}

void frmAlert::showEvent(QShowEvent* event) {
  GradientDialog::showEvent(event);
  cmdYes->setFocus();
}

void showMsg(Ui& ui, QWidget* owner, const std::optional<std::string>& title,
             const std::string& body, const std::string& advice) {
  frmMsg dialog(owner);
  if (title) setLabelText(*dialog.Label1, *title);
  setLabelText(*dialog.Label2, body);
  setLabelText(*dialog.Label3, advice);
  nameAfterTitleLine(dialog, *dialog.Label1);
  ui.showModal(dialog);
}

void showMsgSm(Ui& ui, QWidget* owner, const std::string& title, const std::string& body) {
  frmMsgSm dialog(owner);
  setLabelText(*dialog.Label1, title);
  setLabelText(*dialog.Label2, body);
  nameAfterTitleLine(dialog, *dialog.Label1);
  ui.showModal(dialog);
}

bool askAlert(Ui& ui, QWidget* owner, std::string& ownerFlag, const std::string& title,
              const std::string& situation, const std::string& question) {
  frmAlert dialog(owner, ownerFlag);
  setLabelText(*dialog.Label1, title);
  setLabelText(*dialog.Label2, situation);
  setLabelText(*dialog.Label3, question);
  nameAfterTitleLine(dialog, *dialog.Label1);
  ui.showModal(dialog);
  if (ownerFlag != ownerFlagYes) return false;
  ownerFlag.clear();
  return true;
}

}  // namespace ornix
