#include "error_list_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_set>

#include "commands.h"
#include "load/error_list.h"
#include "platform/services.h"
#include "qtext.h"

namespace satzlupe {
namespace {

enum Column { kLine, kKind, kDescription, kRecord, kColumns };

std::string_view ColumnText(const ErrorListRow& row, int column) {
  switch (column) {
    case kLine: return row.line;
    case kKind: return row.kind;
    case kDescription: return row.description;
    default: return row.record;
  }
}

// The beginning of a record for its cell; the rest is marked by an ellipsis.
QString CellRecord(std::string_view record) {
  if (record.size() <= static_cast<std::size_t>(ErrorListModel::kCellChars)) return ToQString(record);
  return ToQString(record.substr(0, ErrorListModel::kCellChars)) + QChar(0x2026);
}

// A record in lines of fixed length, so that its fields can be counted off; a record too long
// for any screen ends with a note that copying takes the whole text.
QString RecordToolTip(std::string_view record) {
  const std::size_t shown = std::min<std::size_t>(record.size(), ErrorListModel::kToolTipChars);
  QString lines;
  for (std::size_t p = 0; p < shown; p += ErrorListModel::kToolTipLineChars) {
    if (p > 0) lines += QLatin1Char('\n');
    lines += ToQString(record.substr(p, std::min<std::size_t>(ErrorListModel::kToolTipLineChars, shown - p)));
  }
  QString html = QStringLiteral("<pre>") + lines.toHtmlEscaped() + QStringLiteral("</pre>");
  if (shown < record.size()) {
    html += QStringLiteral("<p>… (%1 Zeichen insgesamt; „Kopieren“ übernimmt den ganzen Satz)</p>")
                .arg(static_cast<qulonglong>(record.size()));
  }
  return html;
}

}  // namespace

int ErrorListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(g_errorMessages.size());
}

int ErrorListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ErrorListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(g_errorMessages.size())) return {};
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
  const ErrorListRow row = GetErrorListRow(index.row());
  const std::string_view text = ColumnText(row, index.column());
  if (index.column() == kRecord) return role == Qt::DisplayRole ? CellRecord(text) : RecordToolTip(text);
  // Plain text also where it looks like markup ("<x> unzulässiges Zeichen ...").
  return role == Qt::DisplayRole ? ToQString(text) : Qt::convertFromPlainText(ToQString(text), Qt::WhiteSpaceNoWrap);
}

QVariant ErrorListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  static const char* const titles[kColumns] = {"Zeile", "Art", "Beschreibung", "EDBS-Satz"};
  return section >= 0 && section < kColumns ? QString::fromLatin1(titles[section]) : QVariant();
}

CErrorListDialog::CErrorListDialog(QWidget* parent) : CHelpDialog(kDialogId, parent) {
  setWindowTitle(QStringLiteral("Beim Öffnen der Datei aufgetretene Fehler"));

  m_list = new QTableView(this);
  SetControlId(m_list, IDC_LIST);
  m_list->setModel(&m_model);
  m_list->setShowGrid(true);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_list->setWordWrap(false);
  m_list->setTextElideMode(Qt::ElideRight);
  m_list->verticalHeader()->hide();
  m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
  m_list->horizontalHeader()->setSectionsMovable(true);
  m_list->horizontalHeader()->setStretchLastSection(false);
  m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  QPalette palette = m_list->palette();
  palette.setColor(QPalette::Base, QColor(223, 223, 223));
  m_list->setPalette(palette);
  m_list->setMinimumSize(720, 300);
  FitColumns();

  m_copy = new QPushButton(QStringLiteral("&Kopieren"), this);
  m_copy->setObjectName(QStringLiteral("copyButton"));
  m_copy->setAutoDefault(false);
  m_copy->setEnabled(false);
  connect(m_copy, &QPushButton::clicked, this, &CErrorListDialog::CopySelection);
  auto* save = new QPushButton(QStringLiteral("&Speichern ..."), this);
  save->setObjectName(QStringLiteral("saveButton"));
  save->setAutoDefault(false);
  save->setEnabled(m_model.rowCount() > 0);
  connect(save, &QPushButton::clicked, this, &CErrorListDialog::SaveList);
  connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { m_copy->setEnabled(m_list->selectionModel()->hasSelection()); });
  AddCommands();

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  SetControlId(ok, IDC_OK);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  QPushButton* help = MakeHelpButton(IDC_HELP);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_copy);
  buttons->addWidget(save);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list, 1);
  layout->addLayout(buttons);

  // As wide as the columns need, within the screen.
  int width = 2 * m_list->frameWidth() + m_list->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < kColumns; ++c) width += m_list->columnWidth(c);
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  const int available = screen ? screen->availableGeometry().width() * 9 / 10 : 1000;
  resize(std::clamp(width + 2 * layout->contentsMargins().left(), 780, std::max(780, available)), 420);
}

