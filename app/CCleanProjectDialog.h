#pragma once

#include "domain/CDomain.h"

#include <QDialog>

#include <array>

class CCommander;
class QCheckBox;

// Asks how far Clean Project goes: four check boxes 'Wave' (keep unused imported waves), 'Tone'
// (keep unused tones), 'Tnum' (keep tone numbers) and 'Pnum' (keep patch numbers), in the order
// of the domain's clean options.
class CCleanProjectDialog : public QDialog {
  Q_OBJECT

public:
  using Options = std::array<int, Bris::CDomain::kCleanOptionCount>;

  explicit CCleanProjectDialog(const Options& options, QWidget* parent = nullptr);

  // 1 for a box that is on, else 0.
  Options GetOptions() const;
  QCheckBox* GetCheckBox(int option) const;

  // Shows the dialog with options; on OK options become the chosen ones and the result is true.
  static bool AskOptions(CCommander* commander, Options& options);

private:
  std::array<QCheckBox*, Bris::CDomain::kCleanOptionCount> mBoxes{};
};
