#include "domain/CParameterArray.h"

namespace Bris {

CParameterArray::CParameterArray(const CParameterArray& other) {
  AppendClonesOf(other);
}

CParameterArray& CParameterArray::operator=(const CParameterArray& other) {
  if (this == &other) {
    return *this;
  }
  DeleteRange(0, mParameters.size());
  mParameters.clear();
  AppendClonesOf(other);
  return *this;
}

CParameterArray::~CParameterArray() {
  DeleteRange(0, mParameters.size());
}

void CParameterArray::Resize(unsigned long n) {
  const std::size_t current = mParameters.size();
  if (n < current) {
    DeleteRange(n, current);
    mParameters.resize(n);
    return;
  }
  mParameters.reserve(n);
  for (std::size_t i = current; i < n; ++i) {
    mParameters.push_back(NewParameter());
  }
}

void CParameterArray::ReplaceAt(std::size_t index, CParameter* record) {
  if (index >= mParameters.size()) {
    delete record; // the array took ownership; there is no slot to keep it in
    return;
  }
  if (mParameters[index] != record) {
    delete mParameters[index];
    mParameters[index] = record;
  }
}

void CParameterArray::DeleteRange(std::size_t first, std::size_t last) {
  for (std::size_t i = first; i < last; ++i) {
    delete mParameters[i];
    mParameters[i] = nullptr;
  }
}

void CParameterArray::AppendClonesOf(const CParameterArray& other) {
  mParameters.reserve(mParameters.size() + other.mParameters.size());
  for (const CParameter* record : other.mParameters) {
    mParameters.push_back(record != nullptr ? record->Clone() : nullptr);
  }
}

} // namespace Bris
