#include "main_frame.h"

#include <optional>

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

#include "about_dialog.h"
#include "commands.h"
#include "edbs_view.h"
#ifdef SATZLUPE_HAVE_GIS
#include "gis_export_command.h"
#endif
#include "load/error_list.h"
#include "load/file_reader.h"
#include "lock_keys.h"
#include "platform/services.h"
#include "store/edbs_store.h"

namespace satzlupe {
namespace {

constexpr int kTopLevelCommands[] = {ID_DETAIL, ID_FILTER, ID_GRAFIK, ID_LISTE, ID_STATISTIK};
// The indicators' texts: Umschalt-Feststelltaste, Num-Taste, Rollen-Feststelltaste.
constexpr const char* kCapsText = "UF";
constexpr const char* kNumText = "NUM";
constexpr const char* kScrollText = "RF";

// A lock-key indicator: as wide as its text, which it shows only while the key is locked.
QLabel* MakeIndicator(const QString& text, QWidget* parent) {
  auto* pane = new QLabel(parent);
  pane->setAlignment(Qt::AlignCenter);
  pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 10);
  return pane;
}

void ShowIndicator(QLabel* pane, const char* text, std::optional<bool> locked) {
  const QString shown = locked.value_or(false) ? QString::fromLatin1(text) : QString();
  if (pane->text() != shown) pane->setText(shown);
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowTitle(QString::fromUtf8(kWindowTitle));
  setWindowIcon(QIcon(QStringLiteral(":/icons/satzlupe.png")));

  m_view = new CEdbsView(this);
  setCentralWidget(m_view);

  CreateCommands();
  CreateMenus();
  CreateToolBar();
  CreateStatusBar();

  connect(m_view, &CEdbsView::stateChanged, this, &CMainFrame::UpdateCommandUI);
  connect(m_view, &CEdbsView::cursorPositionChanged, m_coordinatePane, &QLabel::setText);
  // As an idle handler would: state that changes elsewhere reaches the commands soon.
  m_idleTimer = new QTimer(this);
  m_idleTimer->setInterval(250);
  connect(m_idleTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
  m_idleTimer->start();
  qApp->installEventFilter(this);

  UpdateCommandUI();
  move(100, 100);
  resize(800, 600);
}

CMainFrame::~CMainFrame() { qApp->removeEventFilter(this); }

QAction* CMainFrame::Command(int id) const { return m_commands.value(id, nullptr); }

void CMainFrame::CreateCommands() {
  for (const CommandText& c : CommandTable()) {
    auto* action = new QAction(QString::fromUtf8(c.menuText), this);
    action->setObjectName(QStringLiteral("cmd%1").arg(c.id));
    action->setStatusTip(QString::fromUtf8(c.prompt));
    action->setWhatsThis(QString::fromUtf8(c.prompt));
    action->setToolTip(QString::fromUtf8(*c.tooltip ? c.tooltip : c.prompt));
    const QIcon icon(QStringLiteral(":/toolbar/%1.xpm").arg(c.id));
    if (!icon.isNull() && !icon.availableSizes().isEmpty()) action->setIcon(icon);
    action->setIconVisibleInMenu(false);
    if (*c.shortcut) {
      action->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut), QKeySequence::PortableText));
      // Held by the window itself, the key works also while the toolbar is hidden.
      addAction(action);
    }
    m_commands.insert(c.id, action);
  }
  Route(ID_DATEI_OEFFNEN, &CEdbsView::OnFileOpen);
  Route(ID_DATEI_HINZUFUEGEN, &CEdbsView::OnFileAdd);
  Route(ID_DATEI_WIEDEROEFFNEN, &CEdbsView::OnReopen);
  Route(ID_DATEI_FEHLERLISTE, &CEdbsView::OnErrorList);
  Route(ID_DATEI_ZEILEN_LOESCHEN, &CEdbsView::OnDeleteLines);
  Route(ID_DATEI_LESBAR_SPEICHERN, &CEdbsView::OnSaveReadable);
  Route(ID_EINSTELLUNGEN_OPTIONEN, &CEdbsView::OnOptions);
  Route(ID_KEINE_GRAFIK, &CEdbsView::OnNoGraphic);
  Route(ID_FILTERMENGE_ENTLEEREN, &CEdbsView::OnClearFilterSet);
  Route(ID_FILTER, &CEdbsView::OnFilter);
  Route(ID_LISTE, &CEdbsView::OnList);
  Route(ID_DETAIL, &CEdbsView::OnDetail);
  Route(ID_GRAFIK, &CEdbsView::OnGraphic);
  Route(ID_STATISTIK, &CEdbsView::OnStatistics);
