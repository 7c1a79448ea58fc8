#pragma once

#include <optional>
#include <string>

#include "gradient_dialog.h"

namespace ornix {

class Ui;

// The large information dialog: a title line, a body, an advice line and OK. Blue.
class MessageDialog final : public GradientDialog {
 public:
  explicit MessageDialog(QWidget* owner);
  QLabel* titleLabel;
  QLabel* bodyLabel;
  QLabel* adviceLabel;
};

// The small information dialog: a title line, one body line and OK. Purple.
class NoteDialog final : public GradientDialog {
 public:
  explicit NoteDialog(QWidget* owner);
  QLabel* titleLabel;
  QLabel* bodyLabel;

 protected:
  void showEvent(QShowEvent* event) override;
};

// A yes/no question: a title line, the situation, the question, YES and NO.
// Red. NO, Esc and closing it any other way answer no.
class QuestionDialog final : public GradientDialog {
 public:
  explicit QuestionDialog(QWidget* owner);
  bool answeredYes() const { return yes; }
  QLabel* titleLabel;
  QLabel* situationLabel;
  QLabel* questionLabel;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  bool yes = false;
};

// Shows a MessageDialog modally over `owner`; without a title of its own it
// keeps "We have a problem..." as its title line.
void showMessage(Ui& ui, QWidget* owner, const std::optional<std::string>& title, const std::string& body,
                 const std::string& advice);
void showNote(Ui& ui, QWidget* owner, const std::string& title, const std::string& body);
// Asks a QuestionDialog; true for yes.
bool ask(Ui& ui, QWidget* owner, const std::string& title, const std::string& situation, const std::string& question);

}  // namespace ornix
