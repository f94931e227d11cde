// The Qt drawing surface: GDI rules for rectangles, fills and text placement, pixel by pixel.

#include <QImage>

#include <climits>

#include "gui_test_support.h"
#include "qt_canvas.h"
#include "qt_services.h"
#include "qtext.h"

using namespace satzlupe;

class QtCanvasTest : public QObject {
  Q_OBJECT
 private:
  static QImage White() {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }
  static QRgb Black() { return qRgb(0, 0, 0); }
  static QRgb WhitePixel() { return qRgb(255, 255, 255); }

 private slots:
  void initTestCase() { guitest::ResetProgramState(); }

  void RectangleOutlinesWithTheRightAndBottomEdgeExclusive() {
    QImage image = White();
    {
      QtCanvas dc(image, image.size());
      dc.SelectBrush({0, 0, 255});
      dc.Rectangle(10, 20, 30, 40);
    }
    QCOMPARE(image.pixel(10, 20), Black());
    QCOMPARE(image.pixel(29, 39), Black());
    QCOMPARE(image.pixel(29, 25), Black());
    QCOMPARE(image.pixel(30, 25), WhitePixel());
    QCOMPARE(image.pixel(15, 40), WhitePixel());
    QCOMPARE(image.pixel(11, 21), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(28, 38), qRgb(0, 0, 255));
  }

  void FillRectFillsHalfOpen() {
    QImage image = White();
    {
      QtCanvas dc(image, image.size());
      dc.SelectBrush({0, 0, 255});
      dc.FillRect(120, 72, 140, 82);
    }
    QCOMPARE(image.pixel(120, 72), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(139, 81), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(140, 75), WhitePixel());
    QCOMPARE(image.pixel(130, 82), WhitePixel());
  }

