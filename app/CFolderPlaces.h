#pragma once

#include <QListWidget>

// The places beside a chooser's file list ('Places'): Home, Documents, Desktop and Computer,
// plus any folders a chooser adds (Music for the import chooser). A click asks to show the place
// through PlaceChosen. Places that do not exist are left out.
class CFolderPlaces : public QListWidget {
  Q_OBJECT

public:
  explicit CFolderPlaces(QWidget* parent = nullptr);

  // Adds a place at row (-1: after the others).
  void AddPlace(const QString& title, const QString& path, int row = -1);

signals:
  void PlaceChosen(const QString& folder);
};
