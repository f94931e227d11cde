#include "list_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleOptionTab>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "qtext.h"
#include "store/edbs_store.h"
#include "views/settings.h"

namespace satzlupe {

// ---- ListPageModel ----

void ListPageModel::SetPage(std::vector<ListColumn> columns, std::vector<ListRow> rows) {
  beginResetModel();
  m_columns = std::move(columns);
  m_rows = std::move(rows);
  endResetModel();
}

int ListPageModel::RecordOfRow(int row) const {
  return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].record : -1;
}

int ListPageModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ListPageModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ListPageModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const ListRow& row = m_rows[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
      const std::string& cell = row.cells[static_cast<std::size_t>(index.column())];
      if (cell.empty()) return {};
      return ToQString(cell);
    }
    case Qt::UserRole: return row.record;
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant ListPageModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  return ToQString(m_columns[static_cast<std::size_t>(section)].header);
}

// ---- ListTabBar ----

void ListTabBar::SetNoneChosen(bool none) {
  m_noneChosen = none;
  update();
}

void ListTabBar::initStyleOption(QStyleOptionTab* option, int tabIndex) const {
  QTabBar::initStyleOption(option, tabIndex);
  if (m_noneChosen) option->state &= ~QStyle::State_Selected;
}

// ---- CListDialog ----

QIcon CListDialog::GroupIcon(bool empty) {
  return QIcon(QStringLiteral(":/icons/%1.xpm").arg(empty ? kIconEmpty : kIconFilled));
}

CListDialog::CListDialog(QWidget* parent) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Liste"));

  m_tabs = new ListTabBar(this);
  m_tabs->setObjectName(QStringLiteral("listTabs"));
  m_tabs->setExpanding(false);
  m_tabs->setUsesScrollButtons(true);
  m_tabs->setIconSize(QSize(16, 16));
  const std::array<bool, kListTabCount> empty = ListGroupsEmpty();
  for (int tab = 0; tab < kListTabCount; ++tab) {
    const QString label = ToQString(ListTabLabel(tab));
    if (tab == kListAlle) {
      m_tabs->addTab(label);
    } else {
      m_tabs->addTab(GroupIcon(empty[static_cast<std::size_t>(tab)]), label);
    }
  }
  // A click chooses a tab even when it is the current one, which it is before any choice.
  connect(m_tabs, &QTabBar::tabBarClicked, this, [this](int tab) {
    if (tab >= 0) SelectTab(tab);
  });
  connect(m_tabs, &QTabBar::currentChanged, this, [this](int tab) {
    if (tab >= 0 && tab != m_tab) SelectTab(tab);  // chosen with the keyboard
  });

  m_list = new QTableView(this);
  m_list->setObjectName(QStringLiteral("listView"));
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
  m_list->horizontalHeader()->setHighlightSections(false);

  m_slider = new QSlider(Qt::Vertical, this);
  m_slider->setObjectName(QStringLiteral("listSlider"));
  m_slider->setInvertedAppearance(true);  // the first record at the top
  m_slider->setInvertedControls(true);
  m_slider->setTickPosition(QSlider::TicksRight);
  connect(m_slider, &QSlider::valueChanged, this, &CListDialog::OnSliderValue);
  connect(m_slider, &QSlider::sliderReleased, this, &CListDialog::OnSliderReleased);

  m_sliderText = new QLabel(this);
  m_sliderText->setObjectName(QStringLiteral("listSliderText"));
  m_sliderText->setMinimumWidth(m_sliderText->fontMetrics().horizontalAdvance(QStringLiteral("Nr. 0000000: Satz 000000.00")));
  m_sliderText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  QPushButton* help = MakeHelpButton(0);
  help->setObjectName(QStringLiteral("helpButton"));  // no control topic: F1 shows the dialog's

  auto* middle = new QHBoxLayout;
  middle->addWidget(m_list, 1);
  middle->addWidget(m_slider);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(ok);
  bottom->addWidget(help);
  bottom->addStretch(1);
  bottom->addWidget(m_sliderText);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  layout->addLayout(middle, 1);
  layout->addLayout(bottom);
  resize(960, 600);
  ShowStart();
}

void CListDialog::ShowStart() {
  const QSignalBlocker block(m_slider);
  m_slider->setRange(0, 0);
  m_slider->setValue(0);
  m_model.SetPage({{ListStartHeader(), kListStartWidth}}, {});
  m_list->setColumnWidth(0, kListStartWidth);
  SetBackground(kListStartBackground);
}

void CListDialog::SetBackground(const ListColour& colour) {
  QPalette palette = m_list->palette();
  palette.setColor(QPalette::Base, QColor(colour.r, colour.g, colour.b));
  m_list->setPalette(palette);
}

void CListDialog::SelectTab(int tab) {
  if (tab < 0 || tab >= kListTabCount) return;
  m_tab = tab;
  {
    const QSignalBlocker block(m_tabs);
    m_tabs->setCurrentIndex(tab);
  }
  m_tabs->SetNoneChosen(false);
  RebuildListIndex(tab);
  const int count = static_cast<int>(g_listIndex.size());
  const int page = std::max(1, g_settings.ListeMaxAnz);
  {
    const QSignalBlocker block(m_slider);
    m_slider->setRange(0, std::max(0, count - 1));
    m_slider->setSingleStep(1);
    m_slider->setPageStep(page);
    m_slider->setTickInterval(page);
  }
  FillPage();
}

void CListDialog::FillPage() {
  if (m_tab < 0) return;
  m_filling = true;
  const bool whf = g_settings.ListeWhf;
  std::vector<ListRow> rows = BuildListPage(m_tab, g_settings.ListeMaxAnz, whf);
  std::vector<ListColumn> columns = ListColumns(m_tab, whf);
  std::vector<int> widths;
  for (const ListColumn& c : columns) widths.push_back(c.width);
  m_model.SetPage(std::move(columns), std::move(rows));
  for (int c = 0; c < static_cast<int>(widths.size()); ++c) m_list->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
  SetBackground(ListTabBackground(m_tab));
  m_list->scrollToTop();
  m_slider->setValue(g_listStart);
  m_sliderText->setText(ToQString(ListSliderText(g_listStart)));
  m_filling = false;
}

void CListDialog::OnSliderValue(int position) {
  m_sliderText->setText(ToQString(ListSliderText(position)));
  // Keys, page clicks and the wheel move the slider without a drag: the page follows at once.
  if (!m_filling && !m_slider->isSliderDown() && m_tab >= 0) {
    g_listStart = position;
    FillPage();
  }
}

void CListDialog::OnSliderReleased() {
  if (m_tab < 0) return;
  g_listStart = m_slider->value();
  FillPage();
}

}  // namespace satzlupe
