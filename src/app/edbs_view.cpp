#include "edbs_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

#include "commands.h"
#include "detail_dialog.h"
#include "error_list_dialog.h"
#include "export_progress.h"
#include "filter_dialog.h"
#include "gesture_cursors.h"
#include "list_dialog.h"
#include "load/error_list.h"
#include "load_cancel.h"
#include "load/file_reader.h"
#include "options_dialog.h"
#include "platform/services.h"
#include "qt_canvas.h"
#include "qtext.h"
#include "reopen_dialog.h"
#include "statistics_dialog.h"
#include "start_screen.h"
#include "store/edbs_store.h"
#include "views/detail_pages.h"
#include "views/graphic.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace satzlupe {

CEdbsView::CEdbsView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("edbsView"));
  setFrameShape(QFrame::StyledPanel);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(true);  // the status bar follows the mouse
  horizontalScrollBar()->setSingleStep(100);
  verticalScrollBar()->setSingleStep(100);
  g_pendingAction = kPendingNothing;
  g_loadedFiles.fill(std::string());
}

CEdbsView::~CEdbsView() { g_store.ClearAll(); }

QSize CEdbsView::ClientSize() const { return viewport()->size(); }

QPoint CEdbsView::ScrollOffset() const {
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CEdbsView::UpdateScrollBars() {
  const QSize client = ClientSize();
  horizontalScrollBar()->setPageStep(std::max(1, client.width()));
  verticalScrollBar()->setPageStep(std::max(1, client.height()));
  horizontalScrollBar()->setRange(0, std::max(0, kLogicalWidth - client.width()));
  verticalScrollBar()->setRange(0, std::max(0, kLogicalHeight - client.height()));
}

void CEdbsView::EnsureImage() {
  // Drawn at the screen's density: the logical coordinates stay, the pixels are the screen's own.
  const QSize client = ClientSize();
  const QSize size(std::max(client.width(), kLogicalWidth), std::max(client.height(), kLogicalHeight));
  const qreal ratio = std::max<qreal>(1.0, viewport()->devicePixelRatioF());
  const QSize pixels = (QSizeF(size) * ratio).toSize();
  if (m_image.size() != pixels || m_image.devicePixelRatio() != ratio) {
    m_image = QImage(pixels, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_graphicValid = false;
  }
}

void CEdbsView::Invalidate() {
  m_graphicValid = false;
  viewport()->update();
  if (g_pendingAction == kPendingOpen || g_pendingAction == kPendingAdd) ScheduleLoad();
  emit stateChanged();
}

void CEdbsView::ScheduleLoad() {
  if (m_loadScheduled || m_inLoad) return;
  m_loadScheduled = true;
  // Not inside a paint: the load paints its progress itself.
  QTimer::singleShot(0, this, &CEdbsView::RunPendingLoad);
}

void CEdbsView::RunPendingLoad() {
  m_loadScheduled = false;
  if (m_inLoad || (g_pendingAction != kPendingOpen && g_pendingAction != kPendingAdd)) return;
  m_inLoad = true;
  m_flushes = 0;
  m_graphicValid = false;  // the load draws over the picture
  EnsureImage();
  m_image.fill(Qt::white);
  {
    QtCanvas canvas(m_image, ClientSize(), [this] {
      ++m_flushes;
      viewport()->repaint();
    });
    const LoadCancelWatch escape(this);
    PerformPendingLoad(canvas);
  }
  edbs::Cursor().Show(false);
  m_lastLoadFlushes = m_flushes;
  m_inLoad = false;
  viewport()->update();
  emit stateChanged();
}

void CEdbsView::RenderImage() {
  EnsureImage();
  if (g_pendingAction == kPendingGraphic) {
    RenderGraphic();
    return;
  }
  m_graphicValid = false;
  m_image.fill(Qt::white);
  QtCanvas canvas(m_image, ClientSize());
  switch (g_pendingAction) {
    case kPendingNothing:
      DrawStartScreen(canvas);
      break;
    case kPendingLoadScreen:
      PerformPendingLoad(canvas);
      break;
    default:
      break;
  }
}

CEdbsView::GraphicKey CEdbsView::CurrentGraphicKey(QSize size, qreal pixelRatio) {
  GraphicKey key;
  key.size = size;
  key.pixelRatio = pixelRatio;
  key.zoom = g_viewZoom;
  key.panX = g_viewPanX;
  key.panY = g_viewPanY;
  key.spacing = g_settings.Gitterabstand;
  key.textHeight = g_textHeight;
  key.grid = g_settings.Gitternetz;
  key.labels = g_settings.Gitterschrift;
  key.autoSpacing = g_settings.Gitterauto;
  key.graphicMode = g_graphicMode;
  key.records = g_store.GetRecordCount();
  key.filterCount = g_filterCount;
  return key;
}

void CEdbsView::RenderGraphic() {
  // Uncovering the window or repainting the status bar shows the kept picture; any change of
  // what it shows draws it afresh (the commands that change records or the filter set invalidate).
  const QSize client = ClientSize();
  if (m_graphicValid && m_graphicKey == CurrentGraphicKey(client, m_image.devicePixelRatio())) return;
  m_image.fill(Qt::white);
  {
    QtCanvas canvas(m_image, client);
    DrawGraphic(canvas);
  }
  ++m_graphicDraws;
  // Taken after the paint: an automatic grid spacing has been stored meanwhile.
  m_graphicKey = CurrentGraphicKey(client, m_image.devicePixelRatio());
  m_graphicValid = true;
}

void CEdbsView::paintEvent(QPaintEvent* event) {
  if (g_pendingAction == kPendingOpen || g_pendingAction == kPendingAdd) {
    // While a load runs the image holds its progress; otherwise the load starts shortly.
    if (!m_inLoad) ScheduleLoad();
    EnsureImage();
  } else {
    RenderImage();
  }
  QPainter painter(viewport());
  painter.drawImage(-ScrollOffset(), m_image);
  (void)event;
}

void CEdbsView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CEdbsView::scrollContentsBy(int, int) { viewport()->update(); }

QPoint CEdbsView::DrawingPos(QPointF viewportPos) const { return viewportPos.toPoint() + ScrollOffset(); }

namespace {

int ButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return kMouseLeft;
    case Qt::RightButton: return kMouseRight;
    case Qt::MiddleButton: return kMouseMiddle;
    default: return kMouseNone;
  }
}

}  // namespace

