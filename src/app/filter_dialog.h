#pragma once
// "Filter" (dialog 141): one of 26 criteria chosen on a tab strip, its arguments as a list
// selection, an argument line or a coordinate window, and the run that refines, extends or
// negates the filter set. Criteria can be run one after the other while the dialog stays open.

#include <array>

#include "help_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace satzlupe {

class CFilterDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 141;
  enum ControlId {
    IDC_FILTER_AUSFUEHREN = 254,
    IDC_ANZAHL = 257,
    IDC_FILTERMENGE_LEEREN = 258,
  };

  explicit CFilterDialog(QWidget* parent = nullptr);

  int CurrentTab() const { return m_tab; }
  // Selects a tab as a click on it does.
  void SelectTab(int tab);
  // "Filter ausführen": runs the criterion of the current tab.
  void RunCriterion();
  // "Filtermenge leeren".
  void ClearFilterSet();

 private:
  QWidget* MakeTabStrip();
  QWidget* MakeCoordinateFields();
  void ShowCount();

  int m_tab = -1;
  QButtonGroup* m_tabButtons;
  QLineEdit* m_heading;
  QLineEdit* m_description;
  QListWidget* m_list;
  QLineEdit* m_line;
  QCheckBox* m_extra;
  QWidget* m_coordinates;
  std::array<QLineEdit*, 4> m_coordinateFields{};  // VON Rechtswert, VON Hochwert, BIS Rechtswert, BIS Hochwert
  QRadioButton* m_refine;
  QRadioButton* m_extend;
  QCheckBox* m_negate;
  QLabel* m_count;
};

}  // namespace satzlupe
