// The graphic in the window: the mouse gestures and the wheel change zoom, pan and the filter set,
// the status bar follows the mouse, and the drawn graphic is kept for repaints that change nothing.

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QWheelEvent>

#include <cmath>

#include "commands.h"
#include "edbs_view.h"
#include "gui_test_support.h"
#include "load/file_reader.h"
#include "main_frame.h"
#include "plan_writer.h"
#include "qtext.h"
#include "records/filter_values.h"
#include "store/edbs_store.h"
#include "views/settings.h"
#include "views/view_state.h"

using namespace satzlupe;

class GraphicViewTest : public QObject {
  Q_OBJECT
 private:
  guitest::RunningFrame m_app;

  CEdbsView* View() { return m_app.frame->View(); }
  QWidget* Port() { return m_app.frame->View()->viewport(); }
  void Trigger(int id) { m_app.frame->Command(id)->trigger(); }

  // Shows the window and paints it now, as the screen would.
  void Paint() {
    Port()->repaint();
    QCoreApplication::processEvents();
  }

  bool Open(const QString& path) {
    m_app.services->prompt.fileChoices.push_back(QStringToPath(path));
    Trigger(ID_DATEI_OEFFNEN);
    return guitest::WaitForLoad(*m_app.frame);
  }

  void ShowGraphic() {
    Trigger(ID_GRAFIK);
    Paint();
  }

