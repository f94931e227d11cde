// The filter dialog: what each tab shows, running criteria one after the other, the messages, the
// count field, and the command that opens it.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "edbs_view.h"
#include "filter_dialog.h"
#include "gui_test_support.h"
#include "load/file_reader.h"
#include "main_frame.h"
#include "platform/recording_canvas.h"
#include "qtext.h"
#include "records/filter_table.h"
#include "store/edbs_store.h"

using namespace satzlupe;

class FilterDialogTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<guitest::ScriptedServices> m_services;

  template <class W>
  static W* Find(QDialog& d, const QString& name) {
    return d.findChild<W*>(name);
  }
  static QLineEdit* Line(QDialog& d) { return Find<QLineEdit>(d, QStringLiteral("filterLine")); }
  static QListWidget* List(QDialog& d) { return Find<QListWidget>(d, QStringLiteral("filterList")); }
  static QCheckBox* Extra(QDialog& d) { return Find<QCheckBox>(d, QStringLiteral("filterExtra")); }
  static QString Count(QDialog& d) { return Find<QLabel>(d, QStringLiteral("ctl257"))->text(); }
  static void Click(QDialog& d, const QString& name) { Find<QAbstractButton>(d, name)->click(); }
  static void Shot(QWidget& w, const QString& name) { guitest::SaveShot(w, name); }

  static void LoadExample() {
    g_fileName = QStringToPath(guitest::ExampleFile());
    g_pendingAction = kPendingOpen;
    edbs::NullCanvas canvas;
    PerformPendingLoad(canvas);
    QVERIFY(g_store.GetRecordCount() > 0);
  }

 private slots:
  void init() {
    guitest::ResetProgramState();
    m_services = std::make_unique<guitest::ScriptedServices>();
    if (guitest::ExampleFile().isEmpty()) QSKIP("the bundled example is missing");
    LoadExample();
  }
  void cleanup() { m_services.reset(); }

  void OpensOnTheFileTabWithItsDefaults() {
    CFilterDialog d;
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Filter"));
    QCOMPARE(d.CurrentTab(), 0);
    QVERIFY(Find<QToolButton>(d, QStringLiteral("filterTab0"))->isChecked());
    QCOMPARE(Find<QLineEdit>(d, QStringLiteral("filterName"))->text(), QStringLiteral("DATEI-FILTER:"));
    QCOMPARE(Find<QLineEdit>(d, QStringLiteral("filterDescription"))->text(), QStringLiteral("Wählen Sie Dateien aus:"));
    QCOMPARE(List(d)->count(), 1);
    QCOMPARE(List(d)->item(0)->text(), QStringLiteral("00 ") + guitest::ExampleFile());
    QVERIFY(Find<QRadioButton>(d, QStringLiteral("filterAddieren"))->isChecked());
    QVERIFY(!Find<QRadioButton>(d, QStringLiteral("filterWeiter"))->isChecked());
    QVERIFY(!Find<QCheckBox>(d, QStringLiteral("filterKomplement"))->isChecked());
    QVERIFY(Line(d)->isHidden());
    QVERIFY(Extra(d)->isHidden());
    QCOMPARE(Find<QLineEdit>(d, QStringLiteral("coordVonRechtswert"))->text(), QStringLiteral("0"));
    QCOMPARE(Count(d), QStringLiteral("0 Sätze"));
    Shot(d, QStringLiteral("filter_datei"));
  }

  void EachTabShowsItsInput() {
    CFilterDialog d;
    d.show();
    int tabs = 0;
    for (int tab = 0; tab < kFilterTabCount; ++tab) {
      auto* button = Find<QToolButton>(d, QStringLiteral("filterTab%1").arg(tab));
      QVERIFY(button);
      QCOMPARE(button->text(), ToQString(FilterTabInfo(tab).label));
      button->click();
      QCOMPARE(d.CurrentTab(), tab);
      const FilterInput input = FilterTabInfo(tab).input;
      QCOMPARE(List(d)->isVisible(), input == FilterInput::kList);
      QCOMPARE(Line(d)->isVisible(), input == FilterInput::kLine);
      QCOMPARE(Find<QWidget>(d, QStringLiteral("filterKoordinaten"))->isVisible(), input == FilterInput::kCoordinates);
      QCOMPARE(Extra(d)->isVisible(), FilterTabExtra(tab) != nullptr);
      QCOMPARE(Find<QLineEdit>(d, QStringLiteral("filterName"))->text(), ToQString(FilterTabInfo(tab).heading));
      ++tabs;
    }
    QCOMPARE(tabs, 26);
    d.SelectTab(kCritObjArt);
    QCOMPARE(Extra(d)->text(), QStringLiteral("Darstellungskennung ignorieren"));
    d.SelectTab(kCritText);
    QCOMPARE(Extra(d)->text(), QStringLiteral("Groß-/Kleinschreibung ignorieren"));
    d.SelectTab(kCritFachkennung);
    QCOMPARE(List(d)->count(), 3);  // collected from the names of the example
    QCOMPARE(List(d)->item(0)->text(), QStringLiteral("FS"));
    QCOMPARE(List(d)->item(2)->text(), QStringLiteral("KN"));
    d.SelectTab(kCritArtBesInfo);
    QCOMPARE(List(d)->count(), 35);
    QCOMPARE(List(d)->item(19)->text(), QStringLiteral("44 (Atkis-Namen (KN,GN,ZN))"));
  }

  void CriteriaRunOneAfterTheOther() {
    CFilterDialog d;
    d.show();
    d.SelectTab(kCritFolie);
    Line(d)->setText(QStringLiteral("001"));
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(g_filterCount, 3);
    QCOMPARE(Count(d), QStringLiteral("3 Sätze"));
    Shot(d, QStringLiteral("filter_folie"));
    // Refining by a list selection.
    d.SelectTab(kCritObjTyp);
    Find<QRadioButton>(d, QStringLiteral("filterWeiter"))->setChecked(true);
    List(d)->item(1)->setSelected(true);  // L (Linienförmiges Objekt)
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(Count(d), QStringLiteral("0 Sätze"));
    QVERIFY(m_services->prompt.messages.empty());
    Click(d, QStringLiteral("ctl258"));
    QCOMPARE(g_filterCount, 0);
  }

  void CheckboxAndNegationReachTheCriterion() {
    CFilterDialog d;
    d.show();
    d.SelectTab(kCritText);
    Line(d)->setText(QStringLiteral("beispiel"));
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(g_filterCount, 0);
    Extra(d)->setChecked(true);
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(g_filterCount, 1);
    Find<QCheckBox>(d, QStringLiteral("filterKomplement"))->setChecked(true);
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(g_filterCount, g_store.GetRecordCount());  // extending by the negation adds all others
  }

  void ARefusedLineShowsTheMessageAndKeepsTheSet() {
    CFilterDialog d;
    d.show();
    d.SelectTab(kCritFolie);
    Line(d)->setText(QStringLiteral("001"));
    Click(d, QStringLiteral("ctl254"));
    Line(d)->setText(QStringLiteral("123--5"));
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(m_services->prompt.messages.size(), std::size_t{1});
    QCOMPARE(ToQString(m_services->prompt.messages[0]),
             QStringLiteral("Fehler: Mehrfaches '-' an Position 4 gefunden!\nFilter nicht ausgeführt!"));
    QCOMPARE(Count(d), QStringLiteral("3 Sätze"));
    d.SelectTab(kCritOpSchluessel);
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(ToQString(m_services->prompt.messages[1]),
             QStringLiteral("Keine Zeile in der Liste als Suchmuster ausgewählt!"));
    QCOMPARE(g_filterCount, 3);
  }

  void CoordinateWindowAndFaultyRecords() {
    CFilterDialog d;
    d.show();
    d.SelectTab(kCritKoordinate);
    Find<QLineEdit>(d, QStringLiteral("coordVonRechtswert"))->setText(QStringLiteral("5491790"));
    Find<QLineEdit>(d, QStringLiteral("coordVonHochwert"))->setText(QStringLiteral("5654600"));
    Find<QLineEdit>(d, QStringLiteral("coordBisRechtswert"))->setText(QStringLiteral("5491700"));
    Find<QLineEdit>(d, QStringLiteral("coordBisHochwert"))->setText(QStringLiteral("5654650"));
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(g_filterCount, 3);
    Shot(d, QStringLiteral("filter_koordinate"));
    d.SelectTab(kCritFehler);
    Click(d, QStringLiteral("ctl258"));
    Click(d, QStringLiteral("ctl254"));
    QCOMPARE(g_filterCount, 5);
    Shot(d, QStringLiteral("filter_fehler"));
    d.SelectTab(kCritInfoName);
    List(d)->item(0)->setSelected(true);
    List(d)->item(2)->setSelected(true);
    Shot(d, QStringLiteral("filter_infoname"));
  }

  void HelpOpensTheDialogTopic() {
    CFilterDialog d;
    d.show();
    d.OnHelp();
    QCOMPARE(m_services->help.topics.back(), 0x20000 + 141);
  }

  void FilterCommandOpensTheDialogAndRepaints() {
    CMainFrame frame;
    frame.show();
    QString opened;
    QTimer::singleShot(0, [&opened] {
      if (auto* d = qobject_cast<CFilterDialog*>(QApplication::activeModalWidget())) {
        opened = d->objectName();
        d->SelectTab(kCritFehler);
        d->RunCriterion();
        d->accept();
      }
    });
    frame.View()->OnFilter();
    QCOMPARE(opened, QStringLiteral("dlg141"));
    QCOMPARE(g_filterCount, 5);
  }
};

SATZLUPE_GUI_TEST_MAIN(FilterDialogTest)
#include "filter_dialog_test.moc"
