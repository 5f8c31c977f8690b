#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace BrisTest {

// A binary stream over the bytes, for the readers and writers that take a stream.
inline std::stringstream StreamOf(const std::vector<unsigned char>& bytes) {
  return std::stringstream(std::string(bytes.begin(), bytes.end()),
                           std::ios::in | std::ios::out | std::ios::binary);
}

} // namespace BrisTest
