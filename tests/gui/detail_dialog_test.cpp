// The detail dialog: its controls, the tree of one page with the operation-key icons, the slider
// that reopens the dialog at a new position, the drawing beside the tree with its buttons, the
// keyboard, and the main window's graphic left exactly as it was.

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

#include "commands.h"
#include "detail_dialog.h"
#include "edbs_view.h"
#include "gui_test_support.h"
#include "load/file_reader.h"
#include "main_frame.h"
#include "platform/recording_canvas.h"
#include "qtext.h"
#include "records/edbs_part.h"
#include "records/filter_criteria.h"
#include "records/filter_values.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/detail_pages.h"
#include "views/settings.h"
#include "views/view_state.h"

using namespace satzlupe;

namespace {

// A point field in the signed form, in whole metres.
QString Pt(int x, int y) {
  return QStringLiteral("+%1+%2").arg(x * 1000, 9, 10, QLatin1Char('0')).arg(y * 1000, 9, 10, QLatin1Char('0'));
}

// An object record with one straight line, added to the store on line `line` of file slot `file`.
int AddLine(int line, int file = 0, int x = 1000) {
  const QString body = QStringLiteral("00010001") + Pt(x, 2000) + QStringLiteral(" 0001") + QStringLiteral("0001") +
                       Pt(x + 10, 2010) + QStringLiteral("1100000000") + QStringLiteral("0000");
  const int index = g_store.GetRecordCount();
  g_store.AddRecord(ToCoreText(guitest::EdbsLine(QStringLiteral("FEIN"), 1, QStringLiteral("ULOBNN"), body)), line,
                    kFEIN, LookupInfoName("ULOBNN  "), file, 0);
  return index;
}

// Runs `handle` on each detail dialog as it opens, one handler per opening, and fails the test
// when a dialog does not open or stays open.
struct DetailWatch {
  std::vector<std::function<void(CDetailDialog&)>> handlers;
  int handled = 0;
  bool failed = false;
};

void WatchNextOpening(const std::shared_ptr<DetailWatch>& watch) {
  QTimer::singleShot(0, [watch] {
    CDetailDialog* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<CDetailDialog*>(w); d && d->isVisible()) found = d;
    }
    if (!found || watch->handled >= static_cast<int>(watch->handlers.size())) {
      watch->failed = true;
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
      return;
    }
    const int k = watch->handled++;
    if (k + 1 < static_cast<int>(watch->handlers.size())) WatchNextOpening(watch);
    watch->handlers[static_cast<std::size_t>(k)](*found);
    if (found->isVisible() && k + 1 == static_cast<int>(watch->handlers.size())) {
      watch->failed = true;
      found->accept();
    }
  });
}

std::shared_ptr<DetailWatch> WhenDetailOpens(std::vector<std::function<void(CDetailDialog&)>> handlers) {
  auto watch = std::make_shared<DetailWatch>();
  watch->handlers = std::move(handlers);
  WatchNextOpening(watch);
  return watch;
}

QStringList RootTitles(const CDetailDialog& d) {
  QStringList titles;
  for (int k = 0; k < d.Tree()->topLevelItemCount(); ++k) titles << d.Tree()->topLevelItem(k)->text(0);
  return titles;
}

QImage IconImage(const QIcon& icon, QIcon::Mode mode = QIcon::Normal) { return icon.pixmap(16, 16, mode).toImage(); }

// Counts the pixels of a colour in a picture.
int Pixels(const QImage& image, QColor colour) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  int n = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) n += (line[x] & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF) ? 1 : 0;
  }
  return n;
}

// Counts the pixels that are mainly red (text is smoothed, so its colour varies at the edges).
int Reddish(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  int n = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) {
      const QColor c = rgb.pixelColor(x, y);
      n += c.red() > 150 && c.red() - c.green() > 60 && c.red() - c.blue() > 60 ? 1 : 0;
    }
  }
  return n;
}

