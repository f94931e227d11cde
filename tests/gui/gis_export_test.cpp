// "GIS-Export ...": the command in the file menu, the reference system dialog, the written file
// and the message with the counts.

#include <QAction>
#include <QFile>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTimer>

#include <filesystem>
#include <memory>

#include "commands.h"
#include "edbs_view.h"
#include "gis_export_dialog.h"
#include "gui_test_support.h"
#include "help_window.h"
#include "main_frame.h"
#include "qt_services.h"
#include "qtext.h"
#include "store/edbs_store.h"

using namespace satzlupe;

namespace {

QString GisFile(const char* name) { return QStringLiteral(SATZLUPE_TEST_DATA "/gis/%1.edbs").arg(QLatin1String(name)); }

// Whether the awaited window was handled; once asked, a late timer does nothing.
struct Watch {
  bool handled = false;
  bool over = false;
};

// Lets `handle` work on the first visible top-level window of type T once it is shown (tried for
// two seconds) and close it. A window that does not open, or that `handle` leaves open, fails the
// test instead of blocking it.
template <typename T, typename Handle>
std::shared_ptr<Watch> WhenShown(Handle handle, std::shared_ptr<Watch> watch = {}, int triesLeft = 100) {
  if (!watch) watch = std::make_shared<Watch>();
  QTimer::singleShot(20, [handle, watch, triesLeft] {
    if (watch->over) return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* t = qobject_cast<T*>(w);
      if (!t || !t->isVisible()) continue;
      watch->handled = true;
      handle(*t);
      if (t->isVisible()) {
        QTest::qFail("the window stayed open", __FILE__, __LINE__);
        t->close();
      }
      return;
    }
    if (triesLeft > 0) {
      WhenShown<T>(handle, watch, triesLeft - 1);
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
      modal->close();
    }
  });
  return watch;
}

bool Handled(const std::shared_ptr<Watch>& watch) {
  watch->over = true;
  return watch->handled;
}

template <typename T>
T* Child(QWidget& parent, int id) {
  return parent.findChild<T*>(QStringLiteral("ctl%1").arg(id));
}

}  // namespace

class GisExportTest : public QObject {
  Q_OBJECT
 private:
  guitest::RunningFrame m_app;

  void Open(const QString& path) {
    m_app.frame->View()->OpenFile(path);
    QVERIFY(guitest::WaitForLoad(*m_app.frame));
    m_app.frame->UpdateCommandUI();
  }
  QString Output(const QString& name) { return guitest::TempDir() + QLatin1Char('/') + name; }

 private slots:
  void init() {
    m_app.Start();
  }
  void cleanup() {
    m_app.Stop();
  }

  void CommandFollowsLesbarSpeichernAndNeedsData() {
    QAction* command = m_app.frame->Command(ID_DATEI_GIS_EXPORT);
    QVERIFY(command);
    QCOMPARE(command->text(), QStringLiteral("&GIS-Export ..."));
    QCOMPARE(command->objectName(), QStringLiteral("cmd32841"));
    QMenu* datei = m_app.frame->menuBar()->actions().first()->menu();
    const QList<QAction*> items = datei->actions();
    const int at = items.indexOf(m_app.frame->Command(ID_DATEI_LESBAR_SPEICHERN));
    QVERIFY(at >= 0 && at + 2 < items.size());
    QCOMPARE(items[at + 1], command);
    QVERIFY(items[at + 2]->isSeparator());
    QVERIFY(!command->isEnabled());
    Open(GisFile("square"));
    QVERIFY(command->isEnabled());
  }