void CErrorListDialog::FitColumns() {
  // Every column is at least as wide as given and wide enough for what it shows in this font.
  // Kinds and descriptions repeat, so each distinct text is measured once; of the line numbers
  // and the records the one with the most characters is measured.
  const QFontMetrics metrics = m_list->fontMetrics();
  const int margin = 2 * (m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1) + 4;
  int widths[kColumns];
  for (int c = 0; c < kColumns; ++c) {
    widths[c] = std::max(kColumnWidths[c], m_list->horizontalHeader()->sectionSizeHint(c));
  }
  std::string longestLine;
  std::string_view longestRecord;
  std::unordered_set<std::string> kinds;
  // Proportional letters differ in width, but not by a third: shorter texts cannot be wider.
  std::size_t longestDescription = 0;
  std::unordered_set<std::string> descriptions;
  const int rows = m_model.rowCount();
  for (int k = 0; k < rows; ++k) {
    ErrorListRow row = GetErrorListRow(k);
    if (row.line.size() > longestLine.size()) longestLine = row.line;
    if (row.record.size() > longestRecord.size()) longestRecord = row.record;
    kinds.insert(std::move(row.kind));
    if (row.description.size() * 3 < longestDescription * 2) continue;
    if (row.description.size() > longestDescription) {
      longestDescription = row.description.size();
      std::erase_if(descriptions, [&](const std::string& d) { return d.size() * 3 < longestDescription * 2; });
    }
    descriptions.insert(std::move(row.description));
  }
  auto fit = [&](int column, std::string_view text) {
    widths[column] = std::max(widths[column], metrics.horizontalAdvance(ToQString(text)) + margin);
  };
  fit(kLine, longestLine);
  for (const std::string& kind : kinds) fit(kKind, kind);
  for (const std::string& description : descriptions) fit(kDescription, description);
  // Records are mostly digits and capitals: the longest shown text is the widest, give or take
  // a few letters.
  const QString record = CellRecord(longestRecord);
  widths[kRecord] = std::max(widths[kRecord], metrics.horizontalAdvance(record) * 21 / 20 + margin);
  for (int c = 0; c < kColumns; ++c) m_list->setColumnWidth(c, widths[c]);
}

void CErrorListDialog::AddCommands() {
  auto* copy = new QAction(QStringLiteral("&Kopieren"), m_list);
  copy->setObjectName(QStringLiteral("copyAction"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(copy, &QAction::triggered, this, &CErrorListDialog::CopySelection);
  auto* all = new QAction(QStringLiteral("&Alles auswählen"), m_list);
  all->setShortcut(QKeySequence::SelectAll);
  all->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  connect(all, &QAction::triggered, m_list, &QTableView::selectAll);
  m_list->addAction(copy);
  m_list->addAction(all);
  m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QString CErrorListDialog::SelectedText() const {
  QModelIndexList rows = m_list->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  QString text;
  for (const QModelIndex& index : rows) text += ToQString(ErrorListText(index.row())) + QLatin1Char('\n');
  return text;
}

void CErrorListDialog::CopySelection() {
  const QString text = SelectedText();
  if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void CErrorListDialog::SaveList() {
  const std::string path =
      edbs::Prompt().ChooseSaveFile(ToCoreText(QStringLiteral("Fehlerliste speichern")), kAllFilesFilter);
  if (path.empty()) return;
  edbs::Cursor().Show(true);
  WriteErrorList(path);
  edbs::Cursor().Show(false);
}

}  // namespace satzlupe
