#include "app/CCleanProjectDialog.h"

#include "framework/CModalDialogRunner.h"
#include "framework/UDialogParent.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CCleanProjectDialog::CCleanProjectDialog(const Options& options, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Clean Project"));
  auto* layout = new QVBoxLayout(this);
  auto* info = new QLabel(tr("Removes references to empty entries and the tones and waves that "
                             "nothing uses, then closes the gaps in the lists. The files change "
                             "when the project is saved."),
                          this);
  info->setWordWrap(true);
  layout->addWidget(info);

  struct SBox {
    int option;
    const char* id;
    QString text;
  };
  const SBox boxes[] = {
      {Bris::CDomain::kKeepUnusedImportedWaves, "Wave", tr("Keep unused imported waves")},
      {Bris::CDomain::kKeepUnusedTones, "Tone", tr("Keep unused tones")},
      {Bris::CDomain::kKeepToneNumbers, "Tnum", tr("Keep tone numbers")},
      {Bris::CDomain::kKeepPatchNumbers, "Pnum", tr("Keep patch numbers")},
  };
  for (const SBox& box : boxes) {
    auto* check = new QCheckBox(box.text, this);
    check->setObjectName(QLatin1String(box.id));
    check->setChecked(options[static_cast<std::size_t>(box.option)] != 0);
    mBoxes[static_cast<std::size_t>(box.option)] = check;
    layout->addWidget(check);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

CCleanProjectDialog::Options CCleanProjectDialog::GetOptions() const {
  Options options{};
  for (std::size_t i = 0; i < mBoxes.size(); ++i) {
    options[i] = mBoxes[i]->isChecked() ? 1 : 0;
  }
  return options;
}

QCheckBox* CCleanProjectDialog::GetCheckBox(int option) const {
  if (option < 0 || option >= static_cast<int>(mBoxes.size())) {
    return nullptr;
  }
  return mBoxes[static_cast<std::size_t>(option)];
}

bool CCleanProjectDialog::AskOptions(CCommander* commander, Options& options) {
  CCleanProjectDialog dialog(options, UDialogParent::ParentFor(commander));
  if (CModalDialogRunner::RunModal(dialog) != CModalDialogRunner::kMessageOk) {
    return false;
  }
  options = dialog.GetOptions();
  return true;
}
