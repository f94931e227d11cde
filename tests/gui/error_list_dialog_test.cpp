// The error-list dialog: four columns cut from the fixed columns of each message.

#include <algorithm>

#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTextDocument>

#include "edbs_view.h"
#include "error_list_dialog.h"
#include "gui_test_support.h"
#include "load/error_list.h"
#include "main_frame.h"
#include "qtext.h"

using namespace satzlupe;

class ErrorListDialogTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<guitest::ScriptedServices> m_services;

  static QString Cell(QTableView* list, int row, int column) {
    return list->model()->index(row, column).data().toString();
  }

 private slots:
  void init() {
    guitest::ResetProgramState();
    m_services = std::make_unique<guitest::ScriptedServices>();
  }
  void cleanup() { m_services.reset(); }

  void ColumnsAreCutFromAKnownFile() {
    // Line 2 claims 0099 characters behind the first twelve but has 40: row 1 of the checks.
    const QString akndBody = QStringLiteral("0000");
    const QString shortLine = QStringLiteral("EDBS00990000FEIN000001  0000ULOBNN  0000");
    const QString path = guitest::WriteEdbsFile(
        QStringLiteral("laenge.edbs"),
        {guitest::EdbsLine(QStringLiteral("AKND"), 0, QStringLiteral("ULQA0000"), akndBody), shortLine,
         QStringLiteral("EDBS00240000AEND000002  0000        ")});
    CMainFrame frame;
    frame.show();
    m_services->prompt.fileChoices.push_back(QStringToPath(path));
    frame.View()->OnFileOpen();
    QVERIFY(guitest::WaitForLoad(frame));
    QVERIFY(!g_errorMessages.empty());

    CErrorListDialog d;
    d.show();
    QTableView* list = d.findChild<QTableView*>(QStringLiteral("ctl314"));
    QVERIFY(list);
    QCOMPARE(list->model()->columnCount(), 4);
    QCOMPARE(list->model()->rowCount(), static_cast<int>(g_errorMessages.size()));
    // The first finding is the line length of line 2.
    QCOMPARE(Cell(list, 0, 0), QStringLiteral("       2"));
    QCOMPARE(Cell(list, 0, 1), QStringLiteral("Zeilenlänge "));
    QCOMPARE(Cell(list, 0, 2), QStringLiteral("Zeilenlänge stimmt nicht! ( 0099 <=> 28 )"));
    QCOMPARE(Cell(list, 0, 3), shortLine);
    // Every row is its message cut at columns 8 and 20, with its record beside it.
    for (int k = 0; k < list->model()->rowCount(); ++k) {
      const QString message = ToQString(g_errorMessages[k]);
      QCOMPARE(Cell(list, k, 0), message.left(8));
      QCOMPARE(Cell(list, k, 1), message.mid(8, 12));
      QCOMPARE(Cell(list, k, 2), message.mid(20));
      QCOMPARE(Cell(list, k, 3), ToQString(g_errorRecords[k]));
    }
    guitest::SaveShot(d, QStringLiteral("error_list_small"));
  }

  void HeadersWidthsAndBackground() {
    ReportError("       7Folgesatz   Letzter Folgesatz nicht mit E!", "EDBS...");
    CErrorListDialog d;
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Beim Öffnen der Datei aufgetretene Fehler"));
    QTableView* list = d.List();
    QStringList headers;
    QList<int> widths;
    for (int c = 0; c < 4; ++c) {
      headers << list->model()->headerData(c, Qt::Horizontal).toString();
      widths << list->columnWidth(c);
    }
    QCOMPARE(headers, QStringList({QStringLiteral("Zeile"), QStringLiteral("Art"), QStringLiteral("Beschreibung"),
                                   QStringLiteral("EDBS-Satz")}));
    // At least the widths of the dialog's layout.
    QVERIFY(widths[0] >= 50 && widths[1] >= 100 && widths[2] >= 300 && widths[3] >= 600);
    QCOMPARE(list->palette().color(QPalette::Base), QColor(223, 223, 223));
    QVERIFY(list->showGrid());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->horizontalHeader()->sectionsMovable());
    QCOMPARE(Cell(list, 0, 1), QStringLiteral("Folgesatz   "));
    QCOMPARE(Cell(list, 0, 2), QStringLiteral("Letzter Folgesatz nicht mit E!"));
  }

  void NineDigitLineNumbersAndEveryLabelShowInFull() {
    ReportError(FormatAnalysisMessage(123456789, 42), "EDBS...");
    ReportError("    1234Op.schl\xFCsselOperationsschl\xFCssel unbekannt! (XXXX)",
                "EDBS00990000XXXX000013  0000ULOBNN  0001000154569154700000600000000000000100010012301"
                "01FA0009G1K4060508 0000");
    ReportError("       5Reihenfolge Datensatz vor letztem OTEX-, BKRT- oder BINF-Satz gefunden!", "EDBS...");
    CErrorListDialog d;
    d.show();
    QTableView* list = d.List();
    QCOMPARE(Cell(list, 0, 0), QStringLiteral("123456789"));
    QCOMPARE(Cell(list, 0, 1), QStringLiteral("Satzanalyse "));
    QCOMPARE(Cell(list, 0, 2), QStringLiteral("Analyse-Fehler 42!"));
    // A cell's text has the item margins on both sides.
    const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    const QFontMetrics fm = list->fontMetrics();
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 4; ++column) {
        const QString text = Cell(list, row, column);
        QVERIFY2(list->columnWidth(column) >= fm.horizontalAdvance(text) + margin, qPrintable(text));
      }
    }
    guitest::SaveShot(d, QStringLiteral("error_list_wide_numbers"));
  }

  void HugeRecordShowsItsBeginningAndCopiesWhole() {
    std::string record = "EDBS" + std::string(20 * 1000 * 1000, 'x');
    record[300] = 'Y';
    ReportError("       1Zeilenl\xE4nge Zeilenl\xE4nge stimmt nicht! ( 0040 <=> 19999992 )", record);
    CErrorListDialog d;
    d.show();
    (void)d.grab();  // painted as a user sees it
    QTableView* list = d.List();
    const QString cell = Cell(list, 0, 3);
    QCOMPARE(cell.size(), ErrorListModel::kCellChars + 1);
    QCOMPARE(cell.left(ErrorListModel::kCellChars), ToQString(record.substr(0, ErrorListModel::kCellChars)));
    QCOMPARE(cell.back(), QChar(0x2026));
    const QString tip = list->model()->index(0, 3).data(Qt::ToolTipRole).toString();
    QVERIFY(tip.size() < 2 * ErrorListModel::kToolTipChars);
    QVERIFY(tip.contains(QStringLiteral("20000004 Zeichen insgesamt")));
    list->selectAll();
    const QString copied = d.SelectedText();
    QCOMPARE(copied, QStringLiteral("       1\tZeilenlänge \tZeilenlänge stimmt nicht! ( 0040 <=> 19999992 )\t") +
                         ToQString(record) + QLatin1Char('\n'));
  }

  void ShortRecordShowsWholeWithItsFieldsInTheToolTip() {
    const std::string record = "EDBS00280000FEIN000014  0000ULXYNN  0001<x>";
    ReportError("      20Folgesatz   <x> unzul\xE4ssiges Zeichen als Folgesatzkennung!", record);
    CErrorListDialog d;
    QCOMPARE(Cell(d.List(), 0, 3), ToQString(record));
    QCOMPARE(Cell(d.List(), 0, 2), QStringLiteral("<x> unzulässiges Zeichen als Folgesatzkennung!"));
    // Shown as text, not read as markup.
    QTextDocument tip;
    tip.setHtml(d.List()->model()->index(0, 2).data(Qt::ToolTipRole).toString());
    QCOMPARE(tip.toPlainText(), QStringLiteral("<x> unzulässiges Zeichen als Folgesatzkennung!"));
    tip.setHtml(d.List()->model()->index(0, 3).data(Qt::ToolTipRole).toString());
    QCOMPARE(tip.toPlainText(), ToQString(record));
  }

  void CtrlCCopiesTheSelectedRowsAsTabSeparatedText() {
    ReportError("       2Zeilenl\xE4nge Zeilenl\xE4nge stimmt nicht! ( 0099 <=> 28 )", "EDBS eins");
    ReportError("       3Informa.nameInformationsname unbekannt! (ULXYNN  )", "EDBS zwei");
    ReportError("       4Folgesatz   Letzter Folgesatz nicht mit E!", "EDBS drei");
    CErrorListDialog d;
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTableView* list = d.List();
    auto* copyButton = d.findChild<QPushButton*>(QStringLiteral("copyButton"));
    QVERIFY(!copyButton->isEnabled());
    QGuiApplication::clipboard()->clear();
    list->setFocus();
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(list->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(copyButton->isEnabled());
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("       2\tZeilenlänge \tZeilenlänge stimmt nicht! ( 0099 <=> 28 )\tEDBS eins\n"
                            "       4\tFolgesatz   \tLetzter Folgesatz nicht mit E!\tEDBS drei\n"));
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(list->selectionModel()->selectedRows().size(), 3);
  }

  void SaveWritesTheWholeListWhereTheUserChose() {
    ReportError("       2Zeilenl\xE4nge Zeilenl\xE4nge stimmt nicht! ( 0099 <=> 28 )", "EDBS G\xF6rlitz");
    ReportError("       4Folgesatz   Letzter Folgesatz nicht mit E!", "EDBS drei");
    const QString path = guitest::TempDir() + QStringLiteral("/fehlerliste.txt");
    m_services->prompt.fileChoices.push_back(QStringToPath(path));
    CErrorListDialog d;
    d.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    QCOMPARE(m_services->prompt.chooserTitles, std::vector<std::string>{"Fehlerliste speichern"});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Zeile\tArt\tBeschreibung\tEDBS-Satz\r\n"
                                        "       2\tZeilenl\xE4nge \tZeilenl\xE4nge stimmt nicht! ( 0099 <=> 28 )\t"
                                        "EDBS G\xF6rlitz\r\n"
                                        "       4\tFolgesatz   \tLetzter Folgesatz nicht mit E!\tEDBS drei\r\n"));
    QVERIFY(m_services->prompt.messages.empty());
  }

  void RealSampleWithFaultsShowsFiveDigitLineNumbersInFull() {
    const QString sample = QStringLiteral(SATZLUPE_SHARED_DATA "/edbs.ALK_Muster_EDBS_FEIN.dbout.1.001.gz");
    if (!QFile::exists(sample)) QSKIP(qPrintable(QStringLiteral("Die ALK-Musterlieferung fehlt: ") + sample));
    // The real delivery with three faults: two unknown names and a chain without its end line.
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), sample});
    QVERIFY(gzip.waitForFinished(20000));
    QList<QByteArray> lines = gzip.readAllStandardOutput().split('\n');
    QVERIFY(lines.size() > 38000);
    const auto end = std::find_if(lines.begin(), lines.end(), [](const QByteArray& l) { return l.size() > 22 && l[22] == 'E'; });
    QVERIFY(end != lines.end());
    const int chainEnd = static_cast<int>(end - lines.begin()) + 1;
    lines.erase(end);
    for (int k : {12344, 37999}) lines[k].replace(28, 8, "ULXYNN  ");
    const QString path = guitest::TempDir() + QStringLiteral("/ostritz_fehler.edbs");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines.join('\n'));
    file.close();

    CMainFrame frame;
    frame.show();
    m_services->prompt.fileChoices.push_back(QStringToPath(path));
    frame.View()->OnFileOpen();
    QVERIFY(guitest::WaitForLoad(frame));
    CErrorListDialog d;
    d.show();
    QTableView* list = d.List();
    QCOMPARE(list->model()->rowCount(), 3);
    QCOMPARE(Cell(list, 0, 0), QStringLiteral("   12345"));
    QCOMPARE(Cell(list, 1, 0), QStringLiteral("   38000"));
    QCOMPARE(Cell(list, 2, 1), QStringLiteral("Satzanalyse "));
    QVERIFY(Cell(list, 2, 2).startsWith(QStringLiteral("Folgesatzkette ohne Endesatz verworfen")));
    QVERIFY(Cell(list, 2, 0).trimmed().toInt() < chainEnd);
    const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    QVERIFY(list->columnWidth(0) >= list->fontMetrics().horizontalAdvance(QStringLiteral("   38000")) + margin);
    guitest::SaveShot(d, QStringLiteral("error_list_real_sample"));
  }

  void EmptyListWithoutFindings() {
    CErrorListDialog d;
    QCOMPARE(d.List()->model()->rowCount(), 0);
  }

  void HelpAndF1Topics() {
    CErrorListDialog d;
    d.show();
    d.findChild<QPushButton*>(QStringLiteral("ctl369"))->click();
    QCOMPARE(d.HelpContextFor(d.List()->viewport()), 0x50000 + 314);
    QCOMPARE(d.HelpContextFor(d.findChild<QPushButton*>(QStringLiteral("ctl359"))), 0x50000 + 359);
    QCOMPARE(m_services->help.topics, std::vector<int>{131189});
  }
};

SATZLUPE_GUI_TEST_MAIN(ErrorListDialogTest)
#include "error_list_dialog_test.moc"