// The first part of `type` in `record`, or -1.
int PartOfType(int record, int type) {
  for (int j = 0; j < g_store.GetPartCount(record); ++j) {
    if (g_store.GetPartType(record, j) == type) return j;
  }
  return -1;
}

QTreeWidgetItem* PartItem(QTreeWidgetItem* recordItem, int part) {
  for (int k = 0; k < recordItem->childCount(); ++k) {
    if (recordItem->child(k)->data(0, CDetailDialog::kPartRole).toInt() == part) return recordItem->child(k);
  }
  return nullptr;
}

// The first special information of kind 13 (a parcel number) whose text begins with
// `fachkennung`: its record and part, or -1.
std::pair<int, int> FirstParcelNumber(const std::string& fachkennung) {
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      if (g_store.GetPartType(i, j) == kPtUlob2100 && g_store.GetInfoKind(i, j) == "13" &&
          g_store.GetInfoText(i, j).rfind(fachkennung, 0) == 0) {
        return {i, j};
      }
    }
  }
  return {-1, -1};
}

// Opens the dialog on a single record and selects it, or its part `part` when given.
void ShowRecord(CDetailDialog*& dialog, int record, int part = -1) {
  RebuildDetailRecords();
  g_detailStart = static_cast<int>(std::find(g_detailRecords.begin(), g_detailRecords.end(), record) -
                                   g_detailRecords.begin());
  dialog = new CDetailDialog(nullptr, g_settings.DetailGrafik);
  QTreeWidgetItem* root = dialog->Tree()->topLevelItem(0);
  if (part >= 0) {
    root->setExpanded(true);
    dialog->Tree()->setCurrentItem(PartItem(root, part));
  }
  dialog->show();
  QCoreApplication::processEvents();
}

}  // namespace

class DetailDialogTest : public QObject {
  Q_OBJECT
 private:
  std::unique_ptr<guitest::ScriptedServices> m_services;

 private slots:
  void init() {
    guitest::ResetProgramState();
    g_store.ClearFilterSet();
    ResetFilterValues();
    ResetDetailState();
    m_services = std::make_unique<guitest::ScriptedServices>();
  }
  void cleanup() { m_services.reset(); }

  void AnEmptyStoreIsRefusedWithAMessage() {
    CMainFrame frame;
    frame.View()->OnDetail();
    QCOMPARE(m_services->prompt.messages,
             std::vector<std::string>{guitest::Core("Es sind keine Daten vorhanden!\nBitte zuerst eine Datei öffnen!")});
  }

  void EveryControlCarriesItsIdAndText() {
    guitest::LoadFile(guitest::ExampleFile());
    RebuildDetailRecords();
    CDetailDialog d;
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Detail"));
    QCOMPARE(d.objectName(), QStringLiteral("dlg133"));
    QVERIFY(d.findChild<QTreeWidget*>(QStringLiteral("ctl242")));
    QVERIFY(d.findChild<CDetailSurface*>(QStringLiteral("ctl247")));
    QVERIFY(d.findChild<QSlider*>(QStringLiteral("ctl327")));
    QVERIFY(d.findChild<QLabel*>(QStringLiteral("ctl328")));
    const std::pair<int, const char*> buttons[] = {{322, "oben"},      {323, "unten"},  {386, "links"},
                                                   {387, "rechts"},    {388, "kleiner"}, {385, "größer"},
                                                   {333, "Kollaps"},   {334, "Expansion"}, {358, "OK"},
                                                   {368, "&Hilfe"}};
    for (const auto& [id, text] : buttons) {
      QPushButton* b = d.Button(id);
      QVERIFY2(b, qPrintable(QString::number(id)));
      QCOMPARE(b->text(), QString::fromUtf8(text));
    }
    QCOMPARE(d.findChild<QCheckBox*>(QStringLiteral("ctl389"))->text(), QStringLiteral("Graphik"));
    QVERIFY(d.Button(358)->isDefault());
    QVERIFY(d.Surface()->contentsRect().width() >= CDetailSurface::kWidth);
    QVERIFY(d.Surface()->contentsRect().height() >= CDetailSurface::kHeight);
    // The tree, the slider and the drawing side by side, the slider's text below.
    QVERIFY(d.Tree()->geometry().right() < d.Slider()->geometry().left());
    QVERIFY(d.Slider()->geometry().right() < d.Surface()->geometry().left());
    QVERIFY(d.SliderText()->geometry().top() > d.Tree()->geometry().bottom());

    QTest::mouseClick(d.Button(368), Qt::LeftButton);
    d.Tree()->setFocus();
    QTest::keyClick(d.Tree(), Qt::Key_F1);
    QCOMPARE(m_services->help.topics, (std::vector<int>{0x20000 + 133, 0x50000 + 242}));
  }

