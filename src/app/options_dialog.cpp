#include "options_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/services.h"
#include "qtext.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace satzlupe {

QString FormatDialogNumber(double value) { return QString::number(value, 'g', 15); }

namespace {

// The field's text without its surrounding blanks and without a leading plus sign, which
// from_chars does not take.
std::string NumberText(const QString& text) {
  std::string bytes = text.trimmed().toStdString();
  if (bytes.size() > 1 && bytes[0] == '+' && bytes[1] != '-' && bytes[1] != '+') bytes.erase(0, 1);
  return bytes;
}

}  // namespace

std::optional<long long> ParseDialogInteger(const QString& text) {
  const std::string bytes = NumberText(text);
  long long v = 0;
  const char* end = bytes.data() + bytes.size();
  const auto [ptr, ec] = std::from_chars(bytes.data(), end, v);
  if (ptr != end || bytes.empty()) return std::nullopt;
  // Digits beyond the type's range still name a number, one outside every field's range.
  if (ec == std::errc::result_out_of_range) {
    return bytes[0] == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
  }
  if (ec != std::errc()) return std::nullopt;
  return v;
}

std::optional<double> ParseDialogNumber(const QString& text) {
  std::string bytes = NumberText(text);
  // A decimal comma, as German users write it, stands for the point.
  if (bytes.find('.') == std::string::npos && std::count(bytes.begin(), bytes.end(), ',') == 1) {
    std::replace(bytes.begin(), bytes.end(), ',', '.');
  }
  double v = 0;
  const char* end = bytes.data() + bytes.size();
  const auto [ptr, ec] = std::from_chars(bytes.data(), end, v, std::chars_format::general);
  if (ptr != end || bytes.empty()) return std::nullopt;
  // "1e999" names a number too large for any field; "inf" and "nan" name none.
  if (ec == std::errc::result_out_of_range) {
    const bool tiny = bytes.find_first_of("123456789") != std::string::npos &&
                      (bytes.find("e-") != std::string::npos || bytes.find("E-") != std::string::npos);
    if (tiny) return 0.0;
    return bytes[0] == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  if (ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  return v;
}

COptionsDialog::COptionsDialog(QWidget* parent) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Optionen"));

  auto check = [this](int id, const char* text, bool on) {
    auto* box = new QCheckBox(QString::fromUtf8(text), this);
    SetControlId(box, id);
    box->setChecked(on);
    return box;
  };
  // Radio buttons are checked once the group boxes hold them: a button clears the others of its parent.
  auto radio = [this](int id, const char* text) {
    auto* button = new QRadioButton(QString::fromUtf8(text), this);
    SetControlId(button, id);
    return button;
  };
  auto label = [this](const char* text) { return new QLabel(QString::fromUtf8(text), this); };

  // Graphic group.
  m_gitternetz = check(IDC_GITTERNETZ, "Gitternetz ", g_settings.Gitternetz);
  m_gitterschrift = check(IDC_GITTERSCHRIFT, "Gitterbeschriftung ", g_settings.Gitterschrift);
  m_gitterauto = check(IDC_GITTERAUTO, "Automatischer Abstand ", g_settings.Gitterauto);
  m_abstandLabel = label("Abstand der Gitternetzlinien: ");
  SetControlId(m_abstandLabel, IDC_GITTERABSTAND_LABEL);
  // The spacing has no range of its own; it is kept in millimetres as a 32-bit number.
  m_abstand = AddNumberField(IDC_GITTERABSTAND, false, true, kMinSpacing, kMaxSpacing);
  m_texthoehe = AddNumberField(IDC_TEXTHOEHE, false, true, 0.001, 1000);
  m_nurFiltermenge = radio(IDC_NUR_FILTERMENGE, "Nur Filtermenge");
  m_alles = radio(IDC_ALLES, "Alles, Filtermenge in Rot ");
  m_rechtswert = AddNumberField(IDC_RECHTSWERT, false, true, -9999999.999, 9999999.999);
  m_hochwert = AddNumberField(IDC_HOCHWERT, false, true, -9999999.999, 9999999.999);
  m_meterProPixel = AddNumberField(IDC_METER_PRO_PIXEL, false, true, 0.001, 1000000);
  // Detail group.
  m_detailWhf = check(IDC_DETAIL_WHF, "keine Wiederholungsfaktoren anzeigen ", g_settings.DetailWhf);
  m_detailMaxAnz = AddNumberField(IDC_DETAIL_MAXANZ, true, true, 1, 50000);
  m_detailStart = AddNumberField(IDC_DETAIL_START, true, true, 0, 99999999);
  m_detailGrafik = check(IDC_DETAIL_GRAFIK, "Umgebungsgrafik anzeigen", g_settings.DetailGrafik);
  // List group.
  m_listeWhf = check(IDC_LISTE_WHF, "für ULOB2110 nur Wiederholungsfaktor anzeigen", g_settings.ListeWhf);
  m_listeMaxAnz = AddNumberField(IDC_LISTE_MAXANZ, true, true, 1, 50000);
  m_listeStart = AddNumberField(IDC_LISTE_START, true, true, 0, 99999999);
  // Export group.
  m_kurzform = radio(IDC_KURZFORM, "Kurzform ");
  m_langform = radio(IDC_LANGFORM, "Langform ");

  m_abstand->setText(FormatDialogNumber(g_settings.Gitterabstand));
  m_texthoehe->setText(FormatDialogNumber(g_textHeight));
  m_rechtswert->setText(FormatDialogNumber(ViewCentreShownX()));
  m_hochwert->setText(FormatDialogNumber(ViewCentreShownY()));
  m_meterProPixel->setText(FormatDialogNumber(ViewMetresPerPixel()));
  m_detailMaxAnz->setText(QString::number(g_settings.DetailMaxAnz));
  m_detailStart->setText(QString::number(g_detailStart));
  m_listeMaxAnz->setText(QString::number(g_settings.ListeMaxAnz));
  m_listeStart->setText(QString::number(g_listStart));

  auto* grafik = new QGroupBox(QStringLiteral("Grafik"), this);
  auto* g = new QGridLayout(grafik);
  g->addWidget(m_gitternetz, 0, 0, 1, 3);
  g->addWidget(m_gitterschrift, 1, 0, 1, 3);
  g->addWidget(m_gitterauto, 2, 0, 1, 3);
  g->addWidget(m_abstandLabel, 3, 0, 1, 2);
  g->addWidget(m_abstand, 3, 2);
  g->addWidget(label("Texthöhe in Meter "), 4, 0, 1, 2);
  g->addWidget(m_texthoehe, 4, 2);
  g->addWidget(m_nurFiltermenge, 5, 0, 1, 3);
  g->addWidget(m_alles, 6, 0, 1, 3);
  g->addWidget(label("Mittelpunkt: "), 7, 0, 1, 3);
  g->addWidget(label("Rechtswert "), 8, 1);
  g->addWidget(m_rechtswert, 8, 2);
  g->addWidget(label("Hochwert "), 9, 1);
  g->addWidget(m_hochwert, 9, 2);
  g->addWidget(label("Meter pro Pixel "), 10, 0, 1, 2);
  g->addWidget(m_meterProPixel, 10, 2);
  g->setColumnMinimumWidth(0, 16);
  g->setRowStretch(11, 1);

  auto* detail = new QGroupBox(QStringLiteral("Detail"), this);
  auto* d = new QGridLayout(detail);
  d->addWidget(m_detailWhf, 0, 0, 1, 2);
  d->addWidget(label("Maximale Anzahl Zeilen: "), 1, 0);
  d->addWidget(m_detailMaxAnz, 1, 1);
  d->addWidget(label("Beginnen mit: "), 2, 0);
  d->addWidget(m_detailStart, 2, 1);
  d->addWidget(m_detailGrafik, 3, 0, 1, 2);

  auto* liste = new QGroupBox(QStringLiteral("Liste"), this);
  auto* l = new QGridLayout(liste);
  l->addWidget(m_listeWhf, 0, 0, 1, 2);
  l->addWidget(label("Maximale Anzahl Zeilen: "), 1, 0);
  l->addWidget(m_listeMaxAnz, 1, 1);
  l->addWidget(label("Beginnen mit: "), 2, 0);
  l->addWidget(m_listeStart, 2, 1);

  auto* export_ = new QGroupBox(QStringLiteral("Lesbar speichern"), this);
  auto* e = new QHBoxLayout(export_);
  e->addWidget(m_kurzform);
  e->addWidget(m_langform);
  e->addStretch(1);

  const auto [ok, cancel] = MakeOkCancelButtons(IDC_OK, IDC_CANCEL);
  QPushButton* help = MakeHelpButton(IDC_HELP);

  auto* right = new QVBoxLayout;
  right->addWidget(detail);
  right->addWidget(liste);
  right->addWidget(export_);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addWidget(grafik);
  columns->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  (g_graphicMode == 0 ? m_nurFiltermenge : m_alles)->setChecked(true);
  (g_settings.Kurzform == 0 ? m_kurzform : m_langform)->setChecked(true);
  ShowSpacing(!g_settings.Gitterauto);
  connect(m_gitterauto, &QCheckBox::toggled, this, [this](bool on) { ShowSpacing(!on); });
}

QLineEdit* COptionsDialog::AddNumberField(int id, bool integer, bool ranged, double min, double max) {
  auto* edit = new QLineEdit(this);
  SetControlId(edit, id);
  edit->setMaximumWidth(120);
  m_fields.push_back({edit, integer, ranged, min, max});
  return edit;
}

void COptionsDialog::ShowSpacing(bool show) {
  m_abstandLabel->setVisible(show);
  m_abstand->setVisible(show);
}

std::optional<double> COptionsDialog::Validate(const NumberField& field) {
  QString message;
  std::optional<double> value;
  if (field.integer) {
    const std::optional<long long> v = ParseDialogInteger(field.edit->text());
    if (!v) {
      message = QStringLiteral("Please enter an integer.");
    } else if (field.ranged && (*v < field.min || *v > field.max)) {
      message = QStringLiteral("Please enter an integer between %1 and %2.")
                    .arg(static_cast<long long>(field.min))
                    .arg(static_cast<long long>(field.max));
    } else {
      value = static_cast<double>(*v);
    }
  } else {
    const std::optional<double> v = ParseDialogNumber(field.edit->text());
    if (!v) {
      message = QStringLiteral("Please enter a number.");
    } else if (field.ranged && (*v < field.min || *v > field.max)) {
      message = QStringLiteral("Please enter a number between %1 and %2.")
                    .arg(FormatDialogNumber(field.min), FormatDialogNumber(field.max));
    } else {
      value = *v;
    }
  }
  if (!value) {
    edbs::Prompt().ShowMessage(ToCoreText(message));
    field.edit->setFocus(Qt::OtherFocusReason);
    field.edit->selectAll();
  }
  return value;
}

void COptionsDialog::accept() {
  std::vector<double> values;
  for (const NumberField& field : m_fields) {
    // A field hidden from the user is not his to correct: the spacing while it is automatic.
    if (field.edit == m_abstand && m_gitterauto->isChecked()) {
      values.push_back(g_settings.Gitterabstand);
      continue;
    }
    const std::optional<double> v = Validate(field);
    if (!v) return;
    values.push_back(*v);
  }
  auto valueOf = [&](const QLineEdit* edit) {
    for (std::size_t k = 0; k < m_fields.size(); ++k) {
      if (m_fields[k].edit == edit) return values[k];
    }
    return 0.0;
  };

  g_settings.Gitternetz = m_gitternetz->isChecked();
  g_settings.Gitterschrift = m_gitterschrift->isChecked();
  g_settings.Gitterauto = m_gitterauto->isChecked();
  g_settings.Gitterabstand = valueOf(m_abstand);
  g_settings.DetailWhf = m_detailWhf->isChecked();
  g_settings.DetailMaxAnz = static_cast<int>(valueOf(m_detailMaxAnz));
  g_detailStart = static_cast<int>(valueOf(m_detailStart));
  g_settings.DetailGrafik = m_detailGrafik->isChecked();
  g_settings.ListeWhf = m_listeWhf->isChecked();
  g_settings.ListeMaxAnz = static_cast<int>(valueOf(m_listeMaxAnz));
  g_listStart = static_cast<int>(valueOf(m_listeStart));
  g_settings.Kurzform = m_kurzform->isChecked() ? 0 : 1;
  g_graphicMode = m_nurFiltermenge->isChecked() ? 0 : 1;
  g_textHeight = valueOf(m_texthoehe);
  ApplyViewScaleAndCentre(valueOf(m_meterProPixel), valueOf(m_rechtswert), valueOf(m_hochwert));
  QDialog::accept();
}

}  // namespace satzlupe
