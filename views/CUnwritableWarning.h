#pragma once

#include <cstdint>
#include <memory>

class CBaseTableView;
class CPostTaskHandler;
class ITableHost;

// The warning that a project's files cannot all be written, given once when its window becomes
// active. The patch and tone lists of a window both hear the activation; one of them warns.
class CUnwritableWarning {
public:
  explicit CUnwritableWarning(CBaseTableView& view);
  ~CUnwritableWarning();
  CUnwritableWarning(const CUnwritableWarning&) = delete;
  CUnwritableWarning& operator=(const CUnwritableWarning&) = delete;

  // Only the lists that enable it give the warning.
  void Enable();
  void HandleActivate();
  void HandleDeactivate();
  // The posted warning comes due.
  void GiveWarning();
  int GetCounter() const { return mCounter; }

private:
  bool IsProjectWritable() const;

  CBaseTableView& mView;
  bool mEnabled = false;
  int mCounter = 0;
  std::unique_ptr<CPostTaskHandler> mPostTaskHandler;

  static inline const CUnwritableWarning* sPending = nullptr;
  // The project last checked for the activation being dispatched, and the answer.
  static inline const ITableHost* sCheckedHost = nullptr;
  static inline bool sCheckedWritable = true;
};
