#pragma once
// The main window: menu, toolbar and status bar around the view, the routing of the commands and
// their enabling.

#include <QHash>
#include <QMainWindow>

class QAction;
class QLabel;
class QTimer;

namespace satzlupe {

class CEdbsView;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  // Window title: the template's document name and window title.
  static constexpr const char* kWindowTitle = "EDBS - Satzlupe Version 1.30";

  explicit CMainFrame(QWidget* parent = nullptr);
  ~CMainFrame() override;

  CEdbsView* View() const { return m_view; }
  // The command with the given id ("cmd<id>" as object name); nullptr when unknown.
  QAction* Command(int id) const;
  // The item on the menu bar of a top-level command ("menu<id>"), e.g. Detail.
  QAction* MenuBarItem(int id) const { return m_topLevelItems.value(id, nullptr); }
  // Pane 1 of the status bar: the world coordinates under the mouse.
  QLabel* CoordinatePane() const { return m_coordinatePane; }
  QLabel* MessagePane() const { return m_messagePane; }

 public slots:
  // Enables, greys and checks every command from the program's state.
  void UpdateCommandUI();
  // Shows the lock-key indicators as the platform tells their state.
  void UpdateLockIndicators();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateCommands();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void Route(int id, void (CEdbsView::*handler)());
  void SetEnabled(int id, bool enabled);
  void OnAbout();

  CEdbsView* m_view;
  QHash<int, QAction*> m_commands;
  QToolBar* m_toolBar = nullptr;
  QLabel* m_messagePane = nullptr;
  QLabel* m_coordinatePane = nullptr;
  QLabel* m_capsPane = nullptr;
  QLabel* m_numPane = nullptr;
  QLabel* m_scrollPane = nullptr;
  QTimer* m_idleTimer = nullptr;
  // Last state of the commands on the menu bar itself (Detail, Filter, Grafik, Liste, Statistik).
  QHash<int, bool> m_topLevelEnabled;
  QHash<int, QAction*> m_topLevelItems;
};

}  // namespace satzlupe
