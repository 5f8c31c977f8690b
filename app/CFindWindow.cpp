#include "app/CFindWindow.h"

#include "app/CFindHandler.h"
#include "app/CFindHighlightDelegate.h"
#include "app/CFindResultModel.h"
#include "app/CFindResultView.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CFindWindow::CFindWindow(CFindHandler& handler, QWidget* parent)
    : QWidget(parent, Qt::Window), mHandler(handler), mField(new QLineEdit(this)),
      mResults(new CFindResultView(handler, this)), mModel(new CFindResultModel(handler, this)),
      mStatus(new QLabel(this)) {
  setObjectName(QStringLiteral("Find"));
  setWindowTitle(tr("Find"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  mField->setObjectName(QStringLiteral("FindText"));
  mField->setPlaceholderText(tr("Names and memos in every project"));
  mField->setClearButtonEnabled(true);
  mResults->setModel(mModel);
  mResults->setItemDelegate(new CFindHighlightDelegate(mResults));
  QHeaderView* header = mResults->horizontalHeader();
  header->resizeSection(CFindResultModel::kProjectColumn, 140);
  header->resizeSection(CFindResultModel::kKindColumn, 60);
  header->resizeSection(CFindResultModel::kSlotColumn, 50);
  header->resizeSection(CFindResultModel::kNameColumn, 170);
  mStatus->setObjectName(QStringLiteral("FindStatus"));
  layout->addWidget(mField);
  layout->addWidget(mResults, 1);
  layout->addWidget(mStatus);
  resize(760, 420);

  connect(mField, &QLineEdit::textChanged, this,
          [this](const QString& text) { mHandler.SetText(text.toStdString()); });
  connect(mField, &QLineEdit::returnPressed, this, [this] {
    if (!mHandler.GetResults().empty()) {
      mHandler.OpenResult(0);
    }
  });
  connect(mResults, &QAbstractItemView::activated, this, &CFindWindow::OpenCurrentResult);
  connect(&mHandler, &CFindHandler::ResultsChanged, this, &CFindWindow::UpdateStatus);
  connect(&mHandler, &CFindHandler::IndexUpdated, this, &CFindWindow::UpdateStatus);
  UpdateStatus();
}

void CFindWindow::Present() {
  show();
  raise();
  activateWindow();
  mField->setFocus();
  mField->selectAll();
  mHandler.UpdateIndex();
  mHandler.Refresh();
}

bool CFindWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    // Projects may have been saved, opened or closed meanwhile; an unchanged library is
    // re-scanned cheaply on the index's thread.
    mHandler.UpdateIndex();
    mHandler.Refresh();
  } else if (event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return QWidget::event(event);
}

void CFindWindow::OpenCurrentResult() {
  const QModelIndex current = mResults->currentIndex();
  if (current.isValid()) {
    mHandler.OpenResult(static_cast<std::size_t>(current.row()));
  }
}

void CFindWindow::UpdateStatus() {
  const std::size_t count = mHandler.GetResults().size();
  QString text = mHandler.GetText().empty() ? tr("Type to search every project.")
                 : count == 1               ? tr("1 result")
                                            : tr("%1 results").arg(count);
  if (mHandler.IsBusy()) {
    text += tr(" (reading the library...)");
  }
  mStatus->setText(text);
}
