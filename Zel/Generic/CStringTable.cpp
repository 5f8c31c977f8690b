#include "Zel/Generic/CStringTable.h"

#include <array>
#include <string_view>

namespace {

struct SList {
  short id;
  const std::string_view* entries;
  int count;
};

constexpr std::string_view kTitleTexts[] = {
    "Untitled", // base title of a new project; later ones get 1, 2, ... appended
};

constexpr std::string_view kHelpTexts[] = {
    "Brisel Librarian Help",    // Help menu item
    "BriselLibrarianHelp.html", // help document, beside the program
};

constexpr std::string_view kErrorTexts[] = {
    // 1
    "The project could not be opened. It may be damaged, or some of its files may be missing or "
    "unreadable.",
    // 2
    "The project could not be saved. Check that the project folder and its files can be written "
    "and that the disk has enough free space.",
    // 3
    "There are not enough free wave slots for the waves to be added.",
    // 4
    "The work folder could not be created. Brisel Librarian will quit.",
    // 5
    "The help document could not be opened.",
    // 6
    "The operation could not be completed.",
    // 7
    "Some files of this project cannot be read. The project cannot be saved until all of its files "
    "can be read.",
    // 8
    "The waves cannot be added: the waves of a project may take at most 67,107,840 bytes in total.",
    // 9
    "The chosen files could not be imported.",
    // 10
    "There are not enough free tone slots for the tones to be added.",
    // 11
    "A save of this project was interrupted last time. It has now been completed, so the project "
    "folder holds what was being saved.",
    // 12
    "A save of this project was interrupted last time and could not be completed. Nothing more "
    "was removed from the project folder.",
};

constexpr std::string_view kQuestionTexts[] = {
    // 1 (Yes / No)
    "The files already in the chosen folder will be deleted. Do you want to continue?",
    // 2
    "Do you want to continue?",
    // 3 (OK / Cancel)
    "Do you want to delete the selected entries?",
    // 4 (OK / Cancel)
    "Do you want to replace the entries at this position with the dragged entries?",
    // 5 (OK / Cancel)
    "Inserting here pushes entries off the end of the list, and they will be deleted. Do you want "
    "to continue?",
};

constexpr std::string_view kChooserTexts[] = {
    "Open",            // choose button when opening a project
    "Save",            // choose button when saving a project
    "Open Project",    // window title when opening
    "Save Project As", // window title when saving
    "Import Waves",    // window title when importing audio files
};

constexpr std::string_view kLabelTexts[] = {
    "Create in:", // folder-name dialog, before the location of the new project folder
};

template <std::size_t n> constexpr SList MakeList(short id, const std::string_view (&entries)[n]) {
  return SList{id, entries, static_cast<int>(n)};
}

constexpr std::array<SList, 6> kLists = {
    MakeList(CStringTable::kTitles, kTitleTexts),
    MakeList(CStringTable::kHelp, kHelpTexts),
    MakeList(CStringTable::kErrors, kErrorTexts),
    MakeList(CStringTable::kQuestions, kQuestionTexts),
    MakeList(CStringTable::kChooser, kChooserTexts),
    MakeList(CStringTable::kLabels, kLabelTexts),
};

const SList* FindList(short listId) {
  for (const SList& list : kLists) {
    if (list.id == listId) {
      return &list;
    }
  }
  return nullptr;
}

} // namespace

std::string CStringTable::Get(short listId, short index) {
  const SList* list = FindList(listId);
  if (list == nullptr || index < 1 || index > list->count) {
    return std::string();
  }
  return std::string(list->entries[index - 1]);
}

int CStringTable::Count(short listId) {
  const SList* list = FindList(listId);
  return list == nullptr ? 0 : list->count;
}
