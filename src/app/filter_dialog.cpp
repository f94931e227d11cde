#include "filter_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/services.h"
#include "qtext.h"
#include "records/filter_table.h"
#include "store/edbs_store.h"
#include "views/filter.h"

namespace satzlupe {
namespace {

constexpr int kTabsPerRow = 9;
constexpr const char* kCoordinateNames[] = {"coordVonRechtswert", "coordVonHochwert", "coordBisRechtswert",
                                            "coordBisHochwert"};

}  // namespace

CFilterDialog::CFilterDialog(QWidget* parent) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Filter"));

  m_heading = new QLineEdit(this);
  m_heading->setObjectName(QStringLiteral("filterName"));
  m_heading->setReadOnly(true);
  m_description = new QLineEdit(this);
  m_description->setObjectName(QStringLiteral("filterDescription"));
  m_description->setReadOnly(true);
  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("filterList"));
  m_list->setSelectionMode(QAbstractItemView::MultiSelection);
  m_list->setMinimumHeight(180);
  m_line = new QLineEdit(this);
  m_line->setObjectName(QStringLiteral("filterLine"));
  m_extra = new QCheckBox(this);
  m_extra->setObjectName(QStringLiteral("filterExtra"));
  m_coordinates = MakeCoordinateFields();

  auto* criterion = new QGroupBox(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Filtername:"), m_heading);
  form->addRow(QStringLiteral("Beschreibung:"), m_description);
  auto* c = new QVBoxLayout(criterion);
  c->addLayout(form);
  c->addWidget(m_list, 1);
  c->addWidget(m_line);
  c->addWidget(m_extra);
  c->addWidget(m_coordinates);
  c->addStretch(0);

  m_refine = new QRadioButton(QStringLiteral("Weiter filtern"), this);
  m_refine->setObjectName(QStringLiteral("filterWeiter"));
  m_extend = new QRadioButton(QStringLiteral("Addieren"), this);
  m_extend->setObjectName(QStringLiteral("filterAddieren"));
  m_extend->setChecked(true);
  m_negate = new QCheckBox(QStringLiteral("Komplimentär Filter"), this);
  m_negate->setObjectName(QStringLiteral("filterKomplement"));

  auto* run = new QPushButton(QStringLiteral("Filter ausführen"), this);
  SetControlId(run, IDC_FILTER_AUSFUEHREN);
  run->setDefault(true);  // Enter in the argument line runs the criterion
  connect(run, &QPushButton::clicked, this, &CFilterDialog::RunCriterion);
  auto* clear = new QPushButton(QStringLiteral("Filtermenge leeren"), this);
  SetControlId(clear, IDC_FILTERMENGE_LEEREN);
  clear->setAutoDefault(false);
  connect(clear, &QPushButton::clicked, this, &CFilterDialog::ClearFilterSet);
  m_count = new QLabel(this);
  SetControlId(m_count, IDC_ANZAHL);
  m_count->setFrameShape(QFrame::StyledPanel);
  m_count->setMinimumWidth(110);
  m_count->setAlignment(Qt::AlignCenter);

  auto* mode = new QHBoxLayout;
  mode->addWidget(m_refine);
  mode->addWidget(m_extend);
  mode->addSpacing(24);
  mode->addWidget(m_negate);
  mode->addStretch(1);
  auto* actions = new QHBoxLayout;
  actions->addWidget(run);
  actions->addWidget(clear);
  actions->addSpacing(24);
  actions->addWidget(new QLabel(QStringLiteral("Es sind jetzt"), this));
  actions->addWidget(m_count);
  actions->addWidget(new QLabel(QStringLiteral("in der Filtermenge"), this));
  actions->addStretch(1);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("filterOk"));
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  QPushButton* help = MakeHelpButton(0);
  help->setObjectName(QStringLiteral("filterHilfe"));  // no topic of its own: F1 shows the dialog's
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(help);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MakeTabStrip());
  layout->addWidget(criterion, 1);
  layout->addLayout(mode);
  layout->addLayout(actions);
  layout->addLayout(buttons);

  SelectTab(0);
  ShowCount();
}

