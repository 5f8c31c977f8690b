#pragma once

#include <QTableView>

class CFindHandler;

// The Find window's result list. A drag of results from open projects is their list's own row
// drag (see CFindHandler::DragResults), so it drops into project windows like any row drag.
class CFindResultView : public QTableView {
  Q_OBJECT

public:
  CFindResultView(CFindHandler& handler, QWidget* parent = nullptr);

protected:
  void startDrag(Qt::DropActions supportedActions) override;

private:
  CFindHandler& mHandler;
};
