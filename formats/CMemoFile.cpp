#include "formats/CMemoFile.h"

#include <algorithm>
#include <array>
#include <istream>
#include <limits>
#include <ostream>

namespace Bris {

namespace {

// The next line of in, cut to kMaxLineBytes; false at the end of the input.
bool ReadLine(std::istream& in, std::array<char, CMemoFile::kMaxLineBytes + 1>& buffer,
              std::string& line) {
  in.getline(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  const std::streamsize extracted = in.gcount();
  if (in.bad() || (extracted == 0 && in.eof())) {
    return false;
  }
  if (in.fail() && !in.eof()) {
    // Longer than the buffer: keep its start and skip the rest, so it counts as one line.
    in.clear();
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    line.assign(buffer.data(), CMemoFile::kMaxLineBytes);
    return true;
  }
  if (in.fail()) {
    return false; // nothing readable (a folder, for one)
  }
  const bool endedByLineFeed = !in.eof();
  line.assign(buffer.data(), static_cast<std::size_t>(extracted - (endedByLineFeed ? 1 : 0)));
  return true;
}

} // namespace

const char* CMemoFile::FileName(CParameter::EDataType kind) {
  switch (kind) {
  case CParameter::kPatch:
    return "PatchMemo.txt";
  case CParameter::kTone:
    return "ToneMemo.txt";
  case CParameter::kWave:
    return "WaveMemo.txt";
  }
  return nullptr;
}

void CMemoFile::Read(std::istream& in, CParameterArray& records) {
  ReadLines(in, records.size(),
            [&records](std::size_t slotIndex, int memoLine, const std::string& text) {
              if (CParameter* record = records[slotIndex]) {
                record->SetMemo(memoLine, text);
              }
            });
}

void CMemoFile::ReadText(std::string_view text, CParameterArray& records) {
  const std::size_t lineCount = records.size() * CParameter::kMemoLineCount;
  std::size_t start = 0;
  for (std::size_t k = 0; k < lineCount && start < text.size(); ++k) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    if (CParameter* record = records[k / CParameter::kMemoLineCount]) {
      // As with a stream: a longer line keeps its start and counts as one line.
      record->SetMemo(static_cast<int>(k % CParameter::kMemoLineCount),
                      text.substr(start, std::min(end - start, kMaxLineBytes)));
    }
    start = end + 1;
  }
}

void CMemoFile::ReadLines(
    std::istream& in, std::size_t slotCount,
    const std::function<void(std::size_t slotIndex, int memoLine, const std::string& text)>& take) {
  std::array<char, kMaxLineBytes + 1> buffer;
  std::string line;
  const std::size_t lineCount = slotCount * CParameter::kMemoLineCount;
  for (std::size_t k = 0; k < lineCount && ReadLine(in, buffer, line); ++k) {
    take(k / CParameter::kMemoLineCount, static_cast<int>(k % CParameter::kMemoLineCount), line);
  }
}

void CMemoFile::Write(std::ostream& out, const CParameterArray& records) {
  for (std::size_t i = 0; i < records.size(); ++i) {
    const CParameter* record = records[i];
    for (int memo = 0; memo < CParameter::kMemoLineCount; ++memo) {
      if (record != nullptr) {
        out << ToLine(record->GetMemo(memo));
      }
      out << '\n';
    }
  }
}

std::string CMemoFile::ToLine(const std::string& memo) {
  std::string line = memo.substr(0, memo.find('\0'));
  for (char& c : line) {
    if (c == '\n') {
      c = ' ';
    }
  }
  return line;
}

} // namespace Bris
