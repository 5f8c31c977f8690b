#pragma once

class CCommander;
class QWidget;

// The window a dialog opened for a commander belongs to: the commander's own window when it is a
// widget, else the active window.
class UDialogParent {
public:
  static QWidget* ParentFor(CCommander* commander);
};
