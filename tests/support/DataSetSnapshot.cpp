#include "support/DataSetSnapshot.h"

#include "domain/CZelData.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace BrisTest {

namespace {

using Bris::CParameter;

constexpr std::size_t kMaxDifferencesPerList = 5;
const char* const kKindNames[] = {"patch", "tone", "wave"};

// The fields of a record as byte ranges, in order: file path, name, spare, memo lines 0..3, then
// the kind's own fields (patch-tone blocks; oscillator blocks and patch list; tone list).
struct SField {
  const void* bytes;
  std::size_t size;
};

// At most 7 common fields plus 17 of a tone; a plain array keeps collecting cheap.
struct SFields {
  static constexpr std::size_t kMax = 24;
  SField items[kMax];
  std::size_t count = 0;
  void clear() { count = 0; }
  void push_back(const SField& field) { items[count++] = field; }
  const SField* begin() const { return items; }
  const SField* end() const { return items + count; }
};

template <class T> SField FieldOf(const std::vector<T>& values) {
  return {values.data(), values.size() * sizeof(T)};
}

SField FieldOf(const Bris::CByteBlock& bytes) {
  return {bytes.data(), bytes.size()};
}

SField FieldOf(const std::string& text) {
  return {text.data(), text.size()};
}

// Fills fields (cleared first) with the record's fields; returns their number.
std::size_t CollectFields(CParameter::EDataType kind, const CParameter& record, SFields& fields) {
  fields.clear();
  fields.push_back(FieldOf(record.GetFilePath()));
  fields.push_back(FieldOf(record.GetName()));
  fields.push_back(FieldOf(record.GetSpare()));
  for (int line = 0; line < CParameter::kMemoLineCount; ++line) {
    fields.push_back(FieldOf(record.GetMemo(line)));
  }
  switch (kind) {
  case CParameter::kPatch: {
    const auto& patch = static_cast<const Bris::CPatch&>(record);
    for (int i = 0; i < Bris::CPatch::kPatchToneCount; ++i) {
      fields.push_back(FieldOf(patch.GetPatchTone(i).mData));
    }
    break;
  }
  case CParameter::kTone: {
    const auto& tone = static_cast<const Bris::CTone&>(record);
    for (int o = 0; o < Bris::CTone::kOscCount; ++o) {
      fields.push_back(FieldOf(tone.GetOsc(o).mData));
    }
    fields.push_back(FieldOf(tone.GetPatchIndexes()));
    break;
  }
  case CParameter::kWave:
    fields.push_back(FieldOf(static_cast<const Bris::CWave&>(record).GetToneIndexes()));
    break;
  }
  return fields.count;
}

// Each field is stored as its byte count (4 bytes) followed by its bytes.
void AppendFields(std::string& out, const SFields& fields) {
  std::size_t total = 0;
  for (const auto& field : fields) {
    total += sizeof(std::uint32_t) + field.size;
  }
  std::size_t at = out.size();
  out.resize(at + total);
  char* write = out.data();
  for (const auto& field : fields) {
    const auto length = static_cast<std::uint32_t>(field.size);
    std::memcpy(write + at, &length, sizeof length);
    at += sizeof length;
    if (field.size > 0) {
      std::memcpy(write + at, field.bytes, field.size);
    }
    at += field.size;
  }
}

// True when the stored record holds exactly these fields.
bool StoredEquals(std::string_view stored, const SFields& fields) {
  for (const auto& field : fields) {
    std::uint32_t length = 0;
    if (stored.size() < sizeof length) {
      return false;
    }
    std::memcpy(&length, stored.data(), sizeof length);
    stored.remove_prefix(sizeof length);
    if (length != field.size || stored.size() < length ||
        (length > 0 && std::memcmp(stored.data(), field.bytes, length) != 0)) {
      return false;
    }
    stored.remove_prefix(length);
  }
  return stored.empty();
}

std::vector<std::string_view> SplitFields(std::string_view record) {
  std::vector<std::string_view> fields;
  while (record.size() >= sizeof(std::uint32_t)) {
    std::uint32_t length = 0;
    std::memcpy(&length, record.data(), sizeof length);
    record.remove_prefix(sizeof length);
    fields.push_back(record.substr(0, length));
    record.remove_prefix(std::min<std::size_t>(length, record.size()));
  }
  return fields;
}

std::string FieldName(CParameter::EDataType kind, std::size_t field) {
  static const char* const kCommon[] = {"file path",   "name",        "spare string", "memo line 0",
                                        "memo line 1", "memo line 2", "memo line 3"};
  if (field < 7) {
    return kCommon[field];
  }
  field -= 7;
  switch (kind) {
  case CParameter::kPatch:
    return "patch tone " + std::to_string(field) + " bytes";
  case CParameter::kTone:
    return field < 16 ? "oscillator " + std::to_string(field) + " bytes"
                      : "patch back-reference list";
  default:
    return "tone back-reference list";
  }
}

std::string DescribeDifference(CParameter::EDataType kind, std::string_view expected,
                               std::string_view actual) {
  const auto before = SplitFields(expected);
  const auto now = SplitFields(actual);
  for (std::size_t i = 0; i < std::min(before.size(), now.size()); ++i) {
    if (before[i] != now[i]) {
      std::string text = FieldName(kind, i);
      if (i < 7) {
        text += " '" + std::string(now[i]) + "' instead of '" + std::string(before[i]) + "'";
      }
      return text;
    }
  }
  return "record layout";
}

const CParameter& RecordAt(const Bris::CZelData& data, int kind, std::size_t index) {
  return *(*data.GetArray(static_cast<CParameter::EDataType>(kind)))[index];
}

} // namespace

