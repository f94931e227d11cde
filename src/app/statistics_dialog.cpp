#include "statistics_dialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextOption>
#include <QVBoxLayout>

#include <cmath>

#include "platform/services.h"
#include "qtext.h"
#include "views/statistics.h"

namespace satzlupe {

namespace {

struct StatisticButton {
  int id;
  const char* label;  // UTF-8
  int kind;
};

// The buttons from top to bottom.
constexpr StatisticButton kButtons[] = {
    {CStatisticsDialog::IDC_OPSCHLUESSEL, "Operationsschlüssel", kStatOpKeys},
    {CStatisticsDialog::IDC_INFONAMEN, "Informationsnamen", kStatInfoNames},
    {CStatisticsDialog::IDC_AGGREGATE, "Aggregate", kStatAggregates},
    {CStatisticsDialog::IDC_FOLIEN, "Folien", kStatLayers},
    {CStatisticsDialog::IDC_OBJEKTARTEN, "Objektarten", kStatObjectKinds},
    {CStatisticsDialog::IDC_OBJEKTSCHLUESSEL, "Objektschlüssel", kStatObjectKeys},
    {CStatisticsDialog::IDC_ART_INFORMATION, "Art der Information", kStatInfoKinds},
    {CStatisticsDialog::IDC_ART_GEOMETRIE, "Art der Geometrie", kStatGeometryKinds},
    {CStatisticsDialog::IDC_FACHKENNUNGEN, "Fachkennungen", kStatFachkennungen},
    {CStatisticsDialog::IDC_EXTREMAL, "Extremalkoordinaten", kStatExtremes},
    {CStatisticsDialog::IDC_ATTRIBUTE, "Attribute", kStatAttributes},
    {CStatisticsDialog::IDC_WHF, "Wiederholungsfaktoren", kStatRepeatCounts},
    {CStatisticsDialog::IDC_SAETZE_DATEIEN, "Sätze - Dateien", kStatRecordsPerFile},
};

constexpr int kTextMargin = 4;

}  // namespace

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  const QWidget* widget = opt.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);  // background and selection

  QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
  textOption.setWrapMode(QTextOption::NoWrap);
  textOption.setTabStopDistance(m_tabStop);
  const bool selected = opt.state & QStyle::State_Selected;
  painter->save();
  painter->setFont(opt.font);
  painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(QRectF(opt.rect.adjusted(kTextMargin, 0, -kTextMargin, 0)), text, textOption);
  painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  // Wide enough for the text with its tabs expanded, so that the list scrolls sideways if needed.
  const QStringList pieces = index.data().toString().split(QLatin1Char('\t'));
  const QFontMetricsF metrics(option.font);
  qreal x = 0;
  for (int k = 0; k < pieces.size(); ++k) {
    if (k > 0) x = (std::floor(x / m_tabStop) + 1) * m_tabStop;
    x += metrics.horizontalAdvance(pieces[k]);
  }
  size.setWidth(static_cast<int>(x) + 2 * kTextMargin);
  return size;
}

CStatisticsDialog::CStatisticsDialog(QWidget* parent) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Statistik"));

  auto* buttons = new QVBoxLayout;
  for (const StatisticButton& b : kButtons) {
    auto* button = new QPushButton(QString::fromUtf8(b.label), this);
    SetControlId(button, b.id);
    button->setAutoDefault(false);
    const int kind = b.kind;
    connect(button, &QPushButton::clicked, this, [this, kind] { ShowStatistic(kind); });
    buttons->addWidget(button);
  }
  buttons->addStretch(1);

  m_list = new QListWidget(this);
  m_list->setObjectName(QStringLiteral("statisticsList"));
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  m_list->setFont(fixed);
  m_list->setItemDelegate(
      new TabStopDelegate(QFontMetricsF(fixed).horizontalAdvance(QLatin1Char('0')) * kTabStopChars, m_list));
  m_list->setUniformItemSizes(true);
  m_list->addItem(ToQString(StatisticsStartLine()));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  QPushButton* help = MakeHelpButton(0);
  help->setObjectName(QStringLiteral("helpButton"));  // no control topic: F1 shows the dialog's

  auto* top = new QHBoxLayout;
  top->addLayout(buttons);
  top->addWidget(m_list, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(ok);
  bottom->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(bottom);
  resize(720, 520);
}

QPushButton* CStatisticsDialog::Button(int controlId) const {
  return findChild<QPushButton*>(QStringLiteral("ctl%1").arg(controlId));
}

void CStatisticsDialog::ShowStatistic(int kind) {
  edbs::Cursor().Show(true);
  const std::vector<std::string> lines = StatisticLines(kind);
  m_list->clear();
  for (const std::string& line : lines) m_list->addItem(ToQString(line));
  edbs::Cursor().Show(false);
}

}  // namespace satzlupe