QWidget* CFilterDialog::MakeTabStrip() {
  auto* strip = new QWidget(this);
  strip->setObjectName(QStringLiteral("filterTabs"));
  auto* grid = new QGridLayout(strip);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(2);
  m_tabButtons = new QButtonGroup(this);
  m_tabButtons->setExclusive(true);
  for (int tab = 0; tab < kFilterTabCount; ++tab) {
    auto* button = new QToolButton(strip);
    button->setObjectName(QStringLiteral("filterTab%1").arg(tab));
    button->setText(ToQString(FilterTabInfo(tab).label));
    button->setCheckable(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_tabButtons->addButton(button, tab);
    grid->addWidget(button, tab / kTabsPerRow, tab % kTabsPerRow);
  }
  connect(m_tabButtons, &QButtonGroup::idClicked, this, &CFilterDialog::SelectTab);
  return strip;
}

QWidget* CFilterDialog::MakeCoordinateFields() {
  auto* box = new QWidget(this);
  box->setObjectName(QStringLiteral("filterKoordinaten"));
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Rechtswert"), box), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Hochwert"), box), 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("VON:"), box), 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("BIS:"), box), 2, 0);
  for (int k = 0; k < 4; ++k) {
    auto* field = new QLineEdit(QStringLiteral("0"), box);
    field->setObjectName(QString::fromLatin1(kCoordinateNames[k]));
    grid->addWidget(field, 1 + k / 2, 1 + k % 2);
    m_coordinateFields[static_cast<std::size_t>(k)] = field;
  }
  grid->setColumnStretch(3, 1);
  return box;
}

void CFilterDialog::SelectTab(int tab) {
  m_tab = tab;
  for (QAbstractButton* button : m_tabButtons->buttons()) {
    const bool current = m_tabButtons->id(button) == tab;
    button->setChecked(current);
    QFont font = button->font();
    font.setBold(current);  // the chosen tab stands out as on a tab control
    button->setFont(font);
  }
  const FilterCriterionInfo& info = FilterTabInfo(tab);
  m_heading->setText(ToQString(info.heading));
  m_description->setText(ToQString(info.description));
  m_list->clear();
  if (info.input == FilterInput::kList) {
    for (const std::string& line : FilterListLines(tab)) m_list->addItem(ToQString(line));
  }
  const FilterCriterionInfo* extra = FilterTabExtra(tab);
  m_extra->setText(extra != nullptr ? ToQString(extra->checkboxLabel) : QString());
  m_extra->setVisible(extra != nullptr);
  m_list->setVisible(info.input == FilterInput::kList);
  m_line->setVisible(info.input == FilterInput::kLine);
  m_coordinates->setVisible(info.input == FilterInput::kCoordinates);
}

void CFilterDialog::RunCriterion() {
  FilterRun run;
  run.tab = m_tab;
  run.refine = m_refine->isChecked();
  run.negate = m_negate->isChecked();
  run.extraTicked = FilterTabExtra(m_tab) != nullptr && m_extra->isChecked();
  run.argumentLine = ToCoreText(m_line->text());
  for (int row = 0; row < m_list->count(); ++row) {
    if (m_list->item(row)->isSelected()) run.selectedLines.push_back(ToCoreText(m_list->item(row)->text()));
  }
  for (std::size_t k = 0; k < run.coordinates.size(); ++k) run.coordinates[k] = ToCoreText(m_coordinateFields[k]->text());
  if (const std::optional<std::string> message = RunFilter(run)) edbs::Prompt().ShowMessage(*message);
  ShowCount();
}

void CFilterDialog::ClearFilterSet() {
  g_store.ClearFilterSet();
  ShowCount();
}

void CFilterDialog::ShowCount() { m_count->setText(ToQString(FilterCountText())); }

}  // namespace satzlupe