  void TheFirstRecordIsSelectedAndEveryRecordShowsItsOperationKey() {
    guitest::LoadFile(guitest::ExampleFile());
    RebuildDetailRecords();
    CDetailDialog d;
    d.show();
    const int count = g_store.GetRecordCount();
    QCOMPARE(d.Tree()->topLevelItemCount(), count);
    QCOMPARE(d.Tree()->currentItem(), d.Tree()->topLevelItem(0));
    QVERIFY(d.Tree()->topLevelItem(0)->isSelected());
    QCOMPARE(g_detailRecord, 0);
    QCOMPARE(g_detailPart, kDetailRecordGraphic);
    for (int i = 0; i < count; ++i) {
      QTreeWidgetItem* node = d.Tree()->topLevelItem(i);
      QCOMPARE(node->text(0), ToQString(g_store.GetRecordTitle(i)));
      QCOMPARE(IconImage(node->icon(0)), IconImage(CDetailDialog::NodeIcon(g_store.GetOpKeyIndex(i))));
      QCOMPARE(node->childCount(), g_store.GetPartCount(i));
      if (node->childCount() > 0) {
        QCOMPARE(node->child(0)->text(0), ToQString(DetailPartNodeText(i, 0)));
        QCOMPARE(IconImage(node->child(0)->icon(0)), IconImage(CDetailDialog::NodeIcon(kDetailPartIcon)));
      }
    }
    // Thirteen different pictures; the part node has its own for the selected state.
    QSet<QByteArray> seen;
    for (int k = 0; k < kDetailIconCount; ++k) {
      const QImage image = IconImage(CDetailDialog::NodeIcon(k));
      QCOMPARE(image.size(), QSize(16, 16));
      seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), static_cast<int>(image.sizeInBytes())));
    }
    QCOMPARE(seen.size(), kDetailIconCount);
    const QIcon part = CDetailDialog::NodeIcon(kDetailPartIcon);
    QCOMPARE(IconImage(part, QIcon::Selected), IconImage(CDetailDialog::NodeIcon(kDetailSelectedPartIcon)));

    d.Tree()->topLevelItem(3)->setExpanded(true);
    d.Tree()->topLevelItem(5)->setExpanded(true);
    d.Tree()->setCurrentItem(d.Tree()->topLevelItem(5)->child(2));
    guitest::SaveShot(d, QStringLiteral("detail_tree_icons"));
    QImage sheet(16 * 8 * kDetailIconCount + 8 * (kDetailIconCount - 1), 16 * 8, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int k = 0; k < kDetailIconCount; ++k) {
      painter.drawImage(QRect(k * (16 * 8 + 8), 0, 128, 128), IconImage(CDetailDialog::NodeIcon(k)));
    }
    painter.end();
    sheet.save(guitest::ShotDir() + QStringLiteral("/detail_icons_enlarged.png"));
  }

  void APageOfAHundredFromTwoHundredFiftyTicksEachHundredAndAReleaseReopensAt230() {
    for (int k = 1; k <= 250; ++k) AddLine(k);
    g_settings.DetailMaxAnz = 100;
    CMainFrame frame;
    QStringList firstTitles, secondTitles;
    int ticks = 0, range = 0, page = 0, reopenedAt = -1;
    auto watch = WhenDetailOpens({[&](CDetailDialog& d) {
                                    firstTitles = RootTitles(d);
                                    ticks = d.Slider()->tickInterval();
                                    range = d.Slider()->maximum();
                                    page = d.Slider()->pageStep();
                                    d.Slider()->setSliderDown(true);
                                    d.Slider()->setValue(230);
                                    QVERIFY(d.isVisible());  // moving alone does not reopen
                                    QCOMPARE(d.SliderText()->text(), QStringLiteral("Nr. 231: Satz    231.00"));
                                    d.Slider()->setSliderDown(false);  // released
                                  },
                                  [&](CDetailDialog& d) {
                                    secondTitles = RootTitles(d);
                                    reopenedAt = d.Slider()->value();
                                    QTest::keyClick(&d, Qt::Key_Escape);
                                  }});
    frame.View()->OnDetail();
    QVERIFY(watch->handled == 2 && !watch->failed);
    QCOMPARE(ticks, 100);
    QCOMPARE(range, 249);
    QCOMPARE(page, 100);
    QCOMPARE(firstTitles.size(), 100);
    QCOMPARE(g_detailStart, 230);
    QCOMPARE(reopenedAt, 230);
    QCOMPARE(secondTitles.size(), 20);
    QCOMPARE(secondTitles.front(), ToQString(g_store.GetRecordTitle(230)));
    QCOMPARE(secondTitles.back(), ToQString(g_store.GetRecordTitle(249)));
  }

  void KeysOnTheSliderReopenAtTheNextPageWithTheSliderFocused() {
    for (int k = 1; k <= 30; ++k) AddLine(k);
    g_settings.DetailMaxAnz = 10;
    CMainFrame frame;
    bool sliderFocused = false;
    auto watch = WhenDetailOpens({[](CDetailDialog& d) {
                                    d.Slider()->setFocus();
                                    QTest::keyClick(d.Slider(), Qt::Key_PageDown);
                                  },
                                  [&](CDetailDialog& d) {
                                    sliderFocused = d.focusWidget() == d.Slider();
                                    d.Button(CDetailDialog::IDC_OK)->click();
                                  }});
    frame.View()->OnDetail();
    QVERIFY(watch->handled == 2 && !watch->failed);
    QCOMPARE(g_detailStart, 10);
    QVERIFY(sliderFocused);
  }

  void AClickOnTheHandleThatMovesNothingKeepsTheTree() {
    for (int k = 1; k <= 30; ++k) AddLine(k);
    g_detailStart = 12;
    RebuildDetailRecords();
    CDetailDialog d;
    d.show();
    d.Tree()->setCurrentItem(d.Tree()->topLevelItem(2));
    d.Slider()->setSliderDown(true);
    d.Slider()->setSliderDown(false);
    QVERIFY(d.isVisible());
    QCOMPARE(d.Tree()->currentItem(), d.Tree()->topLevelItem(2));
    QCOMPARE(d.SliderText()->text(), QStringLiteral("Nr. 13: Satz     13.00"));
  }

  void OnlyTheFilterSetIsPagedAndDetailWhfHidesTheFactors() {
    for (int k = 1; k <= 30; ++k) AddLine(k);
    g_filterArgCount = 1;
    g_filterFrom[0] = "5";
    g_filterTo[0] = "7";
    g_store.ApplyFilterCriterion(kCritZeile, 0, 0);
    g_settings.DetailWhf = true;
    CMainFrame frame;
    QStringList titles, parts;
    auto watch = WhenDetailOpens({[&](CDetailDialog& d) {
      titles = RootTitles(d);
      QTreeWidgetItem* root = d.Tree()->topLevelItem(0);
      for (int k = 0; k < root->childCount(); ++k) parts << root->child(k)->text(0);
      d.accept();
    }});
    frame.View()->OnDetail();
    QVERIFY(watch->handled == 1 && !watch->failed);
    QCOMPARE(titles, QStringList({ToQString(g_store.GetRecordTitle(4)), ToQString(g_store.GetRecordTitle(5)),
                                  ToQString(g_store.GetRecordTitle(6))}));
    QCOMPARE(parts, QStringList({QStringLiteral("  0  ANFANG  "), QStringLiteral("  3  ULOB0000"),
                                 QStringLiteral("  6  ULOB1000")}));
  }

  void ARecordOnLine1234567IsFoundThroughItsNode() {
    const int decoy = AddLine(123456, 0);
    const int wanted = AddLine(1234567, 3, 5000);
    RebuildDetailRecords();
    CDetailDialog d;
    d.show();
    QTreeWidgetItem* node = d.Tree()->topLevelItem(1);
    QVERIFY(node->text(0).startsWith(QStringLiteral("1234567.03")));
    d.Tree()->setCurrentItem(node);
    QCOMPARE(g_detailRecord, wanted);
    d.Tree()->setCurrentItem(node->child(3));
    QCOMPARE(g_detailRecord, wanted);
    QCOMPARE(g_detailPart, 3);
    QVERIFY(g_detailRecord != decoy);
  }

  void SelectingAPartDrawsItsFieldsAndTheRecordItsGraphic() {
    guitest::LoadFile(guitest::ExampleFile());
    RebuildDetailRecords();
    CDetailDialog d;
    d.show();
    QTreeWidgetItem* root = d.Tree()->topLevelItem(3);
    d.Tree()->setCurrentItem(root);
    QCOMPARE(g_detailRecord, 3);
    QCOMPARE(g_detailPart, kDetailRecordGraphic);
    QVERIFY(Pixels(d.Surface()->Picture(), QColor(255, 63, 63)) > 50);  // the record in light red
    guitest::SaveShot(d, QStringLiteral("detail_record_example"));
    root->setExpanded(true);
    d.Tree()->setCurrentItem(root->child(0));
    QCOMPARE(g_detailPart, 0);
    const QImage part = d.Surface()->Picture();
    QCOMPARE(Pixels(part, QColor(255, 63, 63)), 0);
    QVERIFY(Pixels(part, QColor(0, 192, 0)) > 20);  // the green title row
    guitest::SaveShot(d, QStringLiteral("detail_part_anfang"));
  }

  void ButtonsMoveAndZoomTheDrawingUntilTheNextSelection() {
    AddLine(1);
    AddLine(2, 0, 1005);
    RebuildDetailRecords();
    CDetailDialog d;
    d.show();
    const QImage still = d.Surface()->Picture();
    d.Button(CDetailDialog::IDC_OBEN)->click();
    d.Button(CDetailDialog::IDC_OBEN)->click();
    QCOMPARE(d.Surface()->State().dy, -30);
    const QImage moved = d.Surface()->Picture();
    QVERIFY(moved != still);
    QVERIFY(Pixels(moved, QColor(0, 0, 255)) > 10);  // the arrow at the bottom
    const int r = static_cast<int>(moved.devicePixelRatio());  // device pixels per logical pixel
    QCOMPARE(moved.copy(0, 30 * r, 400 * r, 400 * r), still.copy(0, 0, 400 * r, 400 * r));
    d.Button(CDetailDialog::IDC_RECHTS)->click();
    d.Button(CDetailDialog::IDC_GROESSER)->click();
    QCOMPARE(d.Surface()->State().dx, 300);
    QCOMPARE(d.Surface()->State().zoom, 2.0);
    d.Button(CDetailDialog::IDC_KLEINER)->click();
    d.Button(CDetailDialog::IDC_LINKS)->click();
    d.Button(CDetailDialog::IDC_UNTEN)->click();
    QCOMPARE(d.Surface()->State().dx, 0);
    QCOMPARE(d.Surface()->State().dy, -15);
    QCOMPARE(d.Surface()->State().zoom, 1.0);
    d.Tree()->setCurrentItem(d.Tree()->topLevelItem(1));
    QCOMPARE(d.Surface()->State().dy, 0);
  }

  void GraphikShowsTheSurroundingsAndIsKeptOnOk() {
    AddLine(1);
    AddLine(2, 0, 1005);
    CMainFrame frame;
    int greyBefore = -1, greyAfter = -1;
    auto watch = WhenDetailOpens({[&](CDetailDialog& d) {
      QVERIFY(!d.GraphikChecked());
      greyBefore = Pixels(d.Surface()->Picture(), QColor(127, 127, 127));
      d.GraphikBox()->click();
      QVERIFY(g_settings.DetailGrafik);
      greyAfter = Pixels(d.Surface()->Picture(), QColor(127, 127, 127));
      d.Button(CDetailDialog::IDC_OK)->click();
    }});
    frame.View()->OnDetail();
    QVERIFY(watch->handled == 1 && !watch->failed);
    QVERIFY(greyAfter > 20 + 10 * greyBefore);  // smoothed texts may hold a few grey pixels
    QVERIFY(g_settings.DetailGrafik);

    bool checkedOnOpening = false;
    auto again = WhenDetailOpens({[&](CDetailDialog& d) {
      checkedOnOpening = d.GraphikChecked();
      d.close();  // the close box leaves as OK does
    }});
    frame.View()->OnDetail();
    QVERIFY(again->handled == 1 && !again->failed);
    QVERIFY(checkedOnOpening);
  }

  void TheTreeIsUsableWithTheKeyboard() {
    for (int k = 1; k <= 40; ++k) AddLine(k);
    g_settings.DetailMaxAnz = 30;
    RebuildDetailRecords();
    CDetailDialog d;
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTreeWidget* tree = d.Tree();
    QCOMPARE(d.focusWidget(), static_cast<QWidget*>(tree));
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(tree->currentItem(), tree->topLevelItem(1));
    QCOMPARE(g_detailRecord, 1);
    QTest::keyClick(tree, Qt::Key_End);
    QCOMPARE(tree->currentItem(), tree->topLevelItem(29));  // the last of the page
    QTest::keyClick(tree, Qt::Key_Home);
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    QTest::keyClick(tree, Qt::Key_PageDown);
    QVERIFY(tree->indexOfTopLevelItem(tree->currentItem()) > 1);
    QTest::keyClick(tree, Qt::Key_PageUp);
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
    QTest::keyClick(tree, Qt::Key_Return);
    QVERIFY(d.isVisible());
    QVERIFY(tree->topLevelItem(0)->isExpanded());
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(tree->currentItem(), tree->topLevelItem(0)->child(0));
    QCOMPARE(g_detailPart, 0);
    QTest::keyClick(tree, Qt::Key_Enter);
    QVERIFY(d.isVisible());

    d.Button(CDetailDialog::IDC_EXPANSION)->click();
    QVERIFY(tree->topLevelItem(0)->isExpanded() && tree->topLevelItem(29)->isExpanded());
    d.Button(CDetailDialog::IDC_KOLLAPS)->click();
    QVERIFY(!tree->topLevelItem(0)->isExpanded() && !tree->topLevelItem(29)->isExpanded());
  }

  void TheMainWindowsGraphicIsExactlyAsBeforeAfterTheDialog() {
    guitest::LoadFile(guitest::ExampleFile());
    CMainFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.Command(ID_GRAFIK)->trigger();
    frame.View()->viewport()->repaint();
    QCoreApplication::processEvents();
    QVERIFY(frame.View()->GraphicDrawCount() > 0);
    const double scale = g_viewScale;
    const double textHeight = g_textHeight;
    const QImage before = frame.View()->Image().copy();
    const int draws = frame.View()->GraphicDrawCount();
    const QSize client = frame.View()->ClientSize();
    const std::string readout = CursorPositionText(100, 100, client.width(), client.height());
    g_settings.DetailGrafik = true;
    double scaleWhileOpen = 0;
    auto watch = WhenDetailOpens({[&](CDetailDialog& d) {
      d.Tree()->setCurrentItem(d.Tree()->topLevelItem(3));
      d.Button(CDetailDialog::IDC_GROESSER)->click();
      QVERIFY(Pixels(d.Surface()->Picture(), QColor(255, 63, 63)) > 0);
      scaleWhileOpen = g_viewScale;
      d.Button(CDetailDialog::IDC_OK)->click();
    }});
    frame.View()->OnDetail();
    QVERIFY(watch->handled == 1 && !watch->failed);
    QCOMPARE(scaleWhileOpen, scale);
    QCOMPARE(g_viewScale, scale);
    QCOMPARE(g_textHeight, textHeight);
    QCOMPARE(CursorPositionText(100, 100, client.width(), client.height()), readout);
    frame.View()->viewport()->repaint();
    QCOMPARE(frame.View()->GraphicDrawCount(), draws);
    frame.View()->Invalidate();
    frame.View()->viewport()->repaint();
    QCOMPARE(frame.View()->GraphicDrawCount(), draws + 1);
    QCOMPARE(frame.View()->Image(), before);
  }

  void AParcelNumberPartShowsItsDecodedKey() {
    guitest::LoadFile(guitest::ExampleFile());
    const auto [record, part] = FirstParcelNumber("FS");
    QVERIFY(record >= 0);
    CDetailDialog* d = nullptr;
    ShowRecord(d, record, part);
    QCOMPARE(g_detailRecord, record);
    QCOMPARE(g_detailPart, part);
    QVERIFY(Pixels(d->Surface()->Picture(), QColor(0, 192, 0)) > 20);
    QCOMPARE(ToQString(DetailTable.Label(10)).left(21), QStringLiteral("Flurstücksnr. Zähler:"));
    guitest::SaveShot(*d, QStringLiteral("detail_ulob2100_fs"));
    delete d;
  }

  void SampleRecordGraphicWithSurroundingsAndTheOrderHeader() {
    const QString sample = guitest::UnpackedSample();
    if (sample.isEmpty()) QSKIP("Die ALK-Musterlieferung fehlt.");
    guitest::LoadFile(sample);
    // The object with the most lines.
    int object = -1, most = 0;
    for (int i = 0; i < g_store.GetRecordCount(); ++i) {
      int lines = 0;
      for (int j = 0; j < g_store.GetPartCount(i); ++j) lines += g_store.GetPartType(i, j) == kPtUlob1000 ? 1 : 0;
      if (lines > most) {
        object = i;
        most = lines;
      }
    }
    QVERIFY(object >= 0);
    g_settings.DetailGrafik = true;
    CDetailDialog* d = nullptr;
    ShowRecord(d, object);
    const QImage graphic = d->Surface()->Picture();
    guitest::SaveShot(*d, QStringLiteral("detail_sample_ulobnn_graphic"));
    QVERIFY(Pixels(graphic, QColor(127, 127, 127)) > 500);
    QVERIFY(Pixels(graphic, QColor(255, 63, 63)) > 50);
    QVERIFY(Reddish(graphic.copy(0, 590, 560, 50)) > 20);  // the extent's labels
    delete d;

    const int header = 0;  // the order header opens the delivery
    QCOMPARE(g_store.GetInfoNameIndex(header), LookupInfoName("ULQA0000"));
    ShowRecord(d, header, PartOfType(header, kPtUlqa0000));
    QVERIFY(Pixels(d->Surface()->Picture(), QColor(0, 192, 0)) > 20);
    guitest::SaveShot(*d, QStringLiteral("detail_sample_ulqa0000"));
    delete d;
  }
};

SATZLUPE_GUI_TEST_MAIN(DetailDialogTest)
#include "detail_dialog_test.moc"
