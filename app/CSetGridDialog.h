#pragma once

#include <QDialog>

class CCommander;
class QButtonGroup;
class QRadioButton;

// Turns the lists' grid lines on or off: radio button 3 of group 1 means on.
class CSetGridDialog : public QDialog {
  Q_OBJECT

public:
  static constexpr int kGridOffButton = 2;
  static constexpr int kGridOnButton = 3;

  explicit CSetGridDialog(int gridState, QWidget* parent = nullptr);

  // 1 when the grid-on button is selected, else 0.
  int GetGridState() const;
  QRadioButton* GetButton(int buttonId) const;

  // Shows the dialog with gridState; on OK gridState becomes the chosen one and the result is
  // true.
  static bool OpenDialog(CCommander* commander, int& gridState);

private:
  QButtonGroup* mGroup;
};
