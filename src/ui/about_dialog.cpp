#include "about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "app_icon.h"
#include "dialog_units.h"
#include "shell/shell_texts.h"

namespace deadhold::ui {

AboutDialog::AboutDialog(const QString& filesFolder, QWidget* parent) : QDialog(parent) {
  setWindowTitle(kAboutCaption);
  setFont(windowFont());
  const DialogUnits units(font());
  setFixedSize(units.x(235), units.y(95));

  auto* icon = new QLabel(this);
  icon->setObjectName("aboutIcon");
  icon->setPixmap(applicationIcon().pixmap(48, 48));
  icon->setGeometry(units.rect(11, 14, 30, 28));

  auto* version = new QLabel(kAboutVersionLine, this);
  version->setObjectName("aboutVersion");
  version->setGeometry(units.rect(52, 14, 170, 10));

  auto* description = new QLabel(kAboutDescription, this);
  description->setWordWrap(true);
  description->setGeometry(units.rect(52, 30, 170, 22));

  auto* folder = new QLabel(QStringLiteral("Your files: %1").arg(filesFolder), this);
  folder->setObjectName("aboutFilesFolder");
  folder->setToolTip(filesFolder);
  folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  folder->setWordWrap(true);
  folder->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  folder->setGeometry(units.rect(11, 50, 160, 20));

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("aboutOk");
  ok->setDefault(true);
  ok->setGeometry(units.rect(178, 72, 50, 14));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace deadhold::ui