// The gestures act on the graphic only: elsewhere the last paint's transform belongs to no picture
// the user sees, and a coordinate window taken from it would extend the filter set blindly.
void CEdbsView::mousePressEvent(QMouseEvent* event) {
  const int button = ButtonCode(event->button());
  if (g_pendingAction != kPendingGraphic || button == kMouseNone) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  const QPoint p = DrawingPos(event->position());
  const QSize client = ClientSize();
  ViewMouseDown(button, p.x(), p.y(), client.width(), client.height());
  viewport()->setCursor(CursorOfButton(button));
}

void CEdbsView::mouseReleaseEvent(QMouseEvent* event) {
  const int button = ButtonCode(event->button());
  if (button == kMouseNone || button != g_mouseButton) {
    QAbstractScrollArea::mouseReleaseEvent(event);
    return;
  }
  viewport()->unsetCursor();
  const QPoint p = DrawingPos(event->position());
  const QSize client = ClientSize();
  ViewMouseUp(button, p.x(), p.y(), client.width(), client.height());
  Invalidate();
}

void CEdbsView::mouseMoveEvent(QMouseEvent* event) {
  if (g_mouseButton != kMouseNone) viewport()->setCursor(CursorOfButton(g_mouseButton));
  if (g_pendingAction != kPendingGraphic) return;
  const QPoint p = DrawingPos(event->position());
  const QSize client = ClientSize();
  emit cursorPositionChanged(ToQString(CursorPositionText(p.x(), p.y(), client.width(), client.height())));
}

