#pragma once

#include <QValidator>

// The rule of the name fields: refused characters are dropped from whatever is typed or pasted,
// and an edit that would make the name longer than its byte limit is refused whole.
class CNameFieldValidator : public QValidator {
  Q_OBJECT

public:
  CNameFieldValidator(int maxBytes, QObject* parent = nullptr);

  State validate(QString& input, int& position) const override;

private:
  int mMaxBytes;
};
