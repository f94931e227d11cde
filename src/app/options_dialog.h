#pragma once
// "Optionen" (dialog 162): every setting of the program together with the centre and the scale
// of the graphic. OK checks the number fields in dialog order and applies everything.

#include <optional>
#include <vector>

#include "help_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace satzlupe {

class COptionsDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 162;
  enum ControlId {
    IDC_GITTERNETZ = 400,
    IDC_GITTERSCHRIFT = 401,
    IDC_GITTERAUTO = 402,
    IDC_GITTERABSTAND_LABEL = 403,
    IDC_GITTERABSTAND = 404,
    IDC_TEXTHOEHE = 405,
    IDC_NUR_FILTERMENGE = 406,
    IDC_ALLES = 407,
    IDC_RECHTSWERT = 408,
    IDC_HOCHWERT = 409,
    IDC_METER_PRO_PIXEL = 410,
    IDC_DETAIL_WHF = 411,
    IDC_DETAIL_MAXANZ = 412,
    IDC_DETAIL_START = 413,
    IDC_DETAIL_GRAFIK = 414,
    IDC_LISTE_WHF = 415,
    IDC_LISTE_MAXANZ = 416,
    IDC_LISTE_START = 417,
    IDC_KURZFORM = 418,
    IDC_LANGFORM = 419,
    IDC_OK = 420,
    IDC_CANCEL = 421,
    IDC_HELP = 422,
  };

  explicit COptionsDialog(QWidget* parent = nullptr);

  // Validates the fields; on success takes over every setting, scale and centre and closes.
  void accept() override;

 private:
  struct NumberField {
    QLineEdit* edit;
    bool integer;
    bool ranged;
    double min, max;
  };
  // The value of a field, or nothing after the message for a field that cannot be taken.
  std::optional<double> Validate(const NumberField& field);
  QLineEdit* AddNumberField(int id, bool integer, bool ranged, double min, double max);
  void ShowSpacing(bool show);

  QCheckBox* m_gitternetz;
  QCheckBox* m_gitterschrift;
  QCheckBox* m_gitterauto;
  QLabel* m_abstandLabel;
  QLineEdit* m_abstand;
  QLineEdit* m_texthoehe;
  QRadioButton* m_nurFiltermenge;
  QRadioButton* m_alles;
  QLineEdit* m_rechtswert;
  QLineEdit* m_hochwert;
  QLineEdit* m_meterProPixel;
  QCheckBox* m_detailWhf;
  QLineEdit* m_detailMaxAnz;
  QLineEdit* m_detailStart;
  QCheckBox* m_detailGrafik;
  QCheckBox* m_listeWhf;
  QLineEdit* m_listeMaxAnz;
  QLineEdit* m_listeStart;
  QRadioButton* m_kurzform;
  QRadioButton* m_langform;
  std::vector<NumberField> m_fields;  // in dialog order
};

// How the dialog shows a number: integers plainly, others with up to 15 significant digits.
QString FormatDialogNumber(double value);
// Reads a number field as the dialog does: surrounding blanks and a leading sign allowed, a
// decimal comma taken for the point; "inf", "nan" and other words are no number. A number too
// large for its type comes back as the largest value of its sign (infinity for decimals), so that
// the range check refuses it.
std::optional<long long> ParseDialogInteger(const QString& text);
std::optional<double> ParseDialogNumber(const QString& text);

// The spacing field's limits: metres whose millimetres fit the profile's 32-bit value.
inline constexpr double kMinSpacing = -2147483.648;
inline constexpr double kMaxSpacing = 2147483.647;

}  // namespace satzlupe
