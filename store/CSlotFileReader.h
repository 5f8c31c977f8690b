#pragma once

#include "LibMac/Utility/CFileDescriptorStreamBuf.h"
#include "LibMac/Utility/CFolderFileOpener.h"
#include "store/SOpenResult.h"

#include <istream>
#include <string>

namespace Bris {

class CPatch;
class CTone;

// Reads the slot files of one list while a project is read, and says which file failed and why.
// One stream serves every file of the list: setting up a stream costs more than reading the few
// bytes a reader needs, and its buffer reads straight from a file descriptor. Files are opened
// relative to their folder, which the kernel then looks up once per list instead of once per file.
class CSlotFileReader {
public:
  // failure receives the reason of the first refused file; it is left alone on success.
  explicit CSlotFileReader(SOpenResult& failure);

  // Read the head of a patch or tone file into record (path "/"-separated, before the path
  // delimiter is applied). False when it cannot be opened, read or closed, is too short or has
  // the wrong signature.
  bool ReadPatch(const std::string& path, CPatch& patch);
  bool ReadTone(const std::string& path, CTone& tone);
  // True when the file opens for reading (wave files are only checked, never read).
  bool CanOpen(const std::string& path);

private:
  template <class TRecord, class TReader>
  bool Read(const std::string& path, TRecord& record, const TReader& reader);
  // The path as the system takes it: the path itself with "/" as the delimiter, so that no file
  // costs a copy of its path.
  const std::string& SystemPathOf(const std::string& path);
  bool Fail(EOpenFailure failure, const std::string& path, int systemErrorNumber);

  SOpenResult& mFailure;
  CFolderFileOpener mOpener;
  CFileDescriptorStreamBuf mBuffer;
  std::istream mFile{&mBuffer};
  std::string mSystemPath;
};

} // namespace Bris