  void ExportWritesTheFileAndReportsTheCounts() {
    Open(GisFile("hole"));
    const QString out = Output(QStringLiteral("hole.gpkg"));
    m_app.services->prompt.fileChoices.push_back(QStringToPath(out));
    QString suggested, name, shownOutput, report;
    std::shared_ptr<Watch> result;
    auto watch = WhenShown<CGisExportDialog>([&](CGisExportDialog& d) {
      suggested = Child<QLineEdit>(d, CGisExportDialog::IDC_GIS_CRS)->text();
      name = Child<QLabel>(d, CGisExportDialog::IDC_GIS_CRS_NAME)->text();
      shownOutput = Child<QLabel>(d, CGisExportDialog::IDC_GIS_AUSGABE)->text();
      QVERIFY(!Child<QLineEdit>(d, CGisExportDialog::IDC_GIS_ZIEL)->isEnabled());
      guitest::SaveShot(d, QStringLiteral("gis_export_dialog"));
      result = WhenShown<QMessageBox>([&](QMessageBox& box) {
        report = QTextDocumentFragment::fromHtml(box.text()).toPlainText();
        guitest::SaveShot(box, QStringLiteral("gis_export_result"));
        box.accept();
      });
      Child<QPushButton>(d, CGisExportDialog::IDC_OK)->click();
    });
    m_app.frame->Command(ID_DATEI_GIS_EXPORT)->trigger();
    QVERIFY(Handled(watch));
    QVERIFY(result && Handled(result));
    QCOMPARE(suggested, QStringLiteral("EPSG:31469"));
    QCOMPARE(name, QStringLiteral("DHDN / 3-degree Gauss-Kruger zone 5"));
    QCOMPARE(shownOutput, QStringLiteral("Ausgabe: ") + out + QStringLiteral(" (GeoPackage)"));
    QCOMPARE(m_app.services->prompt.chooserTitles, std::vector<std::string>{"GIS-Export"});
    QVERIFY(std::filesystem::exists(QStringToPath(out)));
    QVERIFY2(report.contains(QStringLiteral("flaechen         2 (2 Flurstücke, 0 andere Flächen)")), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("Bezugssystem: EPSG:31469\n")));
    QVERIFY(m_app.services->prompt.messages.empty());
  }

  void UnknownCodeKeepsTheDialogOpenUntilCancelled() {
    Open(GisFile("square"));
    const QString out = Output(QStringLiteral("nie.gpkg"));
    m_app.services->prompt.fileChoices.push_back(QStringToPath(out));
    bool stillOpen = false;
    QString targetName;
    auto watch = WhenShown<CGisExportDialog>([&](CGisExportDialog& d) {
      Child<QCheckBox>(d, CGisExportDialog::IDC_GIS_UMRECHNEN)->setChecked(true);
      auto* target = Child<QLineEdit>(d, CGisExportDialog::IDC_GIS_ZIEL);
      QCOMPARE(target->text(), QStringLiteral("EPSG:25833"));
      target->setText(QStringLiteral("EPSG:99999"));
      targetName = Child<QLabel>(d, CGisExportDialog::IDC_GIS_ZIEL_NAME)->text();
      Child<QPushButton>(d, CGisExportDialog::IDC_OK)->click();
      stillOpen = d.isVisible();
      Child<QPushButton>(d, CGisExportDialog::IDC_CANCEL)->click();
    });
    m_app.frame->Command(ID_DATEI_GIS_EXPORT)->trigger();
    QVERIFY(Handled(watch));
    QVERIFY(stillOpen);
    QCOMPARE(targetName, QStringLiteral("unbekannter EPSG-Code"));
    QCOMPARE(m_app.services->prompt.messages,
             std::vector<std::string>{guitest::Core("Unbekanntes Bezugssystem: EPSG:99999\nBitte einen EPSG-Code wie "
                                                    "EPSG:31469 angeben.")});
    QVERIFY(!std::filesystem::exists(QStringToPath(out)));
  }

  void ExistingFileIsReplacedOnlyWhenConfirmed() {
    Open(GisFile("square"));
    const QString out = Output(QStringLiteral("vorhanden.gpkg"));
    QFile file(out);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("alt");
    file.close();
    m_app.services->prompt.fileChoices.push_back(QStringToPath(out));
    m_app.services->prompt.answers.push_back(edbs::PromptAnswer::No);
    auto watch = WhenShown<CGisExportDialog>([](CGisExportDialog& d) { d.accept(); });
    m_app.frame->Command(ID_DATEI_GIS_EXPORT)->trigger();
    QVERIFY(Handled(watch));
    QCOMPARE(QFileInfo(out).size(), qint64(3));
    QCOMPARE(m_app.services->prompt.messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(m_app.services->prompt.messages[0]).contains(QStringLiteral("existiert bereits")));
  }

  void UnknownExtensionIsReportedBeforeTheDialog() {
    Open(GisFile("square"));
    m_app.services->prompt.fileChoices.push_back(QStringToPath(Output(QStringLiteral("plan.kml"))));
    m_app.frame->Command(ID_DATEI_GIS_EXPORT)->trigger();
    QCOMPARE(m_app.services->prompt.messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(m_app.services->prompt.messages[0]).startsWith(QStringLiteral("Unbekanntes Ausgabeformat")));
  }

  void HelpButtonOpensTheTopicOfTheDialog() {
    CGisExportDialog dialog(QStringLiteral("x.gpkg (GeoPackage)"), 0, 0, m_app.frame.get());
    QCOMPARE(Child<QLineEdit>(dialog, CGisExportDialog::IDC_GIS_CRS)->text(), QString());
    QCOMPARE(Child<QLabel>(dialog, CGisExportDialog::IDC_GIS_CRS_NAME)->text(), QStringLiteral("bitte einen EPSG-Code eingeben"));
    Child<QPushButton>(dialog, CGisExportDialog::IDC_HELP)->click();
    QCOMPARE(m_app.services->help.topics, std::vector<int>{0x20000 + 170});
  }

  void HelpPageHasAnAnchorForEveryControl() {
    const QUrl page = HelpTopicUrl(0x20000 + CGisExportDialog::kDialogId);
    QCOMPARE(page, QUrl(QStringLiteral("qrc:/help/gisexport.html")));
    QFile file(QLatin1Char(':') + page.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    for (int control = CGisExportDialog::IDC_GIS_AUSGABE; control <= CGisExportDialog::IDC_HELP; ++control) {
      const QUrl url = HelpTopicUrl(0x50000 + control);
      QCOMPARE(url.fragment(), QStringLiteral("ctl%1").arg(control));
      QVERIFY2(html.contains("name=\"ctl" + QByteArray::number(control) + "\""), qPrintable(url.toString()));
    }
    QtHelp help;
    help.ShowTopic(0x20000 + CGisExportDialog::kDialogId);
    help.Window()->resize(700, 800);
    guitest::SaveShot(*help.Window(), QStringLiteral("gis_export_help"));
  }

  void SaveDialogTakesTheExtensionOfTheChosenFilter() {
    QCOMPARE(FilterSuffix(QStringLiteral("GeoPackage (*.gpkg)")), QStringLiteral("gpkg"));
    QCOMPARE(FilterSuffix(QStringLiteral("ESRI Shapefile (*.shp)")), QStringLiteral("shp"));
    QCOMPARE(FilterSuffix(QStringLiteral("Alle Dateien (*)")), QString());
  }
};

SATZLUPE_GUI_TEST_MAIN(GisExportTest)
#include "gis_export_test.moc"
