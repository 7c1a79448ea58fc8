#include "map_chooser_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ornix {

MapChooserDialog::MapChooserDialog(const std::vector<MapChoice>& choices, QWidget* owner)
    : QDialog(owner), list(new QTreeWidget(this)) {
  setObjectName("mapChooserDialog");
  setWindowTitle("Choose a Map");
  setAccessibleName(windowTitle());
  auto* prompt = new QLabel("The page holds these image maps. Which one would you like to edit?", this);
  list->setObjectName("mapList");
  list->setAccessibleName("Maps of the page");
  list->setHeaderLabels({"Map", "Picture", "Areas", "Line"});
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  list->header()->setStretchLastSection(false);
  for (const MapChoice& each : choices) {
    auto* row = new QTreeWidgetItem(list, {each.name, each.picture.isEmpty() ? "(no picture uses it)" : each.picture,
                                           QString::number(each.areas), QString::number(each.line)});
    row->setTextAlignment(2, Qt::AlignRight);
    row->setTextAlignment(3, Qt::AlignRight);
  }
  list->setCurrentItem(list->topLevelItem(0));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText("Import");
  buttons->button(QDialogButtonBox::Ok)->setObjectName("importButton");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
  auto* column = new QVBoxLayout(this);
  column->addWidget(prompt);
  column->addWidget(list);
  column->addWidget(buttons);
  resize(560, 300);
  connect(buttons, &QDialogButtonBox::accepted, this, &MapChooserDialog::choose);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list, &QTreeWidget::itemActivated, this, &MapChooserDialog::choose);
  list->setFocus();
}

void MapChooserDialog::choose() {
  const int row = list->indexOfTopLevelItem(list->currentItem());
  if (row >= 0) choice = row;
  accept();
}

}  // namespace ornix
