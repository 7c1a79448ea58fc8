#pragma once

#include <QColor>
#include <QDialog>
#include <QPixmap>
#include <map>

#include "help_rows.h"

class QLabel;
class QPlainTextEdit;

namespace ornix {

// "Ornix Help": the top panel explains the right button's choices, the middle
// panel the attributes dialog that the left button opens, the bottom panel
// the keys for editing and zoom. Moving the mouse
// over a row of a panel's list picture shows that row's description.
class HelpWindow final : public QDialog {
 public:
  // `keyRows` are the keys panel's rows, in order.
  HelpWindow(QWidget* editorWindow, std::vector<KeysPanelRow> keyRows);

  QColor topFrameColour() const { return topFrame; }
  QColor bottomFrameColour() const { return bottomFrame; }
  QColor keysFrameColour() const { return keysFrame; }
  // Which banner the header shows: "banner_none", "banner_right", "banner_left" or "banner_keys".
  QString bannerShown() const { return banner; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  enum class Over { window, topPanel, bottomPanel, keysPanel };

  void addPanels();
  void addTexts();
  QWidget* addPanel(const char* name, QRect geometry);
  QLabel* addPicture(QWidget* parent, const char* name, const char* picture, QSize size);
  QPlainTextEdit* addTextBox(QWidget* parent, const char* name, const char* text);
  void placeIllustrations();
  void hoverOver(Over place);
  const HelpRow& hoverList(const HelpList& list, QPlainTextEdit* text, QPoint pixel);
  void showIllustration(HelpIllustration illustration);
  void showHeader(const char* name);

  // The attributes dialog's three up pictures, shown for its buttons' rows.
  struct ButtonPictures {
    QPixmap enter;
    QPixmap cancel;
    QPixmap remove;
  };
  ButtonPictures buttons;
  std::vector<KeysPanelRow> keysRows;
  HelpList keysHelp;
  std::map<QString, QPixmap> banners;
  QColor topFrame;
  QColor bottomFrame;
  QColor keysFrame;
  QString banner;
  QLabel* header = nullptr;
  QWidget* rightPanel = nullptr;
  QWidget* leftPanel = nullptr;
  QWidget* keysPanel = nullptr;
  QLabel* rightList = nullptr;
  QLabel* leftList = nullptr;
  QLabel* keysListPicture = nullptr;
  QPlainTextEdit* rightText = nullptr;
  QPlainTextEdit* leftText = nullptr;
  QPlainTextEdit* keysText = nullptr;
  QLabel* hrefPicture = nullptr;
  QLabel* targetPicture = nullptr;
  QLabel* buttonPicture = nullptr;
};

}  // namespace ornix
