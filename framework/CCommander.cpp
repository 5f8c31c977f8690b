#include "framework/CCommander.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

CCommander::CCommander(CCommander* superCommander) {
  SetSuperCommander(superCommander);
}

CCommander::~CCommander() {
  SetSuperCommander(nullptr);
  for (CCommander* sub : mSubCommanders) {
    sub->mSuperCommander = nullptr;
  }
  if (sTopCommander == this) {
    sTopCommander = nullptr;
  }
}

void CCommander::SetSuperCommander(CCommander* superCommander) {
  if (mSuperCommander != nullptr) {
    auto& siblings = mSuperCommander->mSubCommanders;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  mSuperCommander = superCommander;
  if (mSuperCommander != nullptr) {
    mSuperCommander->mSubCommanders.push_back(this);
  }
}

CCommander* CCommander::NextCommander() const {
  if (mSuperCommander != nullptr) {
    return mSuperCommander;
  }
  return sTopCommander != this ? sTopCommander : nullptr;
}

bool CCommander::ObeyCommand(CommandT command, void* param) {
  CCommander* next = NextCommander();
  return next != nullptr && next->ObeyCommand(command, param);
}

void CCommander::FindCommandStatus(CommandT command, SCommandStatus& status) {
  if (CCommander* next = NextCommander()) {
    next->FindCommandStatus(command, status);
    return;
  }
  status = SCommandStatus{};
}

namespace {

CCommander* NearestCommander(QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (auto* commander = dynamic_cast<CCommander*>(widget)) {
      return commander;
    }
  }
  return nullptr;
}

} // namespace

CCommander* CCommander::FindTarget() {
  if (CCommander* commander = NearestCommander(QApplication::focusWidget())) {
    return commander;
  }
  if (CCommander* commander = NearestCommander(QApplication::activeWindow())) {
    return commander;
  }
  return sTopCommander;
}

SCommandStatus CCommander::GetCommandStatus(CommandT command) {
  SCommandStatus status;
  if (CCommander* target = FindTarget()) {
    target->FindCommandStatus(command, status);
  }
  return status;
}

bool CCommander::ProcessCommand(CommandT command, void* param) {
  CCommander* target = FindTarget();
  if (target == nullptr) {
    return false;
  }
  SCommandStatus status;
  target->FindCommandStatus(command, status);
  return status.enabled && target->ObeyCommand(command, param);
}
