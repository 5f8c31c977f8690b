#pragma once

#include <QWidget>

class QComboBox;
class QToolButton;

// The bar above a chooser's file list: the Enclosing Folder button ('Up') and the pop-up of the
// shown folder and its enclosing folders up to the root ('Where'). Choosing either asks for a
// new location through LocationChosen; the chooser then shows it and calls SetLocation.
class CFolderBar : public QWidget {
  Q_OBJECT

public:
  explicit CFolderBar(QWidget* parent = nullptr);

  void SetLocation(const QString& folder);
  QComboBox* GetLocationPopup() const { return mLocationPopup; }
  QToolButton* GetUpButton() const { return mUpButton; }

signals:
  void LocationChosen(const QString& folder);

private:
  QString mLocation;
  QToolButton* mUpButton;
  QComboBox* mLocationPopup;
};