#ifdef SATZLUPE_HAVE_GIS
  connect(Command(ID_DATEI_GIS_EXPORT), &QAction::triggered, this, [this] {
    RunGisExport(this);
    UpdateCommandUI();
  });
#endif

  connect(Command(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
  connect(Command(ID_APP_ABOUT), &QAction::triggered, this, &CMainFrame::OnAbout);
  connect(Command(ID_HELP_FINDER), &QAction::triggered, this, [] { edbs::HelpSystem().ShowContents(); });
  connect(Command(ID_CONTEXT_HELP), &QAction::triggered, this, [] { QWhatsThis::enterWhatsThisMode(); });
  Command(ID_VIEW_TOOLBAR)->setCheckable(true);
  Command(ID_VIEW_STATUS_BAR)->setCheckable(true);
  connect(Command(ID_VIEW_TOOLBAR), &QAction::triggered, this, [this] {
    m_toolBar->setVisible(!m_toolBar->isVisible());
    UpdateCommandUI();
  });
  connect(Command(ID_VIEW_STATUS_BAR), &QAction::triggered, this, [this] {
    statusBar()->setVisible(!statusBar()->isVisible());
    UpdateCommandUI();
  });
}

void CMainFrame::Route(int id, void (CEdbsView::*handler)()) {
  connect(Command(id), &QAction::triggered, this, [this, handler] {
    (m_view->*handler)();
    UpdateCommandUI();
  });
}

void CMainFrame::CreateMenus() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
  datei->addAction(Command(ID_DATEI_OEFFNEN));
  datei->addAction(Command(ID_DATEI_HINZUFUEGEN));
  datei->addAction(Command(ID_DATEI_WIEDEROEFFNEN));
  datei->addSeparator();
  datei->addAction(Command(ID_DATEI_FEHLERLISTE));
  datei->addAction(Command(ID_DATEI_ZEILEN_LOESCHEN));
  datei->addAction(Command(ID_DATEI_LESBAR_SPEICHERN));
  if (QAction* gis = Command(ID_DATEI_GIS_EXPORT)) datei->addAction(gis);
  datei->addSeparator();
  datei->addAction(Command(ID_APP_EXIT));

  QMenu* einstellungen = menuBar()->addMenu(QStringLiteral("&Einstellungen"));
  einstellungen->addAction(Command(ID_EINSTELLUNGEN_OPTIONEN));
  einstellungen->addSeparator();
  einstellungen->addAction(Command(ID_KEINE_GRAFIK));
  einstellungen->addAction(Command(ID_FILTERMENGE_ENTLEEREN));
  einstellungen->addSeparator();
  einstellungen->addAction(Command(ID_VIEW_TOOLBAR));
  einstellungen->addAction(Command(ID_VIEW_STATUS_BAR));

  // These five are commands on the menu bar itself. The bar shows an item's icon instead of its
  // text, so it gets items of its own, without icons, that trigger the commands.
  for (int id : {ID_FILTER, ID_LISTE, ID_DETAIL, ID_GRAFIK, ID_STATISTIK}) {
    QAction* command = Command(id);
    auto* item = new QAction(command->text(), this);
    item->setObjectName(QStringLiteral("menu%1").arg(id));
    item->setStatusTip(command->statusTip());
    item->setWhatsThis(command->whatsThis());
    connect(item, &QAction::triggered, command, &QAction::trigger);
    m_topLevelItems.insert(id, item);
    menuBar()->addAction(item);
  }

  QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  hilfe->addAction(Command(ID_HELP_FINDER));
  hilfe->addSeparator();
  hilfe->addAction(Command(ID_APP_ABOUT));

  for (QMenu* menu : {datei, einstellungen, hilfe}) {
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
  }
}

