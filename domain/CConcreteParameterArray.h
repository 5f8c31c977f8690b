#pragma once

#include "domain/CParameterArray.h"

#include <cstddef>

namespace Bris {

// The array of one record kind (CPatch, CTone or CWave). It only ever holds records of type T.
template <class T> class CConcreteParameterArray : public CParameterArray {
public:
  CConcreteParameterArray() = default;
  CConcreteParameterArray(const CConcreteParameterArray& other) = default;
  CConcreteParameterArray& operator=(const CConcreteParameterArray& other) = default;
  ~CConcreteParameterArray() override = default;

  CParameter* NewParameter() const override { return new T; }

  T* Get(std::size_t index) const { return static_cast<T*>(mParameters[index]); }
};

} // namespace Bris
