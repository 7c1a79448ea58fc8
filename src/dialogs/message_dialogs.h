#pragma once

#include <optional>
#include <string>

#include "gradient_dialog.h"

namespace ornix {

class Ui;

// The large information dialog: a title line, a body, an advice line and OK. Blue.
class frmMsg final : public GradientDialog {
 public:
  explicit frmMsg(QWidget* owner);
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* cmdOK;
};

// The small information dialog: a title line, one body line and OK. Purple.
class frmMsgSm final : public GradientDialog {
 public:
  explicit frmMsgSm(QWidget* owner);
  QLabel* Label1;
  QLabel* Label2;
  QPushButton* cmdOK;

 protected:
  void showEvent(QShowEvent* event) override;
};

// A yes/no question: a title line, the situation, the question, YES and NO. Red.
// YES sets the owner flag to "please"; NO, Esc and closing leave it alone.
class frmAlert final : public GradientDialog {
 public:
  frmAlert(QWidget* owner, std::string& ownerFlag);
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* cmdYes;
  QPushButton* cmdNo;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::string& ownerFlag;
};

// The owner flag's value for a yes.
inline constexpr const char* ownerFlagYes = "please";

// Shows frmMsg modally over `owner`. Without a title of its own it keeps
// "We have a problem..." as its title line.
void showMsg(Ui& ui, QWidget* owner, const std::optional<std::string>& title,
             const std::string& body, const std::string& advice);
void showMsgSm(Ui& ui, QWidget* owner, const std::string& title, const std::string& body);
// Asks with frmAlert; true for yes, after which the flag is empty again.
bool askAlert(Ui& ui, QWidget* owner, std::string& ownerFlag, const std::string& title,
              const std::string& situation, const std::string& question);

}  // namespace ornix
