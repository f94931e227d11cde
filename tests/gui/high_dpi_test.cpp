// On a screen of twice the pixel density the view draws with the screen's own pixels: the start
// screen, the load screen and the graphic are not enlarged from a picture of 96 dpi.
// Run with QT_SCALE_FACTOR=2.

#include <QImage>

#include "commands.h"
#include "edbs_view.h"
#include "gui_test_support.h"
#include "load/file_reader.h"
#include "main_frame.h"
#include "qtext.h"

using namespace satzlupe;

class HighDpiTest : public QObject {
  Q_OBJECT
 private:
  guitest::RunningFrame m_app;

  CEdbsView* View() { return m_app.frame->View(); }

  // 2 x 2 blocks of device pixels whose four pixels differ: none in a picture enlarged from one
  // pixel per logical pixel, many along the edges of text and slanted lines drawn at full density.
  static int MixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
      for (int x = 0; x + 1 < image.width(); x += 2) {
        const QRgb p = image.pixel(x, y);
        mixed += image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p || image.pixel(x + 1, y + 1) != p;
      }
    }
    return mixed;
  }

  void ExpectFullDensity(const char* what) {
    View()->viewport()->repaint();
    const QImage& image = View()->Image();
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.width(), 2 * std::max(View()->ClientSize().width(), int(CEdbsView::kLogicalWidth)));
    const int mixed = MixedBlocks(image);
    QVERIFY2(mixed > 50, qPrintable(QStringLiteral("%1: %2 mixed blocks").arg(QLatin1String(what)).arg(mixed)));
    // What reaches the screen is the image, pixel for pixel.
    const QImage shown = View()->viewport()->grab().toImage();
    QCOMPARE(shown.size(), 2 * View()->ClientSize());
    QCOMPARE(shown.convertToFormat(QImage::Format_RGB32).copy(0, 0, 400, 300), image.copy(0, 0, 400, 300));
  }

 private slots:
  void init() {
    m_app.Start(QSize(1000, 800));
  }
  void cleanup() {
    m_app.Stop();
  }

  void ScreenHasTwiceTheDensity() { QCOMPARE(View()->viewport()->devicePixelRatioF(), 2.0); }

  void StartScreenLoadScreenAndGraphicUseEveryPixel() {
    ExpectFullDensity("start screen");
    if (QTest::currentTestFailed()) return;
    m_app.services->prompt.fileChoices.push_back(QStringToPath(guitest::ExampleFile()));
    m_app.frame->Command(ID_DATEI_OEFFNEN)->trigger();
    QVERIFY(guitest::WaitForLoad(*m_app.frame));
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingLoadScreen));
    ExpectFullDensity("load screen");
    if (QTest::currentTestFailed()) return;
    m_app.frame->Command(ID_GRAFIK)->trigger();
    ExpectFullDensity("graphic");
    guitest::SaveShot(*m_app.frame, QStringLiteral("graphic_high_dpi"));
  }
};

SATZLUPE_GUI_TEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
