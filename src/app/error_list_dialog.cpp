#include "error_list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "load/error_list.h"
#include "qtext.h"

namespace satzlupe {

int ErrorListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(g_errorMessages.size());
}

int ErrorListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

QVariant ErrorListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(g_errorMessages.size())) return {};
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  const ErrorListRow row = GetErrorListRow(index.row());
  switch (index.column()) {
    case 0: return ToQString(row.line);
    case 1: return ToQString(row.kind);
    case 2: return ToQString(row.description);
    case 3: return ToQString(row.record);
    default: return {};
  }
}

QVariant ErrorListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  static const char* const titles[4] = {"Zeile", "Art", "Beschreibung", "EDBS-Satz"};
  return section >= 0 && section < 4 ? QString::fromLatin1(titles[section]) : QVariant();
}

CErrorListDialog::CErrorListDialog(QWidget* parent) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Beim Öffnen der Datei aufgetretene Fehler"));

  m_list = new QTableView(this);
  SetControlId(m_list, IDC_LIST);
  m_list->setModel(&m_model);
  m_list->setShowGrid(true);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->setWordWrap(false);
  m_list->setTextElideMode(Qt::ElideRight);
  m_list->verticalHeader()->hide();
  m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
  m_list->horizontalHeader()->setSectionsMovable(true);
  m_list->horizontalHeader()->setStretchLastSection(false);
  m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int c = 0; c < 4; ++c) m_list->setColumnWidth(c, kColumnWidths[c]);
  QPalette palette = m_list->palette();
  palette.setColor(QPalette::Base, QColor(223, 223, 223));
  m_list->setPalette(palette);
  m_list->setMinimumSize(720, 300);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  SetControlId(ok, IDC_OK);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  QPushButton* help = MakeHelpButton(IDC_HELP);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list, 1);
  layout->addLayout(buttons);
  resize(780, 420);
}

}  // namespace satzlupe
