#pragma once

#include "domain/CParameter.h"
#include "views/CHeaderView.h"

// The column header of a project window's list. Its object name says which list it heads
// ('Phdr' patch, 'Nhdr' tone, 'Whdr' wave; without one, the linked list's kind decides). It shows
// that list's column titles, and a column width the user sets is stored in the preferences
// ("General Settings", "Patch/Tone/Wave Column Width", value index = column - 1).
class CColumnHeader : public CHeaderView {
  Q_OBJECT

public:
  explicit CColumnHeader(QWidget* parent = nullptr);

  // The list kind the header belongs to; -1 when it cannot tell.
  int GetHeaderKind() const;
  // The preference name of the kind's column widths, or null.
  static const char* ColumnWidthPrefName(int kind);

  QString GetCellText(int col) const override;
  bool FinishResizing(int mouseX) override;
};
