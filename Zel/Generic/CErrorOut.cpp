#include "Zel/Generic/CErrorOut.h"

#include "Zel/Generic/CAlertRunner.h"
#include "Zel/Generic/CStringTable.h"
#include "Zel/Generic/SAlertRequest.h"

#include <limits>

namespace {

constexpr const char* kYesTitle = "Yes";
constexpr const char* kNoTitle = "No";
constexpr const char* kCancelTitle = "Cancel";

// Shown when a string list has no entry for a code, so that the user never sees an empty alert.
constexpr const char* kUnknownMessage = "An unexpected problem occurred.";

// Clears the one-alert flag on every way out of Alert, exceptions included.
class StAlertOpened {
public:
  StAlertOpened() { CErrorOut::sIsAlertOpened = true; }
  ~StAlertOpened() { CErrorOut::sIsAlertOpened = false; }
  StAlertOpened(const StAlertOpened&) = delete;
  StAlertOpened& operator=(const StAlertOpened&) = delete;
};

CZelTextOut::EDialogType Normalised(CZelTextOut::EDialogType type) {
  switch (type) {
  case CZelTextOut::kOk:
  case CZelTextOut::kOkCancel:
  case CZelTextOut::kYesNo:
  case CZelTextOut::kYesNoCancel:
    return type;
  }
  return CZelTextOut::kOk;
}

SAlertRequest::EKind KindOf(unsigned short kind) {
  switch (kind) {
  case CErrorOut::kKindNote:
    return SAlertRequest::kNote;
  case CErrorOut::kKindCaution:
    return SAlertRequest::kCaution;
  case CErrorOut::kKindStop:
    return SAlertRequest::kStop;
  default:
    return SAlertRequest::kPlain;
  }
}

SAlertRequest MakeRequest(CZelTextOut::EDialogType type, unsigned short kind,
                          const std::string& message) {
  SAlertRequest request;
  request.type = Normalised(type);
  request.kind = KindOf(kind);
  request.message = message;
  switch (request.type) {
  case CZelTextOut::kOk:
    request.buttonCount = 1;
    break;
  case CZelTextOut::kOkCancel:
    request.buttonCount = 2;
    break;
  case CZelTextOut::kYesNo:
    request.buttonCount = 2;
    request.defaultButton = kYesTitle;
    request.cancelButton = kNoTitle;
    break;
  case CZelTextOut::kYesNoCancel:
    request.buttonCount = 3;
    request.defaultButton = kYesTitle;
    request.cancelButton = kCancelTitle;
    request.otherButton = kNoTitle;
    break;
  }
  return request;
}

// Cuts a message to at most `limit` bytes without splitting a UTF-8 character.
std::string Truncated(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) {
    return text;
  }
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end;
  }
  return text.substr(0, end);
}

// An index that does not fit a string list index names no entry.
short ListIndex(int index) {
  if (index < 1 || index > std::numeric_limits<short>::max()) {
    return 0;
  }
  return static_cast<short>(index);
}

} // namespace

void CErrorOut::Write(int code) {
  ErrorAlert(code);
}

void CErrorOut::WriteError(int code, const std::string& detail) {
  ErrorAlert(code, detail);
}

int CErrorOut::Dialog(EDialogType type, const std::string& question) {
  return Alert(type, kKindNote, Truncated(question, kMaxMessageBytes));
}

int CErrorOut::Dialog(EDialogType type, int code) {
  return Alert(type, code);
}

int CErrorOut::Alert(EDialogType type, unsigned short kind, const std::string& message) {
  return Run(MakeRequest(type, kind, message));
}

int CErrorOut::Run(const SAlertRequest& request) {
  if (sIsAlertOpened) {
    return kAnswerCancel;
  }
  StAlertOpened opened;
  if (sAlertRunner == nullptr) {
    return kAnswerCancel;
  }
  return AnswerForItem(request.type, sAlertRunner->Run(request));
}

