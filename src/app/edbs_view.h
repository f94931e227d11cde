#pragma once
// The client area of the main window. It paints what g_pendingAction asks for: the start screen,
// the graphic, or the load screen; a pending open or add is performed here, on the user-interface
// thread, drawing its progress into the view's image and showing it at every step.

#include <QAbstractScrollArea>
#include <QImage>
#include <QString>

namespace satzlupe {

class CEdbsView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  // The logical size of the drawing; scroll bars appear when the window is smaller.
  static constexpr int kLogicalWidth = 800;
  static constexpr int kLogicalHeight = 600;

  explicit CEdbsView(QWidget* parent = nullptr);
  ~CEdbsView() override;

  // Repaints at the next chance; a pending open or add starts right after the current event.
  void Invalidate();
  // Performs a pending open or add now (normally started by Invalidate).
  void RunPendingLoad();
  bool IsLoading() const { return m_inLoad; }
  // How often the last load showed its progress on the screen.
  int LastLoadFlushCount() const { return m_lastLoadFlushes; }

  // The image as last drawn (logical coordinates, at least 800 x 600).
  const QImage& Image() const { return m_image; }
  // The visible client size the drawing is laid out against.
  QSize ClientSize() const;
  // Draws the current state into the image, as a paint does.
  void RenderImage();

  // Commands handled by the view.
  void OnFileOpen();
  void OnFileAdd();
  void OnReopen();
  void OnErrorList();
  void OnDeleteLines();
  void OnSaveReadable();
  void OnOptions();
  void OnNoGraphic();
  void OnClearFilterSet();
  void OnFilter();
  void OnList();
  void OnDetail();
  void OnGraphic();
  void OnStatistics();
  // A file named on the command line is opened like "Öffnen ...".
  void OpenFile(const QString& path);

 signals:
  // Records, the error list, the filter set or the pending action may have changed.
  void stateChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void ScheduleLoad();
  void EnsureImage();
  void UpdateScrollBars();
  QPoint ScrollOffset() const;

  QImage m_image;
  bool m_loadScheduled = false;
  bool m_inLoad = false;
  int m_flushes = 0;
  int m_lastLoadFlushes = 0;
};

}  // namespace satzlupe
