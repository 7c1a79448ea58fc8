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

void setTitle(QDialog& dialog, QLabel& titleLine, const std::string& title) {
  setLabelText(titleLine, title);
  nameAfterTitleLine(dialog, titleLine);
}

}  // namespace

MessageDialog::MessageDialog(QWidget* owner) : GradientDialog(owner, 8280, 5445, QColor(0, 0, 255)) {
  titleLabel = addLabel("titleLabel", {270, 255, 5325, 810}, {yellow, 27.75, false, true});
  titleLabel->setText("We have a problem...");
  bodyLabel = addLabel("bodyLabel", {1005, 1215, 6165, 2610}, {Qt::white, 12, true});
  adviceLabel = addLabel("adviceLabel", {870, 3945, 5865, 1275}, {yellow, 12, true});
  QPushButton* ok = addButton("okButton", "OK", {7365, 4875, 705, 450});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  nameAfterTitleLine(*this, *titleLabel);
}

NoteDialog::NoteDialog(QWidget* owner) : GradientDialog(owner, 6420, 1875, QColor(187, 0, 187)) {
  titleLabel = addLabel("titleLabel", {330, 150, 5805, 570}, {lightGrey, 26.25, false, false, Qt::AlignCenter});
  bodyLabel = addLabel("bodyLabel", {90, 1110, 5235, 705}, {lightGrey, 12, true, false, Qt::AlignCenter});
  QPushButton* ok = addButton("okButton", "OK", {5655, 1395, 705, 450});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void NoteDialog::showEvent(QShowEvent* event) {
  GradientDialog::showEvent(event);
  findChild<QPushButton*>("okButton")->setFocus();
}

QuestionDialog::QuestionDialog(QWidget* owner) : GradientDialog(owner, 6330, 3735, QColor(255, 0, 0)) {
  titleLabel = addLabel("titleLabel", {90, 210, 5880, 810}, {yellow, 27.75, false, true});
  situationLabel = addLabel("situationLabel", {195, 1080, 5940, 1095},
                            {yellow, 9.75, false, false, Qt::AlignHCenter | Qt::AlignTop});
  questionLabel = addLabel("questionLabel", {405, 2325, 3900, 1155}, {Qt::white, 12, true});
  QPushButton* yesButton = addButton("yesButton", "YES", {4605, 3240, 825, 450});
  QPushButton* noButton = addButton("noButton", "NO", {5565, 3240, 705, 450});
  yesButton->setDefault(true);
  connect(yesButton, &QPushButton::clicked, this, [this] {
    yes = true;
    accept();
  });
  connect(noButton, &QPushButton::clicked, this, &QDialog::reject);
}

void QuestionDialog::showEvent(QShowEvent* event) {
  GradientDialog::showEvent(event);
  findChild<QPushButton*>("yesButton")->setFocus();
}

void showMessage(Ui& ui, QWidget* owner, const std::optional<std::string>& title, const std::string& body,
                 const std::string& advice) {
  MessageDialog dialog(owner);
  if (title) setTitle(dialog, *dialog.titleLabel, *title);
  setLabelText(*dialog.bodyLabel, body);
  setLabelText(*dialog.adviceLabel, advice);
  ui.showModal(dialog);
}

void showNote(Ui& ui, QWidget* owner, const std::string& title, const std::string& body) {
  NoteDialog dialog(owner);
  setTitle(dialog, *dialog.titleLabel, title);
  setLabelText(*dialog.bodyLabel, body);
  ui.showModal(dialog);
}

bool ask(Ui& ui, QWidget* owner, const std::string& title, const std::string& situation, const std::string& question) {
  QuestionDialog dialog(owner);
  setTitle(dialog, *dialog.titleLabel, title);
  setLabelText(*dialog.situationLabel, situation);
  setLabelText(*dialog.questionLabel, question);
  ui.showModal(dialog);
  return dialog.answeredYes();
}

}  // namespace ornix
