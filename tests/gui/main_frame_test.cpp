// The main window: commands with their texts and enabling, the load through the view, the reopen
// list, "Zeilen löschen", the export command, help and the start screen.

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

#include <memory>
#include <optional>

#include "commands.h"
#include "edbs_view.h"
#include "error_list_dialog.h"
#include "gui_test_support.h"
#include "help_window.h"
#include "about_dialog.h"
#include "load/error_list.h"
#include "load/file_reader.h"
#include "load/recent_files.h"
#include "main_frame.h"
#include "qt_canvas.h"
#include "lock_keys.h"
#include "qt_services.h"
#include "qtext.h"
#include "records/filter_criteria.h"
#include "reopen_dialog.h"
#include "satzlupe_app.h"
#include "start_screen.h"
#include "store/edbs_store.h"
#include "views/settings.h"

using namespace satzlupe;

namespace {

// The lines of the bundled example that pass every check: order header, one object, end.
QStringList CleanLines() {
  QFile file(guitest::ExampleFile());
  if (!file.open(QIODevice::ReadOnly)) return {};
  QList<QByteArray> lines = file.readAll().split('\n');
  QStringList result;
  for (int k : {0, 3}) result << ToQString(std::string(lines[k].constData(), lines[k].size()));
  result << QStringLiteral("EDBS00240000AEND000018  0000        ");
  return result;
}

// Whether the dialog awaited by WhenDialogOpens was handled; once asked, a late timer does nothing.
struct DialogWatch {
  bool handled = false;
  bool over = false;
};

// Lets `handle` work on the next modal dialog of type Dialog once it is open and close it. A
// dialog that does not open, or that `handle` leaves open, fails the test instead of blocking it.
template <typename Dialog, typename Handle>
std::shared_ptr<DialogWatch> WhenDialogOpens(Handle handle) {
  auto watch = std::make_shared<DialogWatch>();
  QTimer::singleShot(0, [handle, watch] {
    if (watch->over) return;
    Dialog* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible()) found = d;
    }
    if (!found) {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      return;
    }
    watch->handled = true;
    handle(*found);
    if (found->isVisible()) {
      QTest::qFail("the dialog stayed open", __FILE__, __LINE__);
      found->reject();
    }
  });
  return watch;
}

// True when the awaited dialog opened and was handled.
bool Handled(const std::shared_ptr<DialogWatch>& watch) {
  watch->over = true;
  return watch->handled;
}

// Waits for the next visible top-level widget of type W, for a modal one started by a timer.
template <typename W>
W* VisibleTopLevel() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* found = qobject_cast<W*>(w); found && found->isVisible()) return found;
  }
  return nullptr;
}

