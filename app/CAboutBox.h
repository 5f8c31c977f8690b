#pragma once

#include <QDialog>

// The About box: the version line ('VERS') and the copyright line ('COPY'), closed by OK.
class CAboutBox : public QDialog {
  Q_OBJECT

public:
  // withBuildInfo adds the build number and processor to the version line.
  explicit CAboutBox(bool withBuildInfo, QWidget* parent = nullptr);

  static QString VersionText(bool withBuildInfo);
  // The information line from the word "Copyright" on.
  static QString CopyrightText();
  // The program's information line, as its bundle would carry it.
  static QString InfoString();
};
