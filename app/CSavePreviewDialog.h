#pragma once

#include "store/CWritePlanSummary.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QTreeWidget;

// Shows what a save will do to the files: how many are written, moved, renamed and sheltered,
// and which files go to the Trash, by kind, slot and name. Before a save it offers Save (OK) and
// Cancel; as a preview only, Close. Its check box says whether saves that remove files show it.
class CSavePreviewDialog : public QDialog {
  Q_OBJECT

public:
  enum class EMode { kBeforeSave, kPreviewOnly };

  CSavePreviewDialog(const Bris::CWritePlanSummary& summary, const QString& projectName, EMode mode,
                     bool showBeforeSaves, QWidget* parent = nullptr);

  bool IsShowBeforeSavesChecked() const;
  QCheckBox* GetShowBeforeSavesBox() const { return mShowBeforeSaves; }
  QTreeWidget* GetTrashedList() const { return mTrashed; }

  static QString KindName(int kind);

private:
  void AddCounts(const Bris::CWritePlanSummary& summary);
  void AddTrashedList(const Bris::CWritePlanSummary& summary);
  void AddButtons(EMode mode);

  QCheckBox* mShowBeforeSaves = nullptr;
  QTreeWidget* mTrashed = nullptr;
};
