#pragma once

#include "domain/CParameter.h"

#include <cstddef>
#include <vector>

namespace Bris {

// An owning array of slot records. Every element belongs to the array; a null element is allowed
// and skipped when records are deleted. Copies are deep: every record is cloned.
class CParameterArray {
public:
  CParameterArray() = default;
  CParameterArray(const CParameterArray& other);
  // Self-assignment keeps the records; otherwise the own records are deleted and the other's
  // cloned in order.
  CParameterArray& operator=(const CParameterArray& other);
  virtual ~CParameterArray();

  // A new default record of the array's kind; the caller owns it.
  virtual CParameter* NewParameter() const = 0;

  // Shrinking deletes the records past n; growing appends default records, never null.
  void Resize(unsigned long n);
  // Deletes the record at index and puts record (owned from now on) in its place.
  void ReplaceAt(std::size_t index, CParameter* record);

  std::size_t size() const { return mParameters.size(); }
  CParameter* operator[](std::size_t index) const { return mParameters[index]; }

  // Owning: records put in here are deleted by the array.
  std::vector<CParameter*> mParameters;

private:
  void DeleteRange(std::size_t first, std::size_t last);
  void AppendClonesOf(const CParameterArray& other);
};

} // namespace Bris
