#include "gis_export_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gis/gis_writer.h"
#include "gis/reference_system.h"
#include "platform/services.h"
#include "qtext.h"

namespace satzlupe {
namespace {

// The name of the system a field names, or why it names none.
QString NameOf(const QString& text) {
  const auto code = gis::ParseEpsg(ToCoreText(text));
  if (!code) return text.trimmed().isEmpty() ? QStringLiteral("bitte einen EPSG-Code eingeben") : QStringLiteral("kein EPSG-Code");
  const std::string name = gis::ReferenceSystemName(*code);
  return name.empty() ? QStringLiteral("unbekannter EPSG-Code") : ToQString(name);
}

}  // namespace

QString EpsgText(int epsg) { return epsg > 0 ? QStringLiteral("EPSG:%1").arg(epsg) : QString(); }

CGisExportDialog::CGisExportDialog(const QString& output, int suggestedEpsg, int targetEpsg, QWidget* parent)
    : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("GIS-Export"));

  auto* outputLabel = new QLabel(QStringLiteral("Ausgabe: ") + output, this);
  SetControlId(outputLabel, IDC_GIS_AUSGABE);
  outputLabel->setWordWrap(true);
  m_crs = new QLineEdit(EpsgText(suggestedEpsg), this);
  SetControlId(m_crs, IDC_GIS_CRS);
  m_crsName = new QLabel(this);
  SetControlId(m_crsName, IDC_GIS_CRS_NAME);
  m_convert = new QCheckBox(QStringLiteral("Umrechnen in:"), this);
  SetControlId(m_convert, IDC_GIS_UMRECHNEN);
  m_convert->setChecked(targetEpsg > 0);
  m_target = new QLineEdit(EpsgText(targetEpsg > 0 ? targetEpsg : gis::EtrsUtmEpsg(suggestedEpsg)), this);
  SetControlId(m_target, IDC_GIS_ZIEL);
  m_target->setEnabled(m_convert->isChecked());
  m_targetName = new QLabel(this);
  SetControlId(m_targetName, IDC_GIS_ZIEL_NAME);
  m_targetName->setEnabled(m_convert->isChecked());
  for (QLineEdit* edit : {m_crs, m_target}) edit->setMinimumWidth(160);

  auto showName = [](QLineEdit* edit, QLabel* label) {
    label->setText(NameOf(edit->text()));
    connect(edit, &QLineEdit::textChanged, label, [label](const QString& text) { label->setText(NameOf(text)); });
  };
  showName(m_crs, m_crsName);
  showName(m_target, m_targetName);
  connect(m_convert, &QCheckBox::toggled, this, [this](bool on) {
    m_target->setEnabled(on);
    m_targetName->setEnabled(on);
  });

  const auto [ok, cancel] = MakeOkCancelButtons(IDC_OK, IDC_CANCEL);
  QPushButton* help = MakeHelpButton(IDC_HELP);

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel(QStringLiteral("Bezugssystem der Daten:"), this), 0, 0);
  fields->addWidget(m_crs, 0, 1);
  fields->addWidget(m_crsName, 1, 1);
  fields->addWidget(m_convert, 2, 0);
  fields->addWidget(m_target, 2, 1);
  fields->addWidget(m_targetName, 3, 1);
  fields->setColumnStretch(1, 1);
  fields->setRowMinimumHeight(2, 28);
  auto* left = new QVBoxLayout;
  left->addWidget(outputLabel);
  left->addSpacing(8);
  left->addLayout(fields);
  left->addStretch(1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addSpacing(12);
  layout->addLayout(buttons);
  setMinimumWidth(520);
}

int CGisExportDialog::CheckedCode(QLineEdit* edit) {
  const auto code = gis::ParseEpsg(ToCoreText(edit->text()));
  if (!code || gis::ReferenceSystemName(*code).empty()) {
    edbs::Prompt().ShowMessage(ToCoreText(QStringLiteral("Unbekanntes Bezugssystem: %1\nBitte einen EPSG-Code wie EPSG:31469 angeben.")
                                              .arg(edit->text().trimmed())));
    edit->setFocus();
    edit->selectAll();
    return 0;
  }
  return *code;
}

void CGisExportDialog::accept() {
  const int source = CheckedCode(m_crs);
  if (source == 0) return;
  int target = 0;
  if (m_convert->isChecked()) {
    target = CheckedCode(m_target);
    if (target == 0) return;
  }
  m_sourceEpsg = source;
  m_targetEpsg = target;
  QDialog::accept();
}

}  // namespace satzlupe
