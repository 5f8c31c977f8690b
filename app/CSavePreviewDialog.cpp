#include "app/CSavePreviewDialog.h"

#include "framework/DialogText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kListWidth = 420;
constexpr int kListHeight = 160;

} // namespace

CSavePreviewDialog::CSavePreviewDialog(const Bris::CWritePlanSummary& summary,
                                       const QString& projectName, EMode mode, bool showBeforeSaves,
                                       QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("SavePreview"));
  setWindowTitle(tr("Save Preview"));
  auto* layout = new QVBoxLayout(this);
  auto* heading =
      new QLabel(mode == EMode::kBeforeSave
                     ? tr("Saving \u201C%1\u201D will change these files:").arg(projectName)
                     : tr("Saving \u201C%1\u201D now would change these files:").arg(projectName),
                 this);
  heading->setTextFormat(Qt::PlainText);
  layout->addWidget(heading);
  AddCounts(summary);
  AddTrashedList(summary);
  mShowBeforeSaves = new QCheckBox(tr("Show this preview before saves that remove files"), this);
  mShowBeforeSaves->setObjectName(QStringLiteral("ShowPreview"));
  mShowBeforeSaves->setChecked(showBeforeSaves);
  layout->addWidget(mShowBeforeSaves);
  AddButtons(mode);
}

void CSavePreviewDialog::AddCounts(const Bris::CWritePlanSummary& summary) {
  auto* form = new QFormLayout;
  const struct {
    const char* id;
    QString text;
    std::size_t count;
  } rows[] = {
      {"Written", tr("Files rewritten in place:"), summary.GetWrittenCount()},
      {"Moved", tr("Files moved to a new slot:"), summary.GetMovedCount()},
      {"Renamed", tr("Files renamed:"), summary.GetRenamedCount()},
      {"Sheltered", tr("Copies kept for other open projects:"), summary.GetShelteredCount()},
      {"TrashCount", tr("Files moved to the Trash:"), summary.GetTrashedFiles().size()},
  };
  for (const auto& row : rows) {
    auto* value = new QLabel(QString::number(row.count), this);
    value->setObjectName(QLatin1String(row.id));
    form->addRow(row.text, value);
  }
  static_cast<QVBoxLayout*>(layout())->addLayout(form);
}

void CSavePreviewDialog::AddTrashedList(const Bris::CWritePlanSummary& summary) {
  if (summary.GetTrashedFiles().empty()) {
    auto* none = new QLabel(tr("No file leaves the project."), this);
    none->setObjectName(QStringLiteral("NothingTrashed"));
    layout()->addWidget(none);
    return;
  }
  mTrashed = new QTreeWidget(this);
  mTrashed->setObjectName(QStringLiteral("Trashed"));
  mTrashed->setRootIsDecorated(false);
  mTrashed->setHeaderLabels({tr("Kind"), tr("Slot"), tr("Name")});
  mTrashed->setMinimumSize(kListWidth, kListHeight);
  for (const auto& file : summary.GetTrashedFiles()) {
    const QString slot = file.slotNumber > 0 ? QString::number(file.slotNumber) : tr("none");
    auto* item = new QTreeWidgetItem(
        mTrashed, {KindName(file.kind), slot, DialogText::FromSystemEncoding(file.name)});
    item->setToolTip(2, DialogText::FromSystemEncoding(file.path));
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
  }
  mTrashed->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  mTrashed->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  layout()->addWidget(mTrashed);
}

void CSavePreviewDialog::AddButtons(EMode mode) {
  auto* buttons = new QDialogButtonBox(this);
  if (mode == EMode::kBeforeSave) {
    QPushButton* save = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("Save"));
    save->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
  } else {
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Close"));
  }
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout()->addWidget(buttons);
}

bool CSavePreviewDialog::IsShowBeforeSavesChecked() const {
  return mShowBeforeSaves->isChecked();
}

QString CSavePreviewDialog::KindName(int kind) {
  switch (kind) {
  case 0:
    return tr("Patch");
  case 1:
    return tr("Tone");
  case 2:
    return tr("Wave");
  default:
    return tr("Other");
  }
}
