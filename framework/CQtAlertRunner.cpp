#include "framework/CQtAlertRunner.h"

#include "framework/StArrowCursor.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon IconOf(SAlertRequest::EKind kind) {
  switch (kind) {
  case SAlertRequest::kNote:
    return QMessageBox::Information;
  case SAlertRequest::kCaution:
    return QMessageBox::Warning;
  case SAlertRequest::kStop:
    return QMessageBox::Critical;
  case SAlertRequest::kPlain:
    break;
  }
  return QMessageBox::NoIcon;
}

// An empty title stands for the platform's own button of that role.
QAbstractButton* AddButton(QMessageBox& box, const std::string& title,
                           QMessageBox::StandardButton standard, QMessageBox::ButtonRole role) {
  if (title.empty()) {
    return box.addButton(standard);
  }
  return box.addButton(QString::fromStdString(title), role);
}

// Save, Cancel and Don't Save in the roles the platform orders and colours them by; each with a
// mnemonic, so Alt+S, Alt+C and Alt+D answer from the keyboard.
void AddSaveChangesButtons(QMessageBox& box, QAbstractButton* (&buttons)[3]) {
  buttons[0] = box.addButton(QMessageBox::tr("&Save"), QMessageBox::AcceptRole);
  buttons[1] = box.addButton(QMessageBox::tr("&Cancel"), QMessageBox::RejectRole);
  buttons[2] = box.addButton(QMessageBox::tr("&Don't Save"), QMessageBox::DestructiveRole);
}

} // namespace

int CQtAlertRunner::Run(const SAlertRequest& request) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(QApplication::applicationDisplayName());
  box.setIcon(IconOf(request.kind));
  box.setTextFormat(Qt::PlainText);
  box.setText(QString::fromStdString(request.message));
  box.setWindowModality(Qt::ApplicationModal);

  QAbstractButton* buttons[3] = {};
  if (request.buttons == SAlertRequest::kSaveChanges) {
    AddSaveChangesButtons(box, buttons);
  } else {
    buttons[0] = AddButton(box, request.defaultButton, QMessageBox::Ok, QMessageBox::AcceptRole);
    if (request.buttonCount >= 2) {
      buttons[1] =
          AddButton(box, request.cancelButton, QMessageBox::Cancel, QMessageBox::RejectRole);
    }
    if (request.buttonCount >= 3) {
      buttons[2] = AddButton(box, request.otherButton, QMessageBox::No, QMessageBox::NoRole);
    }
  }
  const int defaultIndex = request.defaultItem - SAlertRequest::kItemDefault;
  QAbstractButton* defaultButton =
      defaultIndex >= 0 && defaultIndex < 3 && buttons[defaultIndex] != nullptr
          ? buttons[defaultIndex]
          : buttons[0];
  if (auto* pushButton = qobject_cast<QPushButton*>(defaultButton)) {
    box.setDefaultButton(pushButton);
  }
  box.setEscapeButton(buttons[1] != nullptr ? buttons[1] : buttons[0]);

  StArrowCursor arrow;
  ExecMessageBox(box);
  QAbstractButton* clicked = box.clickedButton();
  for (int item = 0; item < 3; ++item) {
    if (clicked != nullptr && clicked == buttons[item]) {
      return item + SAlertRequest::kItemDefault;
    }
  }
  return 0; // closed without a button: the caller treats it as a failed alert (Cancel)
}

void CQtAlertRunner::ExecMessageBox(QMessageBox& box) {
  box.exec();
}