std::optional<bool> CapsOnNumUnknownScrollOff(LockKey key) {
  switch (key) {
    case LockKey::Caps: return true;
    case LockKey::Num: return std::nullopt;
    default: return false;
  }
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT
 private:
  guitest::RunningFrame m_app;
  int m_itemDiffers = 0;  // a top-level command whose menu-bar item showed another state

  // A command's enabling, checked on its toolbar button and, for the five top-level commands, on
  // its item on the menu bar too.
  bool Enabled(int id) {
    QAction* a = m_app.frame->Command(id);
    if (!a) return false;
    if (QAction* item = m_app.frame->MenuBarItem(id)) {
      if (item->isEnabled() != a->isEnabled()) m_itemDiffers = id;
      return a->isEnabled() && item->isEnabled();
    }
    return a->isEnabled();
  }
  void Trigger(int id) { m_app.frame->Command(id)->trigger(); }
  bool OpenByCommand(const QString& path) {
    m_app.services->prompt.fileChoices.push_back(QStringToPath(path));
    Trigger(ID_DATEI_OEFFNEN);
    return guitest::WaitForLoad(*m_app.frame);
  }

 private slots:
  void init() {
    m_itemDiffers = 0;
    m_app.Start();
  }
  void cleanup() {
    QCOMPARE(m_itemDiffers, 0);
    m_app.Stop();
  }

  void CommandsCarryIdsTextsPromptsAndTooltips() {
    struct Expected {
      int id;
      const char *text, *prompt, *tip;
    };
    const Expected table[] = {
        {32838, "&Öffnen ...", "Öffnen einer EDBS-Datei", "Datei öffnen"},
        {32813, "&Hinzufügen ...", "Hinzufügen von EDBS-Dateien zu bestehenden Daten", "Datei addieren"},
        {32831, "&Wiederöffnen ...", "Öffnen einer Datei, die in der Liste gemerkt wurde.", "Wiederöffnen"},
        {32829, "&Fehlerliste anschauen ...", "Anzeige der Fehler beim Öffnen der EDBS-Datei", "Fehleranzeige"},
        {32839, "&Zeilen löschen", "Löschen überflüssiger Zeilen im Speicher", "Zeilen löschen"},
        {32840, "&Lesbar Speichern ...", "Speichert dir EDBS-Datei im lesbaren Format", "Lesbar Speichern"},
        {57665, "&Programm beenden", "Beendet das Programm", "Beendet das Programm"},
        {32817, "&Optionen ...", "Optionen zur Programmsteuerung von Satzlupe", "Optionen"},
        {32832, "&keine Grafik", "keine Grafik mehr anzeigen (z.B. wegen langem Bildaufbau)", "keine Grafik"},
        {32836, "&Filtermenge entleeren", "Entleeren der Filtermenge", "Filtermenge entleeren"},
        {59392, "&Werkzeugleiste", "Anzeige der Werkzeugleiste", "Werkzeugleiste"},
        {59393, "&Statuszeile", "Anzeige der Statuszeile", "Statuszeile"},
        {32812, "&Filter...", "Herausfiltern bestimmter EDBS-Sätze zur genaueren Untersuchung", "Filtern"},
        {32815, "&Liste...", "Zeigt die EDBS-Sätze in einer Tabellen-Liste an", "Liste"},
        {32811, "&Detail...", "Zeigt detailierte Informationen zu jedem einzelnem EDBS-Satz", "Detailinformationen"},
        {32816, "&Grafik...", "Darstellung der EDBS-Sätze als Grafik", "Grafikanzeige"},
        {32785, "&Statistik...", "Verschiedene Statistiken über die EDBS-Satzinhalte", "Statistik"},
        {57667, "&Hilfethemen", "Übersicht über alle Hilfethemen", "Hilfe Übersicht"},
        {57664, "&Über Satzlupe ...", "Anzeige von Programminformationen und Versionsnummer", "Programminformationen"},
    };
    for (const Expected& e : table) {
      QAction* a = m_app.frame->findChild<QAction*>(QStringLiteral("cmd%1").arg(e.id));
      QVERIFY2(a, qPrintable(QString::number(e.id)));
      QCOMPARE(a->text(), QString::fromUtf8(e.text));
      QCOMPARE(a->statusTip(), QString::fromUtf8(e.prompt));
      QCOMPARE(a->toolTip(), QString::fromUtf8(e.tip));
    }
  }

  void MenuBarHoldsMenusAndTheFiveTopLevelCommands() {
    QStringList titles;
    for (QAction* a : m_app.frame->menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, QStringList({QStringLiteral("&Datei"), QStringLiteral("&Einstellungen"), QStringLiteral("&Filter..."),
                                  QStringLiteral("&Liste..."), QStringLiteral("&Detail..."), QStringLiteral("&Grafik..."),
                                  QStringLiteral("&Statistik..."), QStringLiteral("&Hilfe")}));
    QCOMPARE(m_app.frame->menuBar()->actions()[2], m_app.frame->MenuBarItem(ID_FILTER));
    QCOMPARE(m_app.frame->MenuBarItem(ID_STATISTIK)->statusTip(), m_app.frame->Command(ID_STATISTIK)->statusTip());
    QVERIFY(m_app.frame->MenuBarItem(ID_DETAIL)->icon().isNull());
  }

  void ToolBarHasTheButtonsInOrderWithSeparators() {
    auto* bar = m_app.frame->findChild<QToolBar*>(QStringLiteral("toolBar"));
    QVERIFY(bar);
    QCOMPARE(bar->iconSize(), QSize(16, 15));
    QStringList order;
    for (QAction* a : bar->actions()) order << (a->isSeparator() ? QStringLiteral("|") : a->objectName().mid(3));
    QCOMPARE(order.join(QLatin1Char(' ')),
             QStringLiteral("32838 32813 32831 | 32829 | 32839 | 32840 | 32817 | 32812 32836 | 32815 32811 | "
                            "32816 32832 | 32785 | 57664 57669"));
    for (QAction* a : bar->actions()) {
      if (!a->isSeparator()) QVERIFY2(!a->icon().isNull(), qPrintable(a->objectName()));
    }
  }

  void WindowAndStatusBarAsCreated() {
    QCOMPARE(m_app.frame->windowTitle(), QStringLiteral("EDBS - Satzlupe Version 1.30"));
    QCOMPARE(m_app.frame->size(), QSize(800, 600));
    QCOMPARE(m_app.frame->MessagePane()->text(), QStringLiteral("Fertig"));
    QCOMPARE(m_app.frame->CoordinatePane()->text(), QStringLiteral("0.000 / 0.000"));
    QCOMPARE(m_app.frame->CoordinatePane()->width(), 170);
  }

  void LockIndicatorsShowWhatThePlatformTells() {
    auto indicators = [this] {
      QStringList texts;
      for (int k = 2; k <= 4; ++k) texts << m_app.frame->findChild<QLabel*>(QStringLiteral("pane%1").arg(k))->text();
      return texts;
    };
    // The offscreen platform tells nothing: the panes stay empty, whatever keys are pressed.
    QTest::keyClick(m_app.frame.get(), Qt::Key_CapsLock);
    QTest::keyClick(m_app.frame.get(), Qt::Key_NumLock);
    m_app.frame->UpdateCommandUI();
    QCOMPARE(indicators(), QStringList({QString(), QString(), QString()}));
    SetLockKeyQuery(&CapsOnNumUnknownScrollOff);
    m_app.frame->UpdateCommandUI();
    QCOMPARE(indicators(), QStringList({QStringLiteral("UF"), QString(), QString()}));
    SetLockKeyQuery(nullptr);
    m_app.frame->UpdateCommandUI();
    QCOMPARE(indicators(), QStringList({QString(), QString(), QString()}));
  }

  void EmptyStoreGreysTheDataCommands() {
    for (int id : {32811, 32812, 32815, 32816, 32785, 32839, 32840, 32829, 32832, 32836}) {
      QVERIFY2(!Enabled(id), qPrintable(QString::number(id)));
    }
    for (int id : {32811, 32812, 32815, 32816, 32785}) QVERIFY(!m_app.frame->MenuBarItem(id)->isEnabled());
    for (int id : {32838, 32813, 32831, 32817, 59392, 59393, 57665, 57667, 57664}) {
      QVERIFY2(Enabled(id), qPrintable(QString::number(id)));
    }
  }

  void LoadEnablesDataCommandsWithoutOpeningAMenu() {
    QVERIFY(!guitest::ExampleFile().isEmpty());
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    QVERIFY(g_store.GetRecordCount() > 0);
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingLoadScreen));
    for (int id : {32811, 32812, 32815, 32816, 32785, 32839, 32840}) QVERIFY2(Enabled(id), qPrintable(QString::number(id)));
    for (int id : {32811, 32812, 32815, 32816, 32785}) QVERIFY(m_app.frame->MenuBarItem(id)->isEnabled());
    // The example carries deliberate faults.
    QVERIFY(Enabled(ID_DATEI_FEHLERLISTE));
    QVERIFY(!Enabled(ID_KEINE_GRAFIK));
    QVERIFY(!Enabled(ID_FILTERMENGE_ENTLEEREN));
    QCOMPARE(m_app.services->prompt.chooserTitles, std::vector<std::string>{guitest::Core("EDBS-Datei öffnen")});
    QVERIFY(m_app.frame->View()->LastLoadFlushCount() > 2);
    guitest::SaveShot(*m_app.frame, QStringLiteral("main_after_load"));
  }

  void LoadScreenShortensALongPathToItsBox() {
    QString folder = guitest::TempDir();
    for (int k = 0; k < 6; ++k) folder += QStringLiteral("/Unterordner_mit_langem_Namen_%1").arg(k);
    QVERIFY(QDir().mkpath(folder));
    const QString name = QStringLiteral("Unterordner_mit_langem_Namen_0/Unterordner_mit_langem_Namen_1/Unterordner_mit_langem_Namen_2/"
                                        "Unterordner_mit_langem_Namen_3/Unterordner_mit_langem_Namen_4/Unterordner_mit_langem_Namen_5/"
                                        "lieferung.edbs");
    const QString path = guitest::WriteEdbsFile(name, CleanLines());
    QVERIFY(!path.isEmpty());
    QVERIFY(OpenByCommand(path));
    m_app.frame->View()->RenderImage();
    const QImage& image = m_app.frame->View()->Image();
    // Nothing of the file line is drawn right of the bars' end, inside the box.
    for (int y = 86; y < 100; ++y) {
      for (int x = 723; x < 749; ++x) QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
    }
    guitest::SaveShot(*m_app.frame, QStringLiteral("load_screen_long_path"));
  }

  void ErrorListStaysGreyAfterALoadWithoutFindings() {
    const QString path = guitest::WriteEdbsFile(QStringLiteral("clean.edbs"), CleanLines());
    QVERIFY(OpenByCommand(path));
    QCOMPARE(g_store.GetRecordCount(), 3);
    QVERIFY(g_errorMessages.empty());
    QVERIFY(!Enabled(ID_DATEI_FEHLERLISTE));
    QVERIFY(Enabled(ID_DETAIL));
  }

  void GraphicEnablesNoGraphicAndNoGraphicShowsTheStartScreen() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    Trigger(ID_GRAFIK);
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingGraphic));
    QVERIFY(Enabled(ID_KEINE_GRAFIK));
    Trigger(ID_KEINE_GRAFIK);
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingNothing));
    QVERIFY(!Enabled(ID_KEINE_GRAFIK));
  }

  void FilterSetEnablesItsClearingAndClearingEmptiesIt() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    g_store.ApplyFilterCriterion(kCritFehler, 0, 0);  // the example's deliberate faults
    m_app.frame->UpdateCommandUI();
    QVERIFY(g_filterCount > 0);
    QVERIFY(Enabled(ID_FILTERMENGE_ENTLEEREN));
    Trigger(ID_FILTERMENGE_ENTLEEREN);
    QCOMPARE(g_filterCount, 0);
    QVERIFY(!Enabled(ID_FILTERMENGE_ENTLEEREN));
  }

  void CancelledAddKeepsTheRecordsAndShowsTheStartScreen() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    const int records = g_store.GetRecordCount();
    Trigger(ID_DATEI_HINZUFUEGEN);  // no file chosen: cancelled
    QCOMPARE(m_app.services->prompt.chooserTitles.back(), guitest::Core("EDBS-Datei hinzufügen"));
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingNothing));
    QCOMPARE(g_store.GetRecordCount(), records);
    QVERIFY(Enabled(ID_DETAIL));
    // What the view paints is the start screen.
    m_app.frame->View()->RenderImage();
    QImage expected(m_app.frame->View()->Image().size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
      QtCanvas canvas(expected, m_app.frame->View()->ClientSize());
      DrawStartScreen(canvas);
    }
    QCOMPARE(m_app.frame->View()->Image(), expected);
  }

  void AddAppendsTheRecordsOfASecondFile() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    const int records = g_store.GetRecordCount();
    m_app.services->prompt.fileChoices.push_back(QStringToPath(guitest::ExampleFile()));
    Trigger(ID_DATEI_HINZUFUEGEN);
    QVERIFY(guitest::WaitForLoad(*m_app.frame));
    QCOMPARE(g_store.GetRecordCount(), 2 * records);
    QCOMPARE(g_store.GetFileIndex(records), 1);
  }

  void DeleteLinesAnsweredNoChangesNothing() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    const int records = g_store.GetRecordCount();
    g_detailStart = 7;
    m_app.services->prompt.answers.push_back(edbs::PromptAnswer::No);
    Trigger(ID_DATEI_ZEILEN_LOESCHEN);
    QCOMPARE(m_app.services->prompt.messages.back(),
             guitest::Core("Sind Sie sicher, daß Sie alle NICHT gefilterten Sätze löschen möchten?"));
    QCOMPARE(g_store.GetRecordCount(), records);
    QCOMPARE(g_detailStart, 7);
  }

  void DeleteLinesAnsweredYesWithoutFilterSetRemovesEveryRecord() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    const std::size_t errors = g_errorMessages.size();
    g_listStart = 3;
    m_app.services->prompt.answers.push_back(edbs::PromptAnswer::Yes);
    Trigger(ID_DATEI_ZEILEN_LOESCHEN);
    QCOMPARE(g_store.GetRecordCount(), 0);
    QCOMPARE(g_listStart, 0);
    QCOMPARE(g_errorMessages.size(), errors);  // the error list stays
    QVERIFY(!Enabled(ID_DETAIL));
    QVERIFY(!Enabled(ID_DATEI_ZEILEN_LOESCHEN));
  }

  void FailedOpenShowsTheMessageOnce() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    const int records = g_store.GetRecordCount();
    m_app.services->prompt.messages.clear();
    QVERIFY(OpenByCommand(guitest::TempDir() + QStringLiteral("/gibt-es-nicht.edbs")));
    for (int k = 0; k < 5; ++k) {
      m_app.frame->View()->viewport()->repaint();
      QCoreApplication::processEvents();
    }
    QCOMPARE(m_app.services->prompt.messages, std::vector<std::string>{"Datei nicht gefunden!"});
    QCOMPARE(g_store.GetRecordCount(), records);
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingNothing));
    // The records keep the names of their files.
    QCOMPARE(g_loadedFiles[0], QStringToPath(guitest::ExampleFile()));
  }

  void ReadingTheSameFileTwiceListsItOnce() {
    const QString path = guitest::WriteEdbsFile(QStringLiteral("zweimal.edbs"), CleanLines());
    QVERIFY(OpenByCommand(path));
    QVERIFY(OpenByCommand(path));
    QCOMPARE(g_recentFiles[0], QStringToPath(path));
    QVERIFY(g_recentFiles[1].empty());
    CReopenDialog dialog(m_app.frame.get());
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("ctl316"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), path);
  }

  void TheTwentyFirstFileDropsTheOldest() {
    QStringList paths;
    for (int k = 0; k < 21; ++k) {
      paths << guitest::WriteEdbsFile(QStringLiteral("datei%1.edbs").arg(k), CleanLines());
      QVERIFY(OpenByCommand(paths.back()));
    }
    CReopenDialog dialog(m_app.frame.get());
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("ctl316"));
    QCOMPARE(list->count(), 20);
    for (int row = 0; row < 20; ++row) QCOMPARE(list->item(row)->text(), paths[20 - row]);
    QCOMPARE(list->currentRow(), 0);
  }

  void ReopenAddsTheChosenFileInAddMode() {
    const QString path = guitest::WriteEdbsFile(QStringLiteral("wieder.edbs"), CleanLines());
    QVERIFY(OpenByCommand(path));
    auto watch = WhenDialogOpens<CReopenDialog>([](CReopenDialog& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Wiedereröffnen"));
      QVERIFY(d.findChild<QRadioButton*>(QStringLiteral("ctl315"))->isChecked());
      d.findChild<QRadioButton*>(QStringLiteral("ctl298"))->setChecked(true);
      d.findChild<QPushButton*>(QStringLiteral("ctl367"))->click();
    });
    Trigger(ID_DATEI_WIEDEROEFFNEN);
    QVERIFY(Handled(watch));
    QVERIFY(guitest::WaitForLoad(*m_app.frame));
    QCOMPARE(g_store.GetRecordCount(), 6);
  }

  void ReopenWithoutRowsOffersNoOk() {
    const QString path = guitest::WriteEdbsFile(QStringLiteral("zuletzt.edbs"), CleanLines());
    QVERIFY(OpenByCommand(path));
    const int records = g_store.GetRecordCount();
    g_recentFiles.fill(std::string());
    auto watch = WhenDialogOpens<CReopenDialog>([](CReopenDialog& d) {
      QCOMPARE(d.findChild<QListWidget*>(QStringLiteral("ctl316"))->count(), 0);
      auto* ok = d.findChild<QPushButton*>(QStringLiteral("ctl367"));
      QVERIFY(!ok->isEnabled());
      d.accept();  // as Enter would: nothing chosen, nothing read
      QVERIFY(d.isVisible());
      d.findChild<QPushButton*>(QStringLiteral("ctl366"))->click();
    });
    Trigger(ID_DATEI_WIEDEROEFFNEN);
    QVERIFY(Handled(watch));
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingLoadScreen));
    QCOMPARE(g_store.GetRecordCount(), records);
  }

  void ReopenKeepsASelection() {
    g_recentFiles[0] = "/daten/a.edbs";
    g_recentFiles[1] = "/daten/b.edbs";
    CReopenDialog d(m_app.frame.get());
    d.show();
    auto* list = d.findChild<QListWidget*>(QStringLiteral("ctl316"));
    auto* ok = d.findChild<QPushButton*>(QStringLiteral("ctl367"));
    QVERIFY(ok->isEnabled());
    list->setCurrentRow(1);
    // Ctrl+click on the selected row would leave none selected.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->currentRow(), 1);
    list->clearSelection();
    QCOMPARE(list->selectedItems().size(), 1);
    QVERIFY(ok->isEnabled());
    d.accept();
    QCOMPARE(g_fileName, std::string("/daten/b.edbs"));
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingOpen));
  }

  void ReopenCancelledChangesNothing() {
    g_recentFiles[0] = "/nirgends/a.edbs";
    auto watch = WhenDialogOpens<CReopenDialog>(
        [](CReopenDialog& d) { d.findChild<QPushButton*>(QStringLiteral("ctl366"))->click(); });
    Trigger(ID_DATEI_WIEDEROEFFNEN);
    QVERIFY(Handled(watch));
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingNothing));
    QVERIFY(g_fileName.empty());
  }

  void SaveReadableAsksForTheFileAndWritesTheExport() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    const QString out = guitest::TempDir() + QStringLiteral("/lesbar.txt");
    m_app.services->prompt.fileChoices.push_back(QStringToPath(out));
    Trigger(ID_DATEI_LESBAR_SPEICHERN);
    QCOMPARE(m_app.services->prompt.chooserTitles.back(), guitest::Core("Lesbare Text-Datei schreiben"));
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("\r\n\r\n-------------------------------------------------------------------------------\r\nZeile: "));
  }

  void SaveReadableToAFolderThatIsMissingReportsIt() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    m_app.services->prompt.messages.clear();
    m_app.services->prompt.fileChoices.push_back(QStringToPath(guitest::TempDir() + QStringLiteral("/fehlt/lesbar.txt")));
    Trigger(ID_DATEI_LESBAR_SPEICHERN);
    QCOMPARE(m_app.services->prompt.messages, std::vector<std::string>{guitest::Core("Datei kann nicht geöffnet werden!")});
  }

  void SaveReadableCancelledWritesNothing() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    Trigger(ID_DATEI_LESBAR_SPEICHERN);
    QVERIFY(m_app.services->prompt.messages.empty());
  }

  void ErrorListDialogOpensFromTheCommandWithItsHelp() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    auto watch = WhenDialogOpens<CErrorListDialog>([](CErrorListDialog& d) {
      QCOMPARE(d.List()->model()->rowCount(), static_cast<int>(g_errorMessages.size()));
      d.findChild<QPushButton*>(QStringLiteral("ctl369"))->click();
      d.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&d));
      d.List()->setFocus();
      QTest::keyClick(d.List(), Qt::Key_F1);
      guitest::SaveShot(d, QStringLiteral("error_list_example"));
      d.findChild<QPushButton*>(QStringLiteral("ctl359"))->click();
    });
    Trigger(ID_DATEI_FEHLERLISTE);
    QVERIFY(Handled(watch));
    QCOMPARE(m_app.services->help.topics, (std::vector<int>{131189, 0x50000 + 314}));
  }

  void StatusBarAndToolBarToggle() {
    QVERIFY(m_app.frame->Command(ID_VIEW_STATUS_BAR)->isChecked());
    Trigger(ID_VIEW_STATUS_BAR);
    QVERIFY(m_app.frame->statusBar()->isHidden());
    QVERIFY(!m_app.frame->Command(ID_VIEW_STATUS_BAR)->isChecked());
    Trigger(ID_VIEW_TOOLBAR);
    QVERIFY(m_app.frame->findChild<QToolBar*>(QStringLiteral("toolBar"))->isHidden());
    QVERIFY(!m_app.frame->Command(ID_VIEW_TOOLBAR)->isChecked());
    Trigger(ID_VIEW_TOOLBAR);
    Trigger(ID_VIEW_STATUS_BAR);
    QVERIFY(m_app.frame->Command(ID_VIEW_STATUS_BAR)->isChecked());
  }

  void UsualShortcutsTriggerTheirCommands() {
    QVERIFY(QTest::qWaitForWindowActive(m_app.frame.get()));
    QCOMPARE(m_app.frame->Command(ID_DATEI_OEFFNEN)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(m_app.frame->Command(ID_DATEI_LESBAR_SPEICHERN)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(m_app.frame->Command(ID_APP_EXIT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(m_app.frame->Command(ID_HELP_FINDER)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(m_app.frame->Command(ID_GRAFIK)->shortcut(), QKeySequence(Qt::Key_F5));
    // The toolbar hidden, the keys still work.
    Trigger(ID_VIEW_TOOLBAR);
    m_app.services->prompt.fileChoices.push_back(QStringToPath(guitest::ExampleFile()));
    QTest::keyClick(m_app.frame.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_app.services->prompt.chooserTitles, std::vector<std::string>{guitest::Core("EDBS-Datei öffnen")});
    QVERIFY(guitest::WaitForLoad(*m_app.frame));
    QTest::keyClick(m_app.frame.get(), Qt::Key_F5);
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingGraphic));
    QTest::keyClick(m_app.frame.get(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_app.services->prompt.chooserTitles.back(), guitest::Core("Lesbare Text-Datei schreiben"));
    // No key of the menu's mnemonics (Alt+letter) is taken by a shortcut.
    for (QAction* a : m_app.frame->actions()) QVERIFY(!(a->shortcut()[0].keyboardModifiers() & Qt::AltModifier));
    QTest::keyClick(m_app.frame.get(), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!m_app.frame->isVisible());
  }

  void SaveReadableShowsItsProgressAndTheWaitCursor() {
    QVERIFY(OpenByCommand(guitest::ExampleFile()));
    const QString out = guitest::TempDir() + QStringLiteral("/fortschritt.txt");
    m_app.services->prompt.fileChoices.push_back(QStringToPath(out));
    m_app.services->cursor.changes = 0;
    Trigger(ID_DATEI_LESBAR_SPEICHERN);
    auto* progress = m_app.frame->findChild<QProgressDialog*>(QStringLiteral("exportProgress"));
    QVERIFY(progress);
    QCOMPARE(progress->windowTitle(), QStringLiteral("Lesbar Speichern"));
    QCOMPARE(progress->maximum(), g_store.GetRecordCount());
    QCOMPARE(progress->value(), progress->maximum());
    QCOMPARE(m_app.services->cursor.changes, 2);
    QVERIFY(!m_app.services->cursor.shown);
    QVERIFY(QFile::exists(out));
  }

  void ExitEndsTheProgramWithTheHelpOpenAndWritesTheSettings() {
    m_app.frame.reset();
    edbs::MemoryProfile profile;
    CSatzlupeApp app(&profile);
    QVERIFY(app.InitInstance({}));
    edbs::HelpSystem().ShowContents();
    auto* help = VisibleTopLevel<HelpWindow>();
    QVERIFY(help);
    g_settings.Gitterabstand = 12.5;
    g_recentFiles[0] = "/daten/zuletzt.edbs";
    // Quits as the running program would; a program that does not end is stopped after a while.
    QTimer failsafe;
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    failsafe.start(5000);
    QTimer::singleShot(0, [&app] { app.MainFrame()->Command(ID_APP_EXIT)->trigger(); });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(profile.GetInt("Einstellungen", "Gitterabstand", -1), 12500);
    QCOMPARE(profile.GetString("Dateinamen", "MRUListname00", "xxx"), std::string("/daten/zuletzt.edbs"));
  }

  void FileChoosersAreGermanAndStartInTheLastFolder() {
    QVERIFY2(GermanQtTranslationLoaded(), "Qt's German translations are missing (package qt6-translations-l10n)");
    const QString first = guitest::TempDir() + QStringLiteral("/zuletzt_gelesen");
    const QString second = guitest::TempDir() + QStringLiteral("/anderswo");
    QVERIFY(QDir().mkpath(first) && QDir().mkpath(second));
    const QString chosen = guitest::WriteEdbsFile(QStringLiteral("anderswo/b.edbs"), CleanLines());
    g_recentFiles[0] = QStringToPath(first + QStringLiteral("/a.edbs"));
    QtPrompt prompt;
    // Looks at the chooser that opens next, then picks `pick` or cancels; never leaves it open.
    QString folder;
    QStringList texts;
    auto whenOpen = [&](const QString& pick) {
      folder.clear();
      QTimer::singleShot(0, [&, pick] {
        auto* d = VisibleTopLevel<QFileDialog>();
        if (!d) return;
        folder = d->directory().absolutePath();
        auto* box = d->findChild<QDialogButtonBox*>();
        texts = {box->buttons().first()->text(), box->button(QDialogButtonBox::Cancel)->text(),
                 d->findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(),
                 d->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text()};
        guitest::SaveShot(*d, QStringLiteral("file_dialog_german"));
        if (!pick.isEmpty()) {
          d->selectFile(pick);
          static_cast<QDialog*>(d)->accept();
        }
        if (d->isVisible()) d->reject();
      });
    };
    whenOpen(chosen);
    QCOMPARE(prompt.ChooseOpenFile(guitest::Core("EDBS-Datei öffnen"), kAllFilesFilter), QStringToPath(chosen));
    QCOMPARE(folder, first);
    QCOMPARE(texts, QStringList({QStringLiteral("&Öffnen"), QStringLiteral("Abbrechen"), QStringLiteral("Datei&name:"),
                                 QStringLiteral("Suchen in:")}));
    // The file chosen last decides, until another file is read.
    whenOpen(QString());
    QCOMPARE(prompt.ChooseSaveFile("Lesbare Text-Datei schreiben", kAllFilesFilter), std::string());
    QCOMPARE(folder, second);
    QCOMPARE(texts.first(), QStringLiteral("S&peichern"));
    g_recentFiles[0] = QStringToPath(first + QStringLiteral("/c.edbs"));  // read through the reopen list
    whenOpen(QString());
    QCOMPARE(prompt.ChooseOpenFile("EDBS-Datei", kAllFilesFilter), std::string());
    QCOMPARE(folder, first);
  }

  void HelpContentsFromTheMenuAndF1() {
    Trigger(ID_HELP_FINDER);
    QTest::keyClick(m_app.frame.get(), Qt::Key_F1);
    QCOMPARE(m_app.services->help.topics, (std::vector<int>{0, 0}));
  }

  void EveryDialogHasAHelpPageAndEveryControlTopicAnAnchor() {
    for (int dialog : {100, 109, 117, 133, 141, 154, 162, 164}) {
      const QUrl url = HelpTopicUrl(0x20000 + dialog);
      QVERIFY2(!url.isEmpty(), qPrintable(QString::number(dialog)));
      QVERIFY2(QFile::exists(QLatin1Char(':') + url.path()), qPrintable(url.toString()));
    }
    for (int control : {298, 315, 316, 366, 367, 375, 314, 359, 369, 404, 412, 422}) {
      const QUrl url = HelpTopicUrl(0x50000 + control);
      QCOMPARE(url.fragment(), QStringLiteral("ctl%1").arg(control));
      QFile page(QLatin1Char(':') + url.path());
      QVERIFY(page.open(QIODevice::ReadOnly));
      QVERIFY2(page.readAll().contains(("name=\"ctl" + QByteArray::number(control) + "\"")), qPrintable(url.toString()));
    }
    QVERIFY(QFile::exists(QStringLiteral(":/help/index.html")));
  }

  void HelpWindowOpensAtTheTopicOrTheContents() {
    QtHelp help;
    help.ShowTopic(131236);
    QCOMPARE(help.Window()->CurrentPage(), QUrl(QStringLiteral("qrc:/help/wiedereroeffnen.html")));
    help.ShowTopic(0x50000 + 316);
    QCOMPARE(help.Window()->CurrentPage(), QUrl(QStringLiteral("qrc:/help/wiedereroeffnen.html#ctl316")));
    guitest::SaveShot(*help.Window(), QStringLiteral("help_window"));
    help.ShowTopic(0x50000 + 9999);
    QCOMPARE(help.Window()->CurrentPage(), HelpContentsUrl());
  }

  void AboutBoxF1ShowsTheContents() {
    CAboutDialog about(m_app.frame.get());
    QCOMPARE(about.windowTitle(), QStringLiteral("Info über Satzlupe"));
    QCOMPARE(about.HelpContextFor(about.findChild<QPushButton*>(QStringLiteral("aboutOk"))), 0);
    guitest::SaveShot(about, QStringLiteral("about_box"));
  }

  void StartScreenShowsWhenNothingIsPending() {
    guitest::SaveShot(*m_app.frame, QStringLiteral("start_screen"));
    m_app.frame->View()->RenderImage();
    const QImage& image = m_app.frame->View()->Image();
    const QSize client = m_app.frame->View()->ClientSize();
    const QImage logo = ResourceBitmap(kStartBitmap);
    QVERIFY(!logo.isNull());
    const QPoint origin(client.width() / 2 - logo.width() / 2, client.height() / 2 - logo.height() / 2);
    // The logo sits unscaled around the client centre.
    for (QPoint p : {QPoint(10, 10), QPoint(logo.width() / 2, logo.height() / 2), QPoint(200, 40)}) {
      QCOMPARE(image.pixel(origin + p), logo.pixel(p));
    }
  }

  void CommandLineOpensTheNamedFile() {
    m_app.frame.reset();
    edbs::MemoryProfile profile;
    CSatzlupeApp app(&profile);
    QVERIFY(app.InitInstance({guitest::ExampleFile()}));
    QVERIFY(guitest::WaitForLoad(*app.MainFrame()));
    QVERIFY(g_store.GetRecordCount() > 0);
    QCOMPARE(g_recentFiles[0], QStringToPath(guitest::ExampleFile()));
    app.ExitInstance();
    QCOMPARE(profile.GetString("Dateinamen", "MRUListname00", "xxx"), QStringToPath(guitest::ExampleFile()));
    QCOMPARE(profile.GetInt("Einstellungen", "Gitterabstand", -1), 100000);
  }
};

SATZLUPE_GUI_TEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
