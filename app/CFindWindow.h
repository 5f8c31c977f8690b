#pragma once

#include <QWidget>

class CFindHandler;
class CFindResultModel;
class CFindResultView;
class QLabel;
class QLineEdit;

// The Find window: one field, and the results listed as the user types. Double-click or Return
// on a result (Return in the field takes the first) shows its slot in its project's window.
class CFindWindow : public QWidget {
  Q_OBJECT

public:
  explicit CFindWindow(CFindHandler& handler, QWidget* parent = nullptr);

  QLineEdit* GetField() const { return mField; }
  CFindResultView* GetResultView() const { return mResults; }
  // Shows the window with its field focused and its text selected, and brings the index and
  // the results up to date.
  void Present();

protected:
  bool event(QEvent* event) override;

private:
  void OpenCurrentResult();
  void UpdateStatus();

  CFindHandler& mHandler;
  QLineEdit* mField;
  CFindResultView* mResults;
  CFindResultModel* mModel;
  QLabel* mStatus;
};