bool CErrorOut::ConfirmDestructive(int code) {
  std::string message = CStringTable::Get(CStringTable::kQuestions, ListIndex(QuestionIndex(code)));
  if (message.empty()) {
    message = kUnknownMessage;
  }
  SAlertRequest request = MakeRequest(kYesNo, kKindCaution, message);
  request.defaultItem = SAlertRequest::kItemCancel;
  return Run(request) == kAnswerYes;
}

int CErrorOut::SaveChangesAlert(const std::string& question) {
  SAlertRequest request = MakeRequest(kYesNoCancel, kKindCaution, question);
  request.buttons = SAlertRequest::kSaveChanges;
  request.defaultButton = "Save";
  request.cancelButton = kCancelTitle;
  request.otherButton = "Don't Save";
  return Run(request);
}

int CErrorOut::Alert(EDialogType type, unsigned short kind, short listId, short index) {
  std::string message = CStringTable::Get(listId, index);
  if (message.empty()) {
    message = kUnknownMessage;
  }
  return Alert(type, kind, message);
}

int CErrorOut::Alert(EDialogType type, int code) {
  return Alert(type, kKindNote, CStringTable::kQuestions, ListIndex(QuestionIndex(code)));
}

bool CErrorOut::NoteAlert(EDialogType type, int code) {
  const int answer = Alert(type, code);
  return answer == kAnswerOk || answer == kAnswerYes;
}

int CErrorOut::ErrorAlert(int code) {
  return Alert(kOk, kKindCaution, CStringTable::kErrors, ListIndex(ErrorIndex(code)));
}

int CErrorOut::ErrorAlert(int code, const std::string& detail) {
  std::string message = CStringTable::Get(CStringTable::kErrors, ListIndex(ErrorIndex(code)));
  if (message.empty()) {
    message = kUnknownMessage;
  }
  if (!detail.empty()) {
    message += "\n\n" + detail;
  }
  return Alert(kOk, kKindCaution, message);
}

int CErrorOut::ErrorIndex(int code) {
  switch (code) {
  case 1:
    return 1; // the project could not be opened
  case 2:
    return 2; // the project could not be written
  case 6:
    return 3; // not enough free wave slots
  case 7:
    return 4; // the work folder could not be created
  case 8:
    return 8; // the waves would exceed the size limit
  case 9:
    return 9; // the chosen files could not be imported
  case 10:
  case 10000:
    return 6;
  case 11:
    return 10; // not enough free tone slots
  case 12:
    return 11; // an interrupted save was completed
  case 13:
    return 12; // an interrupted save could not be completed
  case 10001:
    return 5; // the help could not be opened
  case 10002:
    return 7; // the project's files cannot all be read
  default:
    return code;
  }
}

int CErrorOut::QuestionIndex(int code) {
  if (code >= 7 && code <= 11) {
    return code - 6;
  }
  // Every other code c names entry c - 7; codes below 7 name none (0).
  return code < 7 ? 0 : code - 7;
}

int CErrorOut::AnswerForItem(EDialogType type, int itemHit) {
  switch (Normalised(type)) {
  case kOk:
    return itemHit == SAlertRequest::kItemDefault ? kAnswerOk : kAnswerCancel;
  case kOkCancel:
    return itemHit == SAlertRequest::kItemDefault ? kAnswerOk : kAnswerCancel;
  case kYesNo:
    if (itemHit == SAlertRequest::kItemDefault) {
      return kAnswerYes;
    }
    return itemHit == SAlertRequest::kItemCancel ? kAnswerNo : kAnswerCancel;
  case kYesNoCancel:
    if (itemHit == SAlertRequest::kItemDefault) {
      return kAnswerYes;
    }
    return itemHit == SAlertRequest::kItemOther ? kAnswerNo : kAnswerCancel;
  }
  return kAnswerCancel;
}

CAlertRunner* CErrorOut::SetAlertRunner(CAlertRunner* runner) {
  CAlertRunner* previous = sAlertRunner;
  sAlertRunner = runner;
  return previous;
}

CAlertRunner* CErrorOut::GetAlertRunner() {
  return sAlertRunner;
}
