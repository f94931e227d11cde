// The error-list dialog: four columns cut from the fixed columns of each message.

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

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
    QCOMPARE(widths, QList<int>({50, 100, 300, 600}));
    QCOMPARE(list->palette().color(QPalette::Base), QColor(223, 223, 223));
    QVERIFY(list->showGrid());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QVERIFY(list->horizontalHeader()->sectionsMovable());
    QCOMPARE(Cell(list, 0, 1), QStringLiteral("Folgesatz   "));
    QCOMPARE(Cell(list, 0, 2), QStringLiteral("Letzter Folgesatz nicht mit E!"));
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