  void Press(Qt::MouseButton button, QPoint at) { QTest::mousePress(Port(), button, Qt::NoModifier, at); }
  void Release(Qt::MouseButton button, QPoint at) { QTest::mouseRelease(Port(), button, Qt::NoModifier, at); }
  void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
    Press(button, from);
    MoveTo(to, button);
    Release(button, to);
  }
  void MoveTo(QPoint at, Qt::MouseButton held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), Port()->mapToGlobal(QPointF(at)), Qt::NoButton, held,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(Port(), &move);
  }
  void Wheel(QPoint at, int delta) {
    QWheelEvent wheel(QPointF(at), Port()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Port(), &wheel);
  }

  struct World {
    double x = 0, y = 0;
  };
  World At(QPoint p) {
    World w;
    const QSize c = View()->ClientSize();
    ClientToWorld(p.x(), p.y(), c.width(), c.height(), w.x, w.y);
    return w;
  }

 private slots:
  void init() {
    m_app.Start(QSize(1000, 800));
    QVERIFY(Open(guitest::ExampleFile()));
    ShowGraphic();
  }
  void cleanup() {
    m_app.Stop();
  }

  void GrafikDrawsTheRecordsOnce() {
    QCOMPARE(g_pendingAction, static_cast<int>(kPendingGraphic));
    QCOMPARE(View()->GraphicDrawCount(), 1);
    QVERIFY(g_viewScale > 0);
    int black = 0;
    const QImage& image = View()->Image();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) black += image.pixel(x, y) == qRgb(0, 0, 0);
    QVERIFY2(black > 100, qPrintable(QString::number(black)));
    guitest::SaveShot(*m_app.frame, QStringLiteral("graphic_example"));
  }

  void PlanFileShowsWhatTheWindowShows() {
    g_settings.Gitternetz = g_settings.Gitterschrift = true;
    View()->Invalidate();
    Paint();
    const QSize client = View()->ClientSize();
    const QString path = guitest::TempDir() + QStringLiteral("/plan.png");
    QCOMPARE(WritePlan(QStringToPath(path), client.width(), client.height()), PlanResult::Written);
    const QImage plan(path);
    QCOMPARE(plan.size(), client);
    QCOMPARE(plan.convertToFormat(QImage::Format_RGB32), View()->Image().copy(QRect(QPoint(0, 0), client)));
  }

  void UncoveringRepaintShowsTheKeptImage() {
    const int draws = View()->GraphicDrawCount();
    Paint();
    Port()->update(QRect(10, 10, 50, 50));  // a dialog moved away from a corner
    QCoreApplication::processEvents();
    m_app.frame->statusBar()->repaint();
    MoveTo(QPoint(300, 200));  // the readout repaints the status bar
    Paint();
    QCOMPARE(View()->GraphicDrawCount(), draws);
  }

  void EveryChangeDrawsAfresh() {
    int draws = View()->GraphicDrawCount();
    g_settings.Gitternetz = true;  // the options dialog invalidates on OK
    View()->Invalidate();
    Paint();
    QCOMPARE(View()->GraphicDrawCount(), ++draws);
    m_app.frame->resize(900, 700);
    QCoreApplication::processEvents();
    Paint();
    QCOMPARE(View()->GraphicDrawCount(), ++draws);
    Drag(Qt::RightButton, QPoint(300, 300), QPoint(320, 300));
    Paint();
    QCOMPARE(View()->GraphicDrawCount(), ++draws);
    g_store.ClearFilterSet();
    View()->Invalidate();  // as "Filtermenge entleeren" does
    Paint();
    QCOMPARE(View()->GraphicDrawCount(), ++draws);
  }

  void LeftClickZoomsOutByFour() {
    const double scale = g_viewScale;
    QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    QCOMPARE(g_viewZoom, 0.25);
    Paint();
    QCOMPARE(g_viewScale, scale * 0.25);
  }

  void LeftDragZoomsIntoTheRectangle() {
    const QSize client = View()->ClientSize();
    const World middle = At(QPoint(200, 175));
    const double scale = g_viewScale;
    Drag(Qt::LeftButton, QPoint(100, 100), QPoint(300, 250));
    Paint();
    const double factor = std::min(client.width() / 200.0, client.height() / 150.0);
    QVERIFY(std::abs(g_viewScale - scale * factor) < 1e-9 * g_viewScale);
    // The rectangle's middle is the view's middle now, to within a pixel.
    QVERIFY(std::abs(g_viewCentreX - middle.x) * g_viewScale < 1.0);
    QVERIFY(std::abs(g_viewCentreY - middle.y) * g_viewScale < 1.0);
  }

  void RightDragMovesTheDrawingWithTheMouse() {
    const World grabbed = At(QPoint(400, 300));
    Drag(Qt::RightButton, QPoint(400, 300), QPoint(460, 330));
    Paint();
    const World now = At(QPoint(460, 330));
    QVERIFY(std::abs(now.x - grabbed.x) < 1e-6);
    QVERIFY(std::abs(now.y - grabbed.y) < 1e-6);
  }

  void MiddleRectangleExtendsTheFilterSet() {
    QCOMPARE(g_filterCount, 0);
    QVERIFY(!m_app.frame->Command(ID_FILTERMENGE_ENTLEEREN)->isEnabled());
    const QSize client = View()->ClientSize();
    // From the lower right to the upper left corner: everything drawn lies inside.
    Drag(Qt::MiddleButton, QPoint(client.width() - 1, client.height() - 1), QPoint(0, 0));
    QVERIFY(g_coordWindow.xMin < g_coordWindow.xMax);
    QVERIFY(g_coordWindow.yMin < g_coordWindow.yMax);
    QVERIFY(g_filterCount > 0);
    QVERIFY(m_app.frame->Command(ID_FILTERMENGE_ENTLEEREN)->isEnabled());
    const int draws = View()->GraphicDrawCount();
    Paint();
    QCOMPARE(View()->GraphicDrawCount(), draws + 1);  // now with the filter set in red
    bool red = false;
    const QImage& image = View()->Image();
    for (int y = 0; y < image.height() && !red; ++y)
      for (int x = 0; x < image.width() && !red; ++x) red = image.pixel(x, y) == qRgb(255, 0, 0);
    QVERIFY(red);
  }

  void HeldButtonsShowTheirCursors() {
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    QImage shapes[3];
    for (int k = 0; k < 3; ++k) {
      Press(buttons[k], QPoint(300, 300));
      MoveTo(QPoint(305, 305), buttons[k]);
      QCOMPARE(Port()->cursor().shape(), Qt::BitmapCursor);
      shapes[k] = Port()->cursor().pixmap().toImage();
      QCOMPARE(shapes[k].size(), QSize(32, 32));
      Release(buttons[k], QPoint(305, 305));
      QCOMPARE(Port()->cursor().shape(), Qt::ArrowCursor);
    }
    QVERIFY(shapes[0] != shapes[1] && shapes[1] != shapes[2] && shapes[0] != shapes[2]);
  }

  void WheelZoomsAroundThePointUnderTheMouse() {
    const QPoint at(250, 180);
    const World under = At(at);
    const double scale = g_viewScale;
    Wheel(at, 120);
    Paint();
    QVERIFY(std::abs(g_viewScale - scale * 1.25) < 1e-9 * g_viewScale);
    const World now = At(at);
    QVERIFY(std::abs(now.x - under.x) < 1e-6);
    QVERIFY(std::abs(now.y - under.y) < 1e-6);
    Wheel(at, -240);
    Paint();
    QVERIFY(std::abs(g_viewScale - scale / 1.25) < 1e-9 * g_viewScale);
  }

  void StatusBarShowsTheWorldPointUnderTheMouse() {
    MoveTo(QPoint(321, 123));
    const QSize c = View()->ClientSize();
    const QString expected = ToQString(CursorPositionText(321, 123, c.width(), c.height()));
    QCOMPARE(m_app.frame->CoordinatePane()->text(), expected);
    QVERIFY(expected.contains(QStringLiteral(" / ")));
    // Not on the start screen.
    Trigger(ID_KEINE_GRAFIK);
    MoveTo(QPoint(10, 10));
    QCOMPARE(m_app.frame->CoordinatePane()->text(), expected);
  }

  // The real ALK sample as a user looks at it: the whole delivery, with grid and labels, and a
  // street of Ostritz with its names, house and parcel numbers (pictures under /tmp/shots).
  void RealSampleAsAUserSeesIt() {
    const QString path = guitest::UnpackedSample();
    if (path.isEmpty()) QSKIP("Die ALK-Musterlieferung fehlt.");
    m_app.frame->resize(1100, 850);
    QVERIFY(Open(path));
    ShowGraphic();
    guitest::SaveShot(*m_app.frame, QStringLiteral("sample_whole"));
    g_settings.Gitternetz = g_settings.Gitterschrift = g_settings.Gitterauto = true;
    View()->Invalidate();
    Paint();
    QCOMPARE(g_settings.Gitterabstand, 1000.0);
    guitest::SaveShot(*m_app.frame, QStringLiteral("sample_grid"));
    g_settings.Gitternetz = g_settings.Gitterschrift = g_settings.Gitterauto = false;
    ApplyViewScaleAndCentre(0.4, 5495030, 5653890);  // Walther-Rathenau-Strasse
    View()->Invalidate();
    Paint();
    QCOMPARE(g_viewScale, 2.5);
    guitest::SaveShot(*m_app.frame, QStringLiteral("sample_street"));
  }

  void GesturesLeaveTheStartScreenAlone() {
    Trigger(ID_KEINE_GRAFIK);
    Paint();
    const QSize client = View()->ClientSize();
    Drag(Qt::MiddleButton, QPoint(0, 0), QPoint(client.width() - 1, client.height() - 1));
    QCOMPARE(g_filterCount, 0);
    QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    QCOMPARE(g_viewZoom, 1.0);
    QCOMPARE(Port()->cursor().shape(), Qt::ArrowCursor);
  }
};

SATZLUPE_GUI_TEST_MAIN(GraphicViewTest)
#include "graphic_view_test.moc"
