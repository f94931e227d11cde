// The statistics dialog: thirteen buttons in their order, each filling the list with the lines of
// its statistic from the core; help topics of the dialog and the buttons.

#include <QDir>
#include <QListWidget>
#include <QPushButton>

#include "gui_test_support.h"
#include "load/file_reader.h"
#include "platform/recording_canvas.h"
#include "qtext.h"
#include "statistics_dialog.h"
#include "store/edbs_store.h"
#include "views/statistics.h"

using namespace satzlupe;

namespace {

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int k = 0; k < list->count(); ++k) lines << list->item(k)->text();
  return lines;
}

QStringList CoreLines(int kind) {
  QStringList lines;
  for (const std::string& line : StatisticLines(kind)) lines << ToQString(line);
  return lines;
}

struct Expected {
  int id;
  const char* label;
  int kind;
};

}  // namespace

class StatisticsDialogTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<guitest::ScriptedServices> m_services;

 private slots:
  void init() {
    guitest::ResetProgramState();
    g_store.ClearFilterSet();
    m_services = std::make_unique<guitest::ScriptedServices>();
  }
  void cleanup() { m_services.reset(); }

  void ThirteenButtonsEachShowTheirStatistic() {
    guitest::LoadFile(guitest::ExampleFile());
    CStatisticsDialog d;
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Statistik"));
    QCOMPARE(Lines(d.List()), QStringList({QStringLiteral("Bitte wählen Sie links eine Statistik aus!")}));
    const Expected buttons[] = {
        {277, "Operationsschlüssel", kStatOpKeys},    {279, "Informationsnamen", kStatInfoNames},
        {280, "Aggregate", kStatAggregates},          {281, "Folien", kStatLayers},
        {282, "Objektarten", kStatObjectKinds},       {283, "Objektschlüssel", kStatObjectKeys},
        {288, "Art der Information", kStatInfoKinds}, {284, "Art der Geometrie", kStatGeometryKinds},
        {287, "Fachkennungen", kStatFachkennungen},   {289, "Extremalkoordinaten", kStatExtremes},
        {285, "Attribute", kStatAttributes},          {286, "Wiederholungsfaktoren", kStatRepeatCounts},
        {290, "Sätze - Dateien", kStatRecordsPerFile},
    };
    int lastY = -1;
    for (const Expected& e : buttons) {
      QPushButton* button = d.Button(e.id);
      QVERIFY2(button, e.label);
      QCOMPARE(button->text(), QString::fromUtf8(e.label));
      QVERIFY(button->y() > lastY);  // top to bottom in this order
      lastY = button->y();
      button->click();
      QCOMPARE(Lines(d.List()), CoreLines(e.kind));
    }
    QCOMPARE(d.findChildren<QPushButton*>().size(), 13 + 2);  // and OK, Hilfe
  }

  void ExtremeCoordinatesKeepTheirTabs() {
    guitest::LoadFile(guitest::ExampleFile());
    CStatisticsDialog d;
    d.resize(760, 420);
    d.show();
    d.Button(CStatisticsDialog::IDC_EXTREMAL)->click();
    QCOMPARE(d.List()->item(2)->text(), QStringLiteral("Rechtswert:\t\t\t5492095.000 m"));
    guitest::SaveShot(d, QStringLiteral("statistik_beispiel_extremal"));
    d.Button(CStatisticsDialog::IDC_OBJEKTSCHLUESSEL)->click();
    guitest::SaveShot(d, QStringLiteral("statistik_beispiel_objektschluessel"));
  }

  void HelpTopicsOfTheDialogAndItsButtons() {
    CStatisticsDialog d;
    d.show();
    d.findChild<QPushButton*>(QStringLiteral("helpButton"))->click();
    QCOMPARE(m_services->help.topics, std::vector<int>{0x20000 + 109});
    QCOMPARE(d.HelpContextFor(d.Button(CStatisticsDialog::IDC_FOLIEN)), 0x50000 + 281);
    QCOMPARE(d.HelpContextFor(d.List()), 0x20000 + 109);
  }

  void TheRealSampleByObjectKeys() {
    const QString path = guitest::UnpackedSample();
    if (path.isEmpty()) QSKIP("Die ALK-Musterlieferung fehlt.");
    guitest::LoadFile(path);
    CStatisticsDialog d;
    d.resize(760, 560);
    d.show();
    d.Button(CStatisticsDialog::IDC_OBJEKTSCHLUESSEL)->click();
    QCOMPARE(Lines(d.List()), CoreLines(kStatObjectKeys));
    QVERIFY(d.List()->count() > 20);
    guitest::SaveShot(d, QStringLiteral("statistik_ostritz_objektschluessel"));
    d.Button(CStatisticsDialog::IDC_EXTREMAL)->click();
    guitest::SaveShot(d, QStringLiteral("statistik_ostritz_extremal"));
    d.Button(CStatisticsDialog::IDC_AGGREGATE)->click();
    guitest::SaveShot(d, QStringLiteral("statistik_ostritz_aggregate"));
  }
};

SATZLUPE_GUI_TEST_MAIN(StatisticsDialogTest)
#include "statistics_dialog_test.moc"