DataSetSnapshot::DataSetSnapshot(const Bris::CZelData& data) : mProjectPath(data.mProjectPath) {
  for (int kind = 0; kind < 3; ++kind) {
    const auto dataType = static_cast<CParameter::EDataType>(kind);
    const Bris::CParameterArray& array = *data.GetArray(dataType);
    SList& list = mLists[kind];
    list.bytes.reserve(kind == CParameter::kTone ? array.size() * 2100 : array.size() * 200);
    list.offsets.reserve(array.size() + 1);
    list.offsets.push_back(0);
    SFields fields;
    for (std::size_t i = 0; i < array.size(); ++i) {
      CollectFields(dataType, *array[i], fields);
      AppendFields(list.bytes, fields);
      list.offsets.push_back(list.bytes.size());
    }
    mOriginalNames[kind] = *data.GetOriginalNames(dataType);
  }
}

std::vector<std::string> DataSetSnapshot::Differences(const Bris::CZelData& data) const {
  std::vector<std::string> differences;
  SFields fields;
  std::string scratch;
  for (int kind = 0; kind < 3; ++kind) {
    const auto dataType = static_cast<CParameter::EDataType>(kind);
    const SList& list = mLists[kind];
    const std::size_t expectedCount = list.offsets.size() - 1;
    const std::size_t actualCount = data.GetArray(dataType)->size();
    if (expectedCount != actualCount) {
      differences.push_back(std::string(kKindNames[kind]) + " list holds " +
                            std::to_string(actualCount) + " records instead of " +
                            std::to_string(expectedCount));
      continue;
    }
    std::size_t found = 0;
    for (std::size_t i = 0; i < expectedCount && found < kMaxDifferencesPerList; ++i) {
      CollectFields(dataType, RecordAt(data, kind, i), fields);
      const std::string_view expected(list.bytes.data() + list.offsets[i],
                                      list.offsets[i + 1] - list.offsets[i]);
      if (!StoredEquals(expected, fields)) {
        scratch.clear();
        AppendFields(scratch, fields);
        differences.push_back(std::string(kKindNames[kind]) + " " + std::to_string(i) + ": " +
                              DescribeDifference(dataType, expected, scratch));
        ++found;
      }
    }
    if (mOriginalNames[kind] != *data.GetOriginalNames(dataType)) {
      differences.push_back(std::string(kKindNames[kind]) + " original-name list differs");
    }
  }
  if (mProjectPath != data.mProjectPath) {
    differences.push_back("project path differs");
  }
  return differences;
}

::testing::AssertionResult DataSetSnapshot::Matches(const Bris::CZelData& data) const {
  const auto differences = Differences(data);
  if (differences.empty()) {
    return ::testing::AssertionSuccess();
  }
  auto failure = ::testing::AssertionFailure();
  failure << "data set differs from the snapshot:";
  for (const auto& difference : differences) {
    failure << "\n  " << difference;
  }
  return failure;
}

} // namespace BrisTest
