#pragma once
// "Statistik" (dialog 109): thirteen buttons on the left, each filling the list on the right with
// one statistic of the records in scope, computed by the core (views/statistics.h).

#include <QStyledItemDelegate>

#include "help_dialog.h"

class QListWidget;
class QPushButton;

namespace satzlupe {

// Draws a list line with its tabs expanded to fixed stops, so that the columns of the
// statistics line up.
class TabStopDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  TabStopDelegate(qreal tabStop, QObject* parent) : QStyledItemDelegate(parent), m_tabStop(tabStop) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  qreal m_tabStop;
};

class CStatisticsDialog : public CHelpDialog {
  Q_OBJECT
 public:
  static constexpr int kDialogId = 109;
  enum ControlId {
    IDC_OPSCHLUESSEL = 277,
    IDC_INFONAMEN = 279,
    IDC_AGGREGATE = 280,
    IDC_FOLIEN = 281,
    IDC_OBJEKTARTEN = 282,
    IDC_OBJEKTSCHLUESSEL = 283,
    IDC_ART_GEOMETRIE = 284,
    IDC_ATTRIBUTE = 285,
    IDC_WHF = 286,
    IDC_FACHKENNUNGEN = 287,
    IDC_ART_INFORMATION = 288,
    IDC_EXTREMAL = 289,
    IDC_SAETZE_DATEIEN = 290,
  };
  // Tab stops of the list, in characters of its fixed-pitch font.
  static constexpr int kTabStopChars = 12;

  explicit CStatisticsDialog(QWidget* parent = nullptr);

  // Shows the statistic of a kind (views/statistics.h), as its button does.
  void ShowStatistic(int kind);
  QListWidget* List() const { return m_list; }
  QPushButton* Button(int controlId) const;

 private:
  QListWidget* m_list;
};

}  // namespace satzlupe
