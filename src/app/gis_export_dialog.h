#pragma once
// "GIS-Export" (dialog 170): the reference system of the data, suggested from its Gauss-Krueger
// zone, and, when asked, the reference system to convert the coordinates into. Each field shows
// the name of the system it names; OK takes only codes that PROJ knows.

#include "help_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace satzlupe {

class CGisExportDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 170;
  enum ControlId {
    IDC_GIS_AUSGABE = 430,
    IDC_GIS_CRS = 431,
    IDC_GIS_CRS_NAME = 432,
    IDC_GIS_UMRECHNEN = 433,
    IDC_GIS_ZIEL = 434,
    IDC_GIS_ZIEL_NAME = 435,
    IDC_OK = 436,
    IDC_CANCEL = 437,
    IDC_HELP = 438,
  };

  // output: the path and format shown at the top. suggestedEpsg 0 leaves the field empty.
  CGisExportDialog(const QString& output, int suggestedEpsg, int targetEpsg, QWidget* parent = nullptr);

  int SourceEpsg() const { return m_sourceEpsg; }
  int TargetEpsg() const { return m_targetEpsg; }  // 0: no conversion

  // Takes the codes; an unknown code gets a message and the focus instead.
  void accept() override;

 private:
  // The code of a field, or 0 after the message for a text that names no known system.
  int CheckedCode(QLineEdit* edit);

  QLineEdit* m_crs;
  QLabel* m_crsName;
  QCheckBox* m_convert;
  QLineEdit* m_target;
  QLabel* m_targetName;
  int m_sourceEpsg = 0;
  int m_targetEpsg = 0;
};

// "EPSG:31469": how the dialog writes a code.
QString EpsgText(int epsg);

}  // namespace satzlupe
