#include "about_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "start_screen.h"

namespace satzlupe {

CAboutDialog::CAboutDialog(QWidget* parent) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Info über Satzlupe"));
  // Its controls have no topics of their own: F1 shows the contents.
  SetF1FallsBackToContents(true);

  auto* icon = new QLabel(this);
  icon->setPixmap(QPixmap(QStringLiteral(":/icons/satzlupe.png")));
  auto* name = new QLabel(QStringLiteral("<b>Satzlupe Version 1.30</b>"), this);
  auto* purpose = new QLabel(QStringLiteral("Lesen, Prüfen und Untersuchen von EDBS-Dateien (ALK, ATKIS)"), this);
  auto* publisher = new QLabel(PublisherLines().mid(1).join(QLatin1Char('\n')), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("aboutOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(name, 0, 1);
  layout->addWidget(purpose, 1, 1);
  layout->addWidget(publisher, 2, 1);
  layout->addWidget(ok, 0, 2, Qt::AlignTop);
  layout->setHorizontalSpacing(16);
}

}  // namespace satzlupe
