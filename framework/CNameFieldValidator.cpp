#include "framework/CNameFieldValidator.h"

#include "framework/DialogText.h"

CNameFieldValidator::CNameFieldValidator(int maxBytes, QObject* parent)
    : QValidator(parent), mMaxBytes(maxBytes) {}

QValidator::State CNameFieldValidator::validate(QString& input, int& position) const {
  const QString before = DialogText::FilterNameInput(input.left(position));
  const QString filtered = before + DialogText::FilterNameInput(input.mid(position));
  if (DialogText::Utf8Length(filtered) > mMaxBytes) {
    return Invalid;
  }
  input = filtered;
  position = static_cast<int>(before.size());
  return Acceptable;
}
