#include "app/UChooserParts.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

void UChooserParts::SetUpFileModel(QFileSystemModel& model, QFileIconProvider& icons,
                                   QDir::Filters filters) {
  model.setFilter(filters);
  model.setReadOnly(true);
  model.setIconProvider(&icons);
  model.setRootPath(QString());
}

void UChooserParts::SetUpBrowser(QTreeView& browser, QAbstractItemModel* model,
                                 QAbstractItemView::SelectionMode selectionMode) {
  browser.setObjectName(QStringLiteral("Browser"));
  browser.setModel(model);
  browser.setRootIsDecorated(false);
  browser.setItemsExpandable(false);
  browser.setSortingEnabled(true);
  browser.sortByColumn(0, Qt::AscendingOrder);
  browser.setSelectionMode(selectionMode);
}

void UChooserParts::SetUpPathText(QLabel& label) {
  label.setObjectName(QStringLiteral("Path"));
  label.setTextFormat(Qt::PlainText);
  label.setTextInteractionFlags(Qt::TextSelectableByMouse);
}

QPushButton* UChooserParts::AddChooseButtons(QDialog& dialog, QBoxLayout& layout,
                                             const QString& chooseLabel) {
  auto* buttons = new QDialogButtonBox(&dialog);
  QPushButton* choose = buttons->addButton(chooseLabel, QDialogButtonBox::AcceptRole);
  choose->setObjectName(QStringLiteral("Choose"));
  buttons->addButton(QDialogButtonBox::Cancel);
  layout.addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return choose;
}