  void TextHangsBelowItsTopLeftCorner() {
    QImage image = White();
    edbs::Font font;
    font.height = 15;
    font.weight = 100;
    edbs::Size extent;
    {
      QtCanvas dc(image, image.size());
      dc.SelectFont(font);
      dc.SetBkMode(edbs::BkMode::Transparent);
      dc.TextOut(20, 30, "Hg");
      extent = dc.GetTextExtent("Hg");
    }
    QCOMPARE(extent.cy, 15);  // the cell height of a GDI font of height 15
    QRect inked;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != WhitePixel()) inked = inked.united(QRect(x, y, 1, 1));
      }
    }
    QVERIFY(!inked.isEmpty());
    QVERIFY2(inked.top() >= 30 && inked.bottom() < 45, qPrintable(QStringLiteral("%1..%2").arg(inked.top()).arg(inked.bottom())));
    QVERIFY(inked.left() >= 20 && inked.left() <= 22);
  }

  void CentredTextStraddlesItsPoint() {
    QImage image = White();
    {
      QtCanvas dc(image, image.size());
      edbs::Font font;
      font.height = 12;
      dc.SelectFont(font);
      dc.SetTextAlign(edbs::TextAlign::CentreTop);
      dc.TextOut(100, 10, "Version 1.30");
    }
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != WhitePixel()) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
    }
    QVERIFY(left < 100 && right > 100);
    QVERIFY(std::abs((100 - left) - (right - 100)) <= 3);
  }

  void FlushShowsWhatWasDrawnSoFar() {
    QImage image = White();
    int flushes = 0;
    QRgb seen = 0;
    {
      QtCanvas dc(image, image.size(), [&] {
        ++flushes;
        seen = image.pixel(5, 5);
      });
      dc.SelectBrush({0, 0, 255});
      dc.FillRect(0, 0, 10, 10);
      dc.Flush();
    }
    QCOMPARE(flushes, 1);
    QCOMPARE(seen, qRgb(0, 0, 255));
  }

  void ArcRunsCounterClockwiseFromStartToEndRadial() {
    QImage image = White();
    {
      QtCanvas dc(image, image.size());
      // From east to north: the upper right quarter only.
      dc.Arc(0, 0, 41, 41, 40, 20, 20, 0);
    }
    auto inked = [&](int x0, int y0, int x1, int y1) {
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
          if (image.pixel(x, y) != WhitePixel()) return true;
      return false;
    };
    QVERIFY(inked(21, 0, 41, 20));
    QVERIFY(!inked(0, 0, 19, 19));
    QVERIFY(!inked(0, 22, 41, 41));
  }

  void EscapementTurnsTextCounterClockwise() {
    QImage image = White();
    edbs::Size extent;
    {
      QtCanvas dc(image, image.size());
      edbs::Font font;
      font.height = 12;
      font.escapement = 900;
      dc.SelectFont(font);
      dc.SetBkMode(edbs::BkMode::Transparent);
      dc.TextOut(50, 90, "12345");
      extent = dc.GetTextExtent("12345");
    }
    QRect inked;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) != WhitePixel()) inked = inked.united(QRect(x, y, 1, 1));
    // Reading upwards from (50, 90), the glyphs lying to the right of x = 50.
    QVERIFY(inked.left() >= 49 && inked.right() <= 50 + extent.cy);
    QVERIFY(inked.bottom() <= 91 && inked.top() < 90 - extent.cx / 2);
  }

  // Pens are kept between lines: a change of pen, a text in another colour or a flush in between
  // must not leave a line in the wrong colour.
  void EveryLineHasThePenSelectedForIt() {
    QImage image = White();
    int flushes = 0;
    {
      QtCanvas dc(image, image.size(), [&] { ++flushes; });
      dc.SelectPen({1, {255, 0, 0}});
      dc.MoveTo(0, 10);
      dc.LineTo(199, 10);
      dc.SelectPen({1, {0, 0, 255}});
      dc.MoveTo(0, 20);
      dc.LineTo(199, 20);
      dc.SetTextColor({0, 255, 0});
      edbs::Font font;
      font.height = 12;
      dc.SelectFont(font);
      dc.TextOut(50, 70, "Text");
      dc.MoveTo(0, 30);
      dc.LineTo(199, 30);
      dc.Flush();
      dc.MoveTo(0, 40);
      dc.LineTo(199, 40);
    }
    QCOMPARE(flushes, 1);
    QCOMPARE(image.pixel(100, 10), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(100, 20), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(100, 30), qRgb(0, 0, 255));
    QCOMPARE(image.pixel(100, 40), qRgb(0, 0, 255));
  }

  // A text is skipped only when it cannot reach the surface: one anchored beyond the right edge
  // and turned by half a circle runs back into it.
  void TurnedTextFromBeyondTheEdgeIsDrawn() {
    QImage image = White();
    {
      QtCanvas dc(image, image.size());
      edbs::Font font;
      font.height = 20;
      font.escapement = 1800;
      dc.SelectFont(font);
      dc.SetBkMode(edbs::BkMode::Transparent);
      dc.TextOut(230, 60, "Lindenweg");
      dc.TextOut(100000, 60, "weit weg");
    }
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) inked += image.pixel(x, y) != WhitePixel();
    QVERIFY(inked > 20);
  }

  // Escapement turns the text, not the font: one surface draws the same font upright, then turned.
  void SameFontUprightAndThenTurned() {
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QtCanvas dc(image, image.size());
      dc.SetBkMode(edbs::BkMode::Transparent);
      edbs::Font font;
      font.height = 16;
      font.italic = true;
      dc.SelectFont(font);
      dc.TextOut(100, 10, "Weg 12");
      font.escapement = 2700;  // reads downwards, to the left of its anchor
      dc.SelectFont(font);
      dc.TextOut(100, 60, "Weg 12");
    }
    auto box = [&](QRect region) {
      QRect inked;
      for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
          if (image.pixel(x, y) != WhitePixel()) inked = inked.united(QRect(x, y, 1, 1));
      return inked;
    };
    const QRect upright = box(QRect(0, 0, 200, 40));
    const QRect turned = box(QRect(0, 50, 99, 150));
    QVERIFY(upright.left() >= 99 && upright.width() > upright.height());
    QVERIFY2(turned.height() > turned.width(), qPrintable(QStringLiteral("%1x%2").arg(turned.width()).arg(turned.height())));
  }

  void ExtremeFontHeightsDrawWithoutHarm() {
    QImage image = White();
    QtCanvas dc(image, image.size());
    for (int height : {INT_MIN, -1, 1, INT_MAX}) {
      edbs::Font font;
      font.height = height;
      dc.SelectFont(font);
      dc.TextOut(10, 10, "x");
      QVERIFY(dc.GetTextExtent("x").cy >= 1);
    }
  }

  void AllFilesFilterMatchesFilesWithoutADotToo() {
    QCOMPARE(QtNameFilters(QStringLiteral("Alle Dateien (*.*)|*.*||")),
             QStringList({QStringLiteral("Alle Dateien (*.*) (*)")}));
    QCOMPARE(QtNameFilters(QStringLiteral("EDBS (*.edbs;*.dbout)|*.edbs;*.dbout||")),
             QStringList({QStringLiteral("EDBS (*.edbs;*.dbout) (*.edbs *.dbout)")}));
  }

  void ProfileKeepsPathBytesThatAreNoUtf8() {
    const QString ini = guitest::TempDir() + QStringLiteral("/bytes.ini");
    const std::string latin1Path = "/daten/G\xF6rlitz.edbs";
    {
      QtProfile profile(ini);
      profile.WriteString("Dateinamen", "MRUListname00", latin1Path);
      profile.WriteInt("Einstellungen", "Gitterabstand", 12500);
    }
    QtProfile profile(ini);
    QCOMPARE(profile.GetString("Dateinamen", "MRUListname00", "xxx"), latin1Path);
    QCOMPARE(profile.GetString("Dateinamen", "MRUListname01", "xxx"), std::string("xxx"));
    QCOMPARE(profile.GetInt("Einstellungen", "Gitterabstand", -1), 12500);
    QCOMPARE(profile.GetInt("Einstellungen", "Fehlt", -1), -1);
  }

  void CoreTextTurnsIntoUnicode() {
    QCOMPARE(ToQString(std::string("G\xF6rlitzer Stra\xDF" "e \x80")), QStringLiteral("Görlitzer Straße €"));
    QCOMPARE(ToCoreText(QStringLiteral("Prüfung")), std::string("Pr\xFC" "fung"));
  }
};

SATZLUPE_GUI_TEST_MAIN(QtCanvasTest)
#include "qt_canvas_test.moc"
