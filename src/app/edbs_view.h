#pragma once
// The client area of the main window. It paints what g_pendingAction asks for: the start screen,
// the graphic, or the load screen; a pending open or add is performed here, on the user-interface
// thread, drawing its progress into the view's image and showing it at every step. The image has
// the screen's pixel density. The finished graphic is kept and shown again while nothing that it
// shows has changed; the mouse zooms, pans and picks coordinate windows on it.

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

  // The image as last drawn (logical coordinates, at least 800 x 600, at the screen's density).
  const QImage& Image() const { return m_image; }
  // How often the graphic has been drawn afresh rather than shown from the kept image.
  int GraphicDrawCount() const { return m_graphicDraws; }
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
  // The world coordinates under the mouse while the graphic is shown, for the status bar.
  void cursorPositionChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Everything the graphic shows depends on, besides the records themselves.
  struct GraphicKey {
    QSize size;
    qreal pixelRatio = 1;
    double zoom = 0, panX = 0, panY = 0, spacing = 0, textHeight = 0;
    bool grid = false, labels = false, autoSpacing = false;
    int graphicMode = 0, records = 0, filterCount = 0;
    bool operator==(const GraphicKey&) const = default;
  };
  static GraphicKey CurrentGraphicKey(QSize size, qreal pixelRatio);
  void RenderGraphic();
  // The drawing's coordinates of a point of the viewport (the drawing scrolls).
  QPoint DrawingPos(QPointF viewportPos) const;

  void ScheduleLoad();
  void EnsureImage();
  void UpdateScrollBars();
  QPoint ScrollOffset() const;

  QImage m_image;
  bool m_graphicValid = false;  // the image holds the graphic of m_graphicKey
  GraphicKey m_graphicKey;
  int m_graphicDraws = 0;
  bool m_loadScheduled = false;
  bool m_inLoad = false;
  int m_flushes = 0;
  int m_lastLoadFlushes = 0;
};

}  // namespace satzlupe
