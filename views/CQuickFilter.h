#pragma once

#include <QLineEdit>

#include <string>
#include <vector>

class CBaseTableView;

// The field above a project window's lists: as the user types, each list shows only the used
// slots whose name or memo lines hold every typed word (the rows keep their slot numbers).
// Selected rows that the filter hides are unselected, so that a command never acts on a slot
// out of sight; clearing the field shows every row again and gives back the selection and
// scroll position from before, unless the user chose other rows meanwhile.
class CQuickFilter : public QLineEdit {
  Q_OBJECT

public:
  explicit CQuickFilter(QWidget* parent = nullptr);

  void SetTables(std::vector<CBaseTableView*> tables);
  // Filters the lists by text (empty text clears the filter).
  void Apply(const std::string& text);
  // Empties the field and shows every row.
  void Clear() { setText(QString()); }
  bool IsActive() const { return mActive; }

protected:
  void keyPressEvent(QKeyEvent* event) override;

private:
  struct SSavedState {
    std::vector<int> selectedRows; // before the filter
    std::vector<int> filteredRows; // the selection as the last filter left it
    int scrollTop = 0;
  };

  void Activate();
  void Restore();
  static std::vector<int> SelectedRows(const CBaseTableView& table);

  std::vector<CBaseTableView*> mTables;
  std::vector<SSavedState> mSaved;
  bool mActive = false;
};
