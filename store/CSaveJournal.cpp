#include "store/CSaveJournal.h"

#include "store/CFileOperations.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>

#include <unistd.h>

namespace Bris {

namespace {

using EStep = CWritePlan::EStep;

constexpr const char* kSignature = "brisel-save-journal";
constexpr int kVersion = 1;

struct SVerb {
  EStep step;
  const char* name;
};

constexpr SVerb kVerbs[] = {
    {EStep::kPlace, "place"},          {EStep::kPlaceNew, "place-new"},
    {EStep::kPlaceMemo, "place-memo"}, {EStep::kRenameInPlace, "rename"},
    {EStep::kTrash, "trash"},          {EStep::kPlaceFolder, "place-folder"},
};

// Appends field to text with the characters that separate fields and lines escaped. Appending in
// place: a full project's journal holds thousands of paths.
void AppendEscaped(std::string& text, const std::string& field) {
  for (char c : field) {
    switch (c) {
    case '%':
      text += "%25";
      break;
    case '\t':
      text += "%09";
      break;
    case '\n':
      text += "%0A";
      break;
    case '\r':
      text += "%0D";
      break;
    default:
      text += c;
    }
  }
}

// Appends a line of fields separated by tabs.
void AppendLine(std::string& text, std::initializer_list<const std::string*> fields,
                const char* first) {
  text += first;
  for (const std::string* field : fields) {
    text += '\t';
    AppendEscaped(text, *field);
  }
  text += '\n';
}

std::string Unescape(const std::string& field) {
  std::string plain;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '%' && i + 2 < field.size()) {
      plain += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      plain += field[i];
    }
  }
  return plain;
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(Unescape(line.substr(start, tab - start)));
    if (tab == std::string::npos) {
      return fields;
    }
    start = tab + 1;
  }
}

const char* VerbName(EStep step) {
  for (const SVerb& verb : kVerbs) {
    if (verb.step == step) {
      return verb.name;
    }
  }
  return nullptr;
}

bool FindVerb(const std::string& name, EStep& step) {
  for (const SVerb& verb : kVerbs) {
    if (name == verb.name) {
      step = verb.step;
      return true;
    }
  }
  return false;
}

// FNV-1a: a short, stable name for a project folder's journal.
std::uint64_t HashOf(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) {
    hash = (hash ^ c) * 1099511628211ull;
  }
  return hash;
}

} // namespace

std::string CSaveJournal::PathFor(const std::string& workFolder, const std::string& projectPath) {
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(HashOf(projectPath)));
  std::string folder = workFolder;
  if (!folder.empty() && folder.back() != '/') {
    folder += '/';
  }
  return folder + "Save " + hash + kExtension;
}

std::string CSaveJournal::Format(const SContents& contents) {
  std::string text = std::string(kSignature) + "\t" + std::to_string(kVersion) + "\n";
  std::size_t size = contents.projectPath.size() + contents.removedFolder.size() + 64;
  for (const std::string& temporary : contents.temporaries) {
    size += temporary.size() + 12;
  }
  for (const CWritePlan::SStep& step : contents.steps) {
    size += step.source.size() + step.temporary.size() + step.destination.size() + 24;
  }
  text.reserve(size);
  AppendLine(text, {&contents.projectPath}, "project");
  AppendLine(text, {&contents.removedFolder}, "removed");
  for (const std::string& temporary : contents.temporaries) {
    AppendLine(text, {&temporary}, "temporary");
  }
  for (const CWritePlan::SStep& step : contents.steps) {
    text += "step\t";
    AppendLine(text, {&step.source, &step.temporary, &step.destination}, VerbName(step.step));
  }
  if (contents.committed) {
    text += "commit\t" + std::to_string(contents.steps.size()) + "\n";
  }
  return text;
}

bool CSaveJournal::Parse(const std::string& text, SContents& contents) {
  contents = SContents();
  std::istringstream lines(text);
  std::string line;
  if (!std::getline(lines, line) ||
      line != std::string(kSignature) + "\t" + std::to_string(kVersion)) {
    return false;
  }
  while (std::getline(lines, line)) {
    if (lines.eof()) {
      break; // a last line without its line feed was cut off while being written
    }
    const std::vector<std::string> fields = SplitFields(line);
    const std::string& tag = fields[0];
    if (tag == "project" && fields.size() == 2) {
      contents.projectPath = fields[1];
    } else if (tag == "removed" && fields.size() == 2) {
      contents.removedFolder = fields[1];
    } else if (tag == "temporary" && fields.size() == 2) {
      contents.temporaries.push_back(fields[1]);
    } else if (tag == "step" && fields.size() == 5 && !contents.committed) {
      CWritePlan::SStep step{};
      if (!FindVerb(fields[1], step.step)) {
        return false;
      }
      step.source = fields[2];
      step.temporary = fields[3];
      step.destination = fields[4];
      contents.steps.push_back(std::move(step));
    } else if (tag == "commit" && fields.size() == 2) {
      contents.committed = fields[1] == std::to_string(contents.steps.size());
    } else if (tag == "done" && fields.size() == 2 && contents.committed) {
      contents.doneCount = std::max<std::size_t>(contents.doneCount, std::stoul(fields[1]));
    } else {
      return false;
    }
  }
  return !contents.projectPath.empty();
}

bool CSaveJournal::Write(CFileOperations& operations, const std::string& path,
                         const SContents& contents) {
  const std::string temporary = path + ".new";
  const std::string folder = path.substr(0, path.rfind('/') + 1);
  // One flush after the rename makes both the contents and the name durable; nothing the journal
  // describes is touched before it returns.
  if (operations.WriteFile(temporary, Format(contents)) &&
      operations.Rename(temporary, path, true) && operations.Flush({folder})) {
    return true;
  }
  ::unlink(temporary.c_str());
  return false;
}

bool CSaveJournal::Read(const std::string& path, SContents& contents) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return false;
  }
  const std::string text(std::istreambuf_iterator<char>(in), {});
  try {
    return Parse(text, contents);
  } catch (const std::exception&) {
    return false; // a number field that is no number: not a journal this program wrote
  }
}

} // namespace Bris
