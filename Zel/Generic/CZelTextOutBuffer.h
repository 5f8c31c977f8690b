#pragma once

#include "Zel/Generic/CZelTextOut.h"

#include <string>

// An output channel that keeps the last error code and the last text written to it.
class CZelTextOutBuffer : public CZelTextOut {
public:
  using CZelTextOut::Write;

  void Write(int code) override;

  int GetLastCode() const { return mLastCode; }
  const std::string& GetLastText() const { return mLastText; }

protected:
  void DoWrite(const std::string& text) override;

private:
  int mLastCode = 0;
  std::string mLastText;
};
