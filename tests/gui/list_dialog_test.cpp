// The list dialog: tabs with their icons, columns and backgrounds, the page from the core, the
// slider and its text, and the message when nothing is loaded.

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableView>

#include "edbs_view.h"
#include "gui_test_support.h"
#include "list_dialog.h"
#include "load/file_reader.h"
#include "main_frame.h"
#include "platform/recording_canvas.h"
#include "qtext.h"
#include "records/filter_criteria.h"
#include "records/filter_values.h"
#include "store/edbs_store.h"
#include "views/settings.h"

using namespace satzlupe;

namespace {

QImage IconImage(const QIcon& icon) { return icon.pixmap(16, 16).toImage(); }

}  // namespace

class ListDialogTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<guitest::ScriptedServices> m_services;

  static QStringList Headers(const CListDialog& d) {
    QStringList headers;
    const QAbstractItemModel* model = d.List()->model();
    for (int c = 0; c < model->columnCount(); ++c) headers << model->headerData(c, Qt::Horizontal).toString();
    return headers;
  }
  static QString Cell(const CListDialog& d, int row, int column) {
    return d.List()->model()->index(row, column).data().toString();
  }
  // The page as the core lays it out, for the dialog's current tab.
  static std::vector<ListRow> CorePage(int tab) {
    const int start = g_listStart;
    RebuildListIndex(tab);
    std::vector<ListRow> rows = BuildListPage(tab, g_settings.ListeMaxAnz, g_settings.ListeWhf);
    g_listStart = start;
    return rows;
  }
  static void CompareWithCore(const CListDialog& d, int tab) {
    const std::vector<ListRow> rows = CorePage(tab);
    QCOMPARE(d.List()->model()->rowCount(), static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
      QCOMPARE(d.RecordOfRow(r), rows[static_cast<std::size_t>(r)].record);
      for (int c = 0; c < static_cast<int>(rows[static_cast<std::size_t>(r)].cells.size()); ++c) {
        QCOMPARE(Cell(d, r, c), ToQString(rows[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c)]));
      }
    }
  }

 private slots:
  void init() {
    guitest::ResetProgramState();
    g_store.ClearFilterSet();
    ResetFilterValues();
    m_services = std::make_unique<guitest::ScriptedServices>();
  }
  void cleanup() { m_services.reset(); }

  void AnEmptyStoreIsRefusedWithAMessage() {
    CMainFrame frame;
    frame.View()->OnList();
    QCOMPARE(m_services->prompt.messages,
             std::vector<std::string>{guitest::Core("Es sind keine Daten vorhanden!\nBitte zuerst eine Datei öffnen!")});
  }

  void OpensWithTwelveTabsAndNoneChosen() {
    guitest::LoadFile(guitest::ExampleFile());
    CListDialog d;
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Liste"));
    QCOMPARE(d.objectName(), QStringLiteral("dlg154"));
    QCOMPARE(d.Tabs()->count(), kListTabCount);
    QStringList labels;
    for (int t = 0; t < d.Tabs()->count(); ++t) labels << d.Tabs()->tabText(t);
    QCOMPARE(labels, QStringList({"ULOBNN", "ULO8ALK", "ULOB210F", "DLOB....", "ULTANN", "ULTA1000", "DLTA....",
                                  "ULPUNN", "DLPU....", "ULOVEKDW", "Sonstige", "Alle"}));
    // The example has records of every group but the DLOB, DLTA and DLPU names.
    const QImage filled = IconImage(CListDialog::GroupIcon(false));
    const QImage empty = IconImage(CListDialog::GroupIcon(true));
    QVERIFY(filled != empty);
    for (int t = 0; t < kListAlle; ++t) {
      const bool groupEmpty = t == kListDlob || t == kListDlta || t == kListDlpu;
      QCOMPARE(IconImage(d.Tabs()->tabIcon(t)), groupEmpty ? empty : filled);
    }
    QVERIFY(d.Tabs()->tabIcon(kListAlle).isNull());
    QCOMPARE(d.SelectedTab(), -1);
    QCOMPARE(Headers(d), QStringList({QStringLiteral("Bitte wählen Sie einen Typ von Informationsnamen aus!")}));
    QCOMPARE(d.List()->columnWidth(0), 800);
    QCOMPARE(d.List()->model()->rowCount(), 0);
    QCOMPARE(d.List()->palette().color(QPalette::Base), QColor(191, 191, 191));
    QCOMPARE(d.Slider()->value(), 0);
    QVERIFY(d.List()->showGrid());
    QCOMPARE(d.List()->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(d.List()->horizontalHeader()->sectionsMovable());
    guitest::SaveShot(d, QStringLiteral("liste_start"));
  }

  void ClickingATabShowsItsColumnsAndThePage() {
    guitest::LoadFile(guitest::ExampleFile());
    CListDialog d;
    d.show();
    QTest::mouseClick(d.Tabs(), Qt::LeftButton, {}, d.Tabs()->tabRect(kListUlobnn).center());
    QCOMPARE(d.SelectedTab(), static_cast<int>(kListUlobnn));
    const std::vector<ListColumn> columns = ListColumns(kListUlobnn, false);
    QCOMPARE(d.List()->model()->columnCount(), static_cast<int>(columns.size()));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
      QCOMPARE(Headers(d)[c], ToQString(columns[static_cast<std::size_t>(c)].header));
      QCOMPARE(d.List()->columnWidth(c), columns[static_cast<std::size_t>(c)].width);
    }
    QCOMPARE(d.List()->palette().color(QPalette::Base), QColor(240, 240, 255));
    CompareWithCore(d, kListUlobnn);
    QCOMPARE(Cell(d, 0, 0), QStringLiteral("4.00"));
    QVERIFY(Cell(d, 0, 1).contains(QChar(0xB7)));  // blanks shown as middle dots
    QCOMPARE(d.Slider()->maximum(), 7);  // eight object records
    QCOMPARE(d.SliderText()->text(), QStringLiteral("Nr. 1: Satz      4.00"));
    guitest::SaveShot(d, QStringLiteral("liste_beispiel_ulobnn"));

    QTest::mouseClick(d.Tabs(), Qt::LeftButton, {}, d.Tabs()->tabRect(kListAlle).center());
    QCOMPARE(d.List()->palette().color(QPalette::Base), QColor(250, 250, 250));
    QCOMPARE(Headers(d).last(), QStringLiteral("Inhalt"));
    CompareWithCore(d, kListAlle);
    guitest::SaveShot(d, QStringLiteral("liste_beispiel_alle"));

    d.SelectTab(kListDlpu);  // an empty group: the headers only
    QCOMPARE(d.List()->model()->rowCount(), 0);
    QCOMPARE(d.List()->model()->columnCount(), 14);
    QCOMPARE(d.Slider()->maximum(), 0);
    QCOMPARE(d.SliderText()->text(), QString());
  }

  void TheSliderPagesThroughTheGroup() {
    guitest::LoadFile(guitest::ExampleFile());
    g_settings.ListeMaxAnz = 2;
    CListDialog d;
    d.show();
    d.SelectTab(kListAlle);
    QCOMPARE(d.Slider()->maximum(), 19);
    QCOMPARE(d.Slider()->pageStep(), 2);
    QCOMPARE(d.Slider()->tickInterval(), 2);
    QCOMPARE(d.RecordOfRow(0), 0);

    // Dragging shows the record under the slider; the page follows on release.
    d.Slider()->setSliderDown(true);
    d.Slider()->setValue(5);
    QCOMPARE(d.SliderText()->text(), QStringLiteral("Nr. 6: Satz      6.00"));
    QCOMPARE(d.RecordOfRow(0), 0);
    d.Slider()->setSliderDown(false);
    QCOMPARE(g_listStart, 5);
    QCOMPARE(d.RecordOfRow(0), 5);
    CompareWithCore(d, kListAlle);

    // A key moves by one record and the page follows at once.
    d.Slider()->setFocus();
    QTest::keyClick(d.Slider(), Qt::Key_Down);
    QCOMPARE(d.Slider()->value(), 6);
    QCOMPARE(g_listStart, 6);
    QCOMPARE(d.RecordOfRow(0), 6);

    // A start beyond the group (set in the options) is clamped to its last record.
    g_listStart = 500;
    d.SelectTab(kListSonstige);
    QCOMPARE(g_listStart, 3);
    QCOMPARE(d.Slider()->value(), 3);
    QCOMPARE(d.RecordOfRow(0), 18);
  }

  void WithAFilterSetOnlyItsRecordsAreListed() {
    guitest::LoadFile(guitest::ExampleFile());
    g_filterFrom[0] = "4";
    g_filterTo[0] = "6";
    g_filterArgCount = 1;
    g_store.ApplyFilterCriterion(kCritZeile, 0, 0);
    CListDialog d;
    d.show();
    const QImage empty = IconImage(CListDialog::GroupIcon(true));
    QVERIFY(IconImage(d.Tabs()->tabIcon(kListUlobnn)) != empty);
    QCOMPARE(IconImage(d.Tabs()->tabIcon(kListSonstige)), empty);
    d.SelectTab(kListAlle);
    QCOMPARE(d.Slider()->maximum(), 2);
    QCOMPARE(d.RecordOfRow(0), 3);
  }

  void ListeWhfShowsTheRepetitionFactorsInTheLastColumn() {
    guitest::LoadFile(guitest::ExampleFile());
    g_settings.ListeWhf = true;
    CListDialog d;
    d.SelectTab(kListUlobnn);
    QCOMPARE(Headers(d).last(), QStringLiteral("WHF_ULO21ALK"));
    CompareWithCore(d, kListUlobnn);
  }

  void HelpOpensTheTopicOfTheList() {
    guitest::LoadFile(guitest::ExampleFile());
    CListDialog d;
    d.show();
    d.findChild<QPushButton*>(QStringLiteral("helpButton"))->click();
    QCOMPARE(m_services->help.topics, std::vector<int>{0x20000 + 154});
    QCOMPARE(d.HelpContextFor(d.Slider()), 0x20000 + 154);
  }

  void TheRealSampleOnUlobnn() {
    const QString sample = guitest::UnpackedSample();
    if (sample.isEmpty()) QSKIP("Die ALK-Musterlieferung fehlt.");
    guitest::LoadFile(sample);
    QVERIFY(g_store.GetRecordCount() > 38000);
    CListDialog d;
    d.resize(1100, 650);
    d.show();
    d.SelectTab(kListUlobnn);
    QCOMPARE(d.Slider()->maximum(), static_cast<int>(g_listIndex.size()) - 1);
    QVERIFY(d.List()->model()->rowCount() >= 100);
    CompareWithCore(d, kListUlobnn);
    guitest::SaveShot(d, QStringLiteral("liste_ostritz_ulobnn"));
    d.SelectTab(kListSonstige);
    guitest::SaveShot(d, QStringLiteral("liste_ostritz_sonstige"));
  }
};

SATZLUPE_GUI_TEST_MAIN(ListDialogTest)
#include "list_dialog_test.moc"
