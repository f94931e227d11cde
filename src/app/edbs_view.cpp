#include "edbs_view.h"

#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

#include "commands.h"
#include "error_list_dialog.h"
#include "export_progress.h"
#include "filter_dialog.h"
#include "list_dialog.h"
#include "load/error_list.h"
#include "load/file_reader.h"
#include "options_dialog.h"
#include "platform/services.h"
#include "qt_canvas.h"
#include "qtext.h"
#include "reopen_dialog.h"
#include "statistics_dialog.h"
#include "start_screen.h"
#include "store/edbs_store.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace satzlupe {

CEdbsView::CEdbsView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("edbsView"));
  setFrameShape(QFrame::StyledPanel);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAutoFillBackground(false);
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
  const QSize client = ClientSize();
  const QSize size(std::max(client.width(), kLogicalWidth), std::max(client.height(), kLogicalHeight));
  if (m_image.size() != size) m_image = QImage(size, QImage::Format_RGB32);
}

void CEdbsView::Invalidate() {
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
  EnsureImage();
  m_image.fill(Qt::white);
  {
    QtCanvas canvas(m_image, ClientSize(), [this] {
      ++m_flushes;
      viewport()->repaint();
    });
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

// The dialogs of these views are not part of the program yet; their commands are enabled as
// they will be.
void CEdbsView::OnDetail() {}

}  // namespace satzlupe