void CMainFrame::CreateToolBar() {
  m_toolBar = new QToolBar(QStringLiteral("Werkzeugleiste"), this);
  m_toolBar->setObjectName(QStringLiteral("toolBar"));
  m_toolBar->setIconSize(QSize(16, 15));
  m_toolBar->setMovable(false);
  m_toolBar->setFloatable(false);
  m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  m_toolBar->toggleViewAction()->setVisible(false);
  for (int id : ToolBarLayout()) {
    if (id == 0) {
      m_toolBar->addSeparator();
    } else {
      m_toolBar->addAction(Command(id));
    }
  }
  addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("statusBar"));
  m_messagePane = new QLabel(QStringLiteral("Fertig"), bar);
  m_messagePane->setObjectName(QStringLiteral("pane0"));
  bar->addWidget(m_messagePane, 1);
  m_coordinatePane = new QLabel(QStringLiteral("0.000 / 0.000"), bar);
  m_coordinatePane->setObjectName(QStringLiteral("pane1"));
  m_coordinatePane->setFixedWidth(170);
  bar->addPermanentWidget(m_coordinatePane);
  m_capsPane = MakeIndicator(QString::fromLatin1(kCapsText), bar);
  m_capsPane->setObjectName(QStringLiteral("pane2"));
  m_numPane = MakeIndicator(QString::fromLatin1(kNumText), bar);
  m_numPane->setObjectName(QStringLiteral("pane3"));
  m_scrollPane = MakeIndicator(QString::fromLatin1(kScrollText), bar);
  m_scrollPane->setObjectName(QStringLiteral("pane4"));
  bar->addPermanentWidget(m_capsPane);
  bar->addPermanentWidget(m_numPane);
  bar->addPermanentWidget(m_scrollPane);
}

void CMainFrame::SetEnabled(int id, bool enabled) {
  QAction* action = Command(id);
  if (action && action->isEnabled() != enabled) action->setEnabled(enabled);
}

void CMainFrame::UpdateCommandUI() {
  const bool hasRecords = g_store.GetRecordCount() > 0;
  SetEnabled(ID_DATEI_FEHLERLISTE, !g_errorMessages.empty());
  SetEnabled(ID_DATEI_ZEILEN_LOESCHEN, hasRecords);
  SetEnabled(ID_DATEI_LESBAR_SPEICHERN, hasRecords);
  SetEnabled(ID_DATEI_GIS_EXPORT, hasRecords);
  SetEnabled(ID_KEINE_GRAFIK, g_pendingAction == kPendingGraphic);
  SetEnabled(ID_FILTERMENGE_ENTLEEREN, g_filterCount != 0);
  for (int id : kTopLevelCommands) {
    SetEnabled(id, hasRecords);
    // The items on the menu bar itself, redrawn when their state changes.
    auto it = m_topLevelEnabled.find(id);
    if (it == m_topLevelEnabled.end() || it.value() != hasRecords) {
      m_topLevelEnabled.insert(id, hasRecords);
      m_topLevelItems.value(id)->setEnabled(hasRecords);
      menuBar()->update();
    }
  }
  Command(ID_VIEW_TOOLBAR)->setChecked(!m_toolBar->isHidden());
  Command(ID_VIEW_STATUS_BAR)->setChecked(!statusBar()->isHidden());
  UpdateLockIndicators();
}

void CMainFrame::UpdateLockIndicators() {
  ShowIndicator(m_capsPane, kCapsText, QueryLockKey(LockKey::Caps));
  ShowIndicator(m_numPane, kNumText, QueryLockKey(LockKey::Num));
  ShowIndicator(m_scrollPane, kScrollText, QueryLockKey(LockKey::Scroll));
}

void CMainFrame::OnAbout() {
  CAboutDialog dialog(this);
  dialog.RunModal();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  // A lock key pressed in any of the program's windows shows at once, not only at the next idle
  // update; the state itself always comes from the platform.
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched->isWindowType()) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_CapsLock:
      case Qt::Key_NumLock:
      case Qt::Key_ScrollLock: UpdateLockIndicators(); break;
      default: break;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace satzlupe
