#include "reopen_dialog.h"

#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "load/file_reader.h"
#include "load/recent_files.h"
#include "qtext.h"

namespace satzlupe {

CReopenDialog::CReopenDialog(QWidget* parent) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Wiedereröffnen"));

  m_list = new QListWidget(this);
  SetControlId(m_list, IDC_LIST);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setMinimumWidth(420);
  for (int k = 0; k < kRecentFileSlots; ++k) {
    if (g_recentFiles[k].empty()) continue;
    m_list->addItem(PathToQString(g_recentFiles[k]));
    m_rowSlots.push_back(k);
  }
  if (m_list->count() > 0) m_list->setCurrentRow(0);

  m_clearAndOpen = new QRadioButton(QStringLiteral("Löschen und öffnen"), this);
  SetControlId(m_clearAndOpen, IDC_CLEAR_AND_OPEN);
  m_clearAndOpen->setChecked(true);
  m_add = new QRadioButton(QStringLiteral("Hinzuaddieren"), this);
  SetControlId(m_add, IDC_ADD);

  const auto [ok, cancel] = MakeOkCancelButtons(IDC_OK, IDC_CANCEL);
  QPushButton* help = MakeHelpButton(IDC_HELP);
  // A row stays selected: a click that would leave none selects the current row again. OK waits
  // for a row, so an empty list cannot read a file that it does not show.
  connect(m_list, &QListWidget::itemSelectionChanged, this, [this, ok = ok] {
    if (m_list->selectedItems().isEmpty() && m_list->count() > 0) {
      m_list->setCurrentRow(std::max(0, m_list->currentRow()), QItemSelectionModel::ClearAndSelect);
    }
    ok->setEnabled(!m_list->selectedItems().isEmpty());
  });
  ok->setEnabled(!m_list->selectedItems().isEmpty());

  auto* modes = new QHBoxLayout;
  modes->addWidget(m_clearAndOpen);
  modes->addWidget(m_add);
  modes->addStretch(1);
  auto* left = new QVBoxLayout;
  left->addWidget(m_list);
  left->addLayout(modes);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);
}

void CReopenDialog::accept() {
  const QModelIndexList selected = m_list->selectionModel()->selectedRows();
  const int row = selected.isEmpty() ? -1 : selected.first().row();
  if (row < 0 || row >= static_cast<int>(m_rowSlots.size())) return;  // nothing chosen, nothing read
  g_fileName = g_recentFiles[m_rowSlots[row]];
  g_pendingAction = m_add->isChecked() ? kPendingAdd : kPendingOpen;
  QDialog::accept();
}

}  // namespace satzlupe
