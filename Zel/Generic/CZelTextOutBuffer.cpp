#include "Zel/Generic/CZelTextOutBuffer.h"

void CZelTextOutBuffer::Write(int code) {
  mLastCode = code;
}

void CZelTextOutBuffer::DoWrite(const std::string& text) {
  mLastText = text;
}
