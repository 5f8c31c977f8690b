#include "app/CAboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#ifndef BRISEL_VERSION
#define BRISEL_VERSION "0.0.0"
#endif

namespace {

constexpr const char* kBuildNumber = "0260";

} // namespace

CAboutBox::CAboutBox(bool withBuildInfo, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Brisel Librarian"));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(QStringLiteral("Brisel Librarian"), this);
  QFont nameFont = name->font();
  nameFont.setPointSize(nameFont.pointSize() + 6);
  nameFont.setBold(true);
  name->setFont(nameFont);
  name->setAlignment(Qt::AlignCenter);
  layout->addWidget(name);
  auto* version = new QLabel(VersionText(withBuildInfo), this);
  version->setObjectName(QStringLiteral("VERS"));
  version->setAlignment(Qt::AlignCenter);
  layout->addWidget(version);
  auto* copyright = new QLabel(CopyrightText(), this);
  copyright->setObjectName(QStringLiteral("COPY"));
  copyright->setAlignment(Qt::AlignCenter);
  layout->addWidget(copyright);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("900"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSpacing(10);
  setMinimumWidth(360);
}

QString CAboutBox::VersionText(bool withBuildInfo) {
  QString text = tr("Version ") + QStringLiteral(BRISEL_VERSION);
  if (withBuildInfo) {
    text += QStringLiteral(" (") + QLatin1String(kBuildNumber) + QLatin1Char('-') +
            QSysInfo::buildCpuArchitecture() + QLatin1Char(')');
  }
  return text;
}

QString CAboutBox::InfoString() {
  return QStringLiteral("Brisel Librarian " BRISEL_VERSION ", Copyright \u00A9 2025 Taveno");
}

QString CAboutBox::CopyrightText() {
  const QString info = InfoString();
  const qsizetype start = info.indexOf(QStringLiteral("Copyright"));
  return start < 0 ? info : info.mid(start);
}
