#include "store/CSlotFileReader.h"

#include "LibMac/Utility/StFileDescriptor.h"
#include "domain/CDomain.h"
#include "formats/CPatchSvdManager.h"
#include "formats/CToneSvdManager.h"
#include "store/CZelFileDocument.h"

#include <cerrno>
#include <system_error>

namespace Bris {

namespace {

EOpenFailure OpenFailureOf(ESvdReadFailure reason) {
  switch (reason) {
  case ESvdReadFailure::kTooShort:
    return EOpenFailure::kFileTooShort;
  case ESvdReadFailure::kWrongSignature:
    return EOpenFailure::kWrongSignature;
  case ESvdReadFailure::kNone:
    break;
  }
  return EOpenFailure::kUnreadableFile;
}

bool ReadHead(const CPatchSvdManager& reader, std::istream& file, CPatch& patch,
              ESvdReadFailure& reason) {
  return reader.ReadPatchFile(file, patch, &reason);
}

bool ReadHead(const CToneSvdManager& reader, std::istream& file, CTone& tone,
              ESvdReadFailure& reason) {
  return reader.ReadToneFile(file, tone, &reason);
}

} // namespace

CSlotFileReader::CSlotFileReader(SOpenResult& failure) : mFailure(failure) {}

bool CSlotFileReader::ReadPatch(const std::string& path, CPatch& patch) {
  return Read(path, patch, CPatchSvdManager());
}

bool CSlotFileReader::ReadTone(const std::string& path, CTone& tone) {
  return Read(path, tone, CToneSvdManager());
}

template <class TRecord, class TReader>
bool CSlotFileReader::Read(const std::string& path, TRecord& record, const TReader& reader) {
  if (!mBuffer.Attach(mOpener.OpenForReading(SystemPathOf(path)))) {
    return Fail(EOpenFailure::kUnreadableFile, path, errno);
  }
  mFile.clear();
  ESvdReadFailure reason = ESvdReadFailure::kNone;
  const bool wasRead = ReadHead(reader, mFile, record, reason);
  const int readError = mBuffer.GetReadError();
  const bool closed = mBuffer.Close();
  if (readError != 0) {
    return Fail(EOpenFailure::kUnreadableFile, path, readError);
  }
  if (!wasRead) {
    // A short or foreign file has no system error to tell.
    return Fail(OpenFailureOf(reason), path, 0);
  }
  return closed || Fail(EOpenFailure::kUnreadableFile, path, errno);
}

bool CSlotFileReader::CanOpen(const std::string& path) {
  // Nothing is read, so no stream is set up: an open and a close say all there is to say.
  const StFileDescriptor file(mOpener.OpenForReading(SystemPathOf(path)));
  return file.IsOpen() || Fail(EOpenFailure::kUnreadableFile, path, errno);
}

const std::string& CSlotFileReader::SystemPathOf(const std::string& path) {
  if (Domain().GetPathDelimiter() == "/") {
    return path;
  }
  mSystemPath = CZelFileDocument::SystemPath(path);
  return mSystemPath;
}

bool CSlotFileReader::Fail(EOpenFailure failure, const std::string& path, int systemErrorNumber) {
  mFailure.failure = failure;
  mFailure.path = path;
  mFailure.systemError =
      systemErrorNumber != 0 ? std::generic_category().message(systemErrorNumber) : std::string();
  return false;
}

} // namespace Bris