void CEdbsView::wheelEvent(QWheelEvent* event) {
  if (g_pendingAction != kPendingGraphic) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  event->accept();
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  const QPoint p = DrawingPos(event->position());
  const QSize client = ClientSize();
  ViewWheelZoom(notches, p.x(), p.y(), client.width(), client.height());
  Invalidate();
}

void CEdbsView::OnFileOpen() {
  const std::string path = edbs::Prompt().ChooseOpenFile(ToCoreText(QStringLiteral("EDBS-Datei öffnen")), kAllFilesFilter);
  if (path.empty()) {
    g_pendingAction = kPendingNothing;
  } else {
    // The file slots are emptied by the load when it clears the store, not here: a file that
    // cannot be opened leaves the records together with the names of their files.
    g_fileName = path;
    g_pendingAction = kPendingOpen;
  }
  Invalidate();
}

void CEdbsView::OnFileAdd() {
  const std::string path =
      edbs::Prompt().ChooseOpenFile(ToCoreText(QStringLiteral("EDBS-Datei hinzufügen")), kAllFilesFilter);
  if (path.empty()) {
    g_pendingAction = kPendingNothing;
  } else {
    g_fileName = path;
    g_pendingAction = kPendingAdd;
  }
  Invalidate();
}

void CEdbsView::OpenFile(const QString& path) {
  g_fileName = QStringToPath(path);
  g_pendingAction = kPendingOpen;
  Invalidate();
}

void CEdbsView::OnReopen() {
  CReopenDialog dialog(window());
  if (dialog.RunModal() == QDialog::Accepted) Invalidate();
}

void CEdbsView::OnErrorList() {
  CErrorListDialog dialog(window());
  dialog.RunModal();
}

void CEdbsView::OnDeleteLines() {
  const edbs::PromptAnswer answer = edbs::Prompt().AskYesNo(
      ToCoreText(QStringLiteral("Sind Sie sicher, daß Sie alle NICHT gefilterten Sätze löschen möchten?")));
  if (answer != edbs::PromptAnswer::Yes) return;
  g_store.DeleteRecordsOutsideFilterSet();
  g_detailStart = 0;
  g_listStart = 0;
  Invalidate();
}

void CEdbsView::OnSaveReadable() {
  const std::string path =
      edbs::Prompt().ChooseSaveFile(ToCoreText(QStringLiteral("Lesbare Text-Datei schreiben")), kAllFilesFilter);
  if (path.empty()) return;
  WriteReadableExportWithProgress(window(), path);
}

void CEdbsView::OnOptions() {
  COptionsDialog dialog(window());
  if (dialog.RunModal() == QDialog::Accepted) Invalidate();
}

void CEdbsView::OnNoGraphic() {
  g_pendingAction = kPendingNothing;
  Invalidate();
}

void CEdbsView::OnClearFilterSet() {
  g_store.ClearFilterSet();
  Invalidate();
}

void CEdbsView::OnList() {
  if (g_store.GetRecordCount() == 0) {
    edbs::Prompt().ShowMessage(
        ToCoreText(QStringLiteral("Es sind keine Daten vorhanden!\nBitte zuerst eine Datei öffnen!")));
    return;
  }
  CListDialog dialog(window());
  dialog.RunModal();
}

void CEdbsView::OnStatistics() {
  CStatisticsDialog dialog(window());
  dialog.RunModal();
}

void CEdbsView::OnGraphic() {
  g_viewZoom = 1.0;
  g_viewScale = 1.0;
  g_viewPanX = 0;
  g_viewPanY = 0;
  g_pendingAction = kPendingGraphic;
  Invalidate();
}

void CEdbsView::OnFilter() {
  CFilterDialog dialog(window());
  dialog.RunModal();
  Invalidate();  // the filter set is drawn in red
}

void CEdbsView::OnDetail() {
  if (g_store.GetRecordCount() == 0) {
    edbs::Prompt().ShowMessage(
        ToCoreText(QStringLiteral("Es sind keine Daten vorhanden!\nBitte zuerst eine Datei öffnen!")));
    return;
  }
  RebuildDetailRecords();
  RunDetailDialog(window());
}

}  // namespace satzlupe
